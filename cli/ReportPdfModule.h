#pragma once
// A statement written as PDF by the module korvado-pdf, which holds Qt's page
// painter. korvado-cli loads it only when a PDF is asked for, so that every
// other command starts without loading Qt's libraries: on a small net that
// start was most of the command's time.

#include <string>

#include "ReportDocument.h"

namespace korvado::cli {

// Writes the PDF whole or not at all. Raises FileIOError naming the file and
// the reason, or KorvadoError when the module cannot be loaded.
void SaveReportPdfThroughModule(const ReportDocument& document, const std::string& path);

// The module's one entry point, found by this name: writes the PDF to path
// (UTF-8); on failure returns false with the reason in message. Both sides
// are built together, so C++ types may cross.
extern "C" {
using ReportPdfEntry = bool(const ReportDocument* document, const char* path, std::string* message);
}
inline constexpr const char* kReportPdfEntryName = "KorvadoSaveReportPdf";

}  // namespace korvado::cli
