// The module korvado-pdf: Qt's page painter behind one entry point, loaded by
// korvado-cli only when it writes a PDF.

#include <exception>
#include <string>
#include <type_traits>

#include "OffscreenGui.h"
#include "ReportPages.h"
#include "ReportPdfModule.h"

#ifdef _WIN32
#define KORVADO_PDF_EXPORT __declspec(dllexport)
#else
#define KORVADO_PDF_EXPORT __attribute__((visibility("default")))
#endif

extern "C" KORVADO_PDF_EXPORT bool KorvadoSaveReportPdf(const korvado::ReportDocument* document, const char* path,
                                                        std::string* message) {
  // Nothing may leave the module as an exception: the caller is another binary.
  try {
    const korvado::OffscreenGui gui;
    korvado::SaveReportPdf(*document, path);
    return true;
  } catch (const std::exception& error) {
    *message = error.what();
  } catch (...) {
    *message = "не удалось записать PDF";
  }
  return false;
}

// The declared type and the definition must agree.
static_assert(std::is_same_v<decltype(KorvadoSaveReportPdf), korvado::cli::ReportPdfEntry>);
