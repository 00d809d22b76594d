// The module korvado-documents: the writers that need large libraries (Qt's
// page painter, libxlsxwriter, Graphviz) behind three entry points, loaded by
// korvado-cli only when it writes one of those documents.

#include <exception>
#include <string>
#include <type_traits>

#include "DiagramSvg.h"
#include "DocumentModule.h"
#include "NetDiagram.h"
#include "OffscreenGui.h"
#include "ReportPages.h"

#ifdef _WIN32
#define KORVADO_DOCUMENTS_EXPORT __declspec(dllexport)
#else
#define KORVADO_DOCUMENTS_EXPORT __attribute__((visibility("default")))
#endif

namespace {

// Nothing may leave the module as an exception: the caller is another binary.
template <typename Write>
bool Guarded(std::string* message, Write write) {
  try {
    write();
    return true;
  } catch (const std::exception& error) {
    *message = error.what();
  } catch (...) {
    *message = "документ не записан";
  }
  return false;
}

}  // namespace

extern "C" KORVADO_DOCUMENTS_EXPORT bool KorvadoSaveReportPdf(const korvado::ReportDocument* document, const char* path,
                                                              std::string* message) {
  return Guarded(message, [&] {
    const korvado::OffscreenGui gui;
    korvado::SaveReportPdf(*document, path);
  });
}

extern "C" KORVADO_DOCUMENTS_EXPORT bool KorvadoSaveReportXlsx(const korvado::ReportWorkbook* workbook,
                                                               const char* path, std::string* message) {
  return Guarded(message, [&] { korvado::SaveReportXlsx(*workbook, path); });
}

extern "C" KORVADO_DOCUMENTS_EXPORT bool KorvadoSaveNetDiagramSvg(const korvado::cli::NetDiagramRequest* request,
                                                                  const char* path, std::string* message) {
  return Guarded(message,
                 [&] { korvado::SaveDiagramSvg(korvado::BuildNetDiagram(*request->state, request->index), path); });
}

// The declared types and the definitions must agree.
static_assert(std::is_same_v<decltype(KorvadoSaveReportPdf), korvado::cli::DocumentEntry<korvado::ReportDocument>>);
static_assert(std::is_same_v<decltype(KorvadoSaveReportXlsx), korvado::cli::DocumentEntry<korvado::ReportWorkbook>>);
static_assert(
    std::is_same_v<decltype(KorvadoSaveNetDiagramSvg), korvado::cli::DocumentEntry<korvado::cli::NetDiagramRequest>>);
