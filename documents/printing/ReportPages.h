#pragma once
// A report document laid out on pages: its tables' headers repeated on every
// page they run onto, «стр. N из M» at the foot of each page. Laid out here
// rather than through rich text, whose table layout grows too slow for a
// catalogue of thousands of points.

#include <QByteArray>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <string>

#include "ReportDocument.h"

namespace korvado {

// The report's page: A4 upright with 15 mm margins, on paper and in PDF.
QPageLayout ReportPageLayout();

// Paints every page on `device` (a QPdfWriter or a QPrinter, already set up
// for its page size); returns the number of pages.
int PaintReportPages(const ReportDocument& document, QPagedPaintDevice& device);

// The report as the bytes of a PDF file. Needs a QGuiApplication (OffscreenGui).
QByteArray ReportPdf(const ReportDocument& document);

// Writes the report's PDF to path the way a data file is saved: whole, or
// not at all (FileIOError names the file and the reason).
void SaveReportPdf(const ReportDocument& document, const std::string& path);

}  // namespace korvado
