#pragma once
// A report document as one self-contained web page (UTF-8); a browser's print
// repeats each table's <thead> on every page.

#include <string>

#include "ReportDocument.h"

namespace korvado {

std::string ReportHtml(const ReportDocument& document);

// Writes the page to path whole, or leaves the file there as it was
// (FileIOError names the file and the reason).
void SaveReportHtml(const ReportDocument& document, const std::string& path);

}  // namespace korvado
