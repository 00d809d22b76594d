#include "ReportPdfModule.h"

#include <filesystem>
#include <vector>
#include <system_error>

#include "ModelErrors.h"
#include "ProgramFolder.h"
#include "Utf8Path.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace korvado::cli {

namespace {

namespace fs = std::filesystem;

// Beside the program in the build tree and the Windows install; in the
// library folder in a Linux install.
std::vector<fs::path> ModuleCandidates() {
  const fs::path program = PathFromUtf8(ProgramFolder());
  return {program / KORVADO_PDF_MODULE, program / KORVADO_PDF_MODULE_INSTALLED / KORVADO_PDF_MODULE};
}

#ifdef _WIN32
ReportPdfEntry* LoadEntry(const fs::path& module, std::string& reason) {
  HMODULE library = LoadLibraryExW(module.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
  if (!library) {
    const DWORD error = GetLastError();
    // The module itself was found: what is missing is a library it needs (Qt's, the compiler's).
    reason = std::string(error == ERROR_MOD_NOT_FOUND ? "нет библиотеки, нужной модулю; " : "") + "код ошибки " +
             std::to_string(error);
    return nullptr;
  }
  // Through the generic function pointer type: FARPROC's own signature is not the entry's.
  return reinterpret_cast<ReportPdfEntry*>(
      reinterpret_cast<void (*)()>(GetProcAddress(library, kReportPdfEntryName)));
}
#else
ReportPdfEntry* LoadEntry(const fs::path& module, std::string& reason) {
  void* library = dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!library) {
    reason = dlerror();
    return nullptr;
  }
  return reinterpret_cast<ReportPdfEntry*>(dlsym(library, kReportPdfEntryName));
}
#endif

// Loaded once and kept: Qt is not made to be unloaded.
ReportPdfEntry* Entry() {
  static ReportPdfEntry* entry = nullptr;
  if (entry) return entry;
  const std::vector<fs::path> candidates = ModuleCandidates();
  for (const fs::path& module : candidates) {
    std::error_code error;
    if (!fs::is_regular_file(module, error)) continue;
    std::string reason = "нет точки входа";
    entry = LoadEntry(module, reason);
    if (!entry) throw KorvadoError("не удалось загрузить модуль записи PDF «" + Utf8FromPath(module) + "»: " + reason);
    return entry;
  }
  throw KorvadoError("не найден модуль записи PDF «" + Utf8FromPath(candidates.front()) +
                     "»: PDF не записан; переустановите программу");
}

}  // namespace

void SaveReportPdfThroughModule(const ReportDocument& document, const std::string& path) {
  std::string message;
  if (!Entry()(&document, path.c_str(), &message)) throw FileIOError(message);
}

}  // namespace korvado::cli
