#pragma once
// The documents korvado-cli writes with large libraries — a PDF with Qt's page
// painter, a workbook with libxlsxwriter, the net diagram laid out by
// Graphviz — are written by the module korvado-documents, loaded only when
// one is asked for: every other command then starts without loading those
// libraries, which on a small net was most of the command's time.

#include <cstdint>
#include <string>

#include "AppState.h"
#include "ReportDocument.h"
#include "ReportXlsx.h"

namespace korvado::cli {

// Each writes whole or not at all. They raise FileIOError naming the file and
// the reason, or KorvadoError when the module cannot be loaded.
void SaveReportPdfThroughModule(const ReportDocument& document, const std::string& path);
void SaveReportXlsxThroughModule(const ReportWorkbook& workbook, const std::string& path);
// The diagram of net `index` of the state, laid out and written as SVG.
void SaveNetDiagramSvgThroughModule(const AppState& state, int32_t index, const std::string& path);

// What the module's entry points take: the document, the path (UTF-8), and
// where a failure's reason goes; false on failure. Both sides are built
// together, so C++ types may cross.
struct NetDiagramRequest {
  const AppState* state;
  int32_t index;
};
template <typename Document>
using DocumentEntry = bool(const Document* document, const char* path, std::string* message);
inline constexpr const char* kPdfEntryName = "KorvadoSaveReportPdf";
inline constexpr const char* kXlsxEntryName = "KorvadoSaveReportXlsx";
inline constexpr const char* kDiagramEntryName = "KorvadoSaveNetDiagramSvg";

}  // namespace korvado::cli
