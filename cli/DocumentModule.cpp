#include "DocumentModule.h"

#include <filesystem>
#include <system_error>
#include <vector>

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
  return {program / KORVADO_DOCUMENTS_MODULE, program / KORVADO_DOCUMENTS_MODULE_INSTALLED / KORVADO_DOCUMENTS_MODULE};
}

#ifdef _WIN32
using ModuleHandle = HMODULE;
ModuleHandle Load(const fs::path& module, std::string& reason) {
  const HMODULE library = LoadLibraryExW(module.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
  if (!library) {
    const DWORD error = GetLastError();
    // The module itself was found: what is missing is a library it needs (Qt's, the compiler's).
    reason = std::string(error == ERROR_MOD_NOT_FOUND ? "нет библиотеки, нужной модулю; " : "") + "код ошибки " +
             std::to_string(error);
  }
  return library;
}
void* Symbol(ModuleHandle module, const char* name) { return reinterpret_cast<void*>(GetProcAddress(module, name)); }
#else
using ModuleHandle = void*;
ModuleHandle Load(const fs::path& module, std::string& reason) {
  void* library = dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!library) reason = dlerror();
  return library;
}
void* Symbol(ModuleHandle module, const char* name) { return dlsym(module, name); }
#endif

// Loaded once and kept: Qt is not made to be unloaded.
ModuleHandle Module() {
  static ModuleHandle module = nullptr;
  if (module) return module;
  const std::vector<fs::path> candidates = ModuleCandidates();
  for (const fs::path& candidate : candidates) {
    std::error_code error;
    if (!fs::is_regular_file(candidate, error)) continue;
    std::string reason;
    module = Load(candidate, reason);
    if (!module)
      throw KorvadoError("не удалось загрузить модуль документов «" + Utf8FromPath(candidate) + "»: " + reason);
    return module;
  }
  throw KorvadoError("не найден модуль документов «" + Utf8FromPath(candidates.front()) +
                     "»: документ не записан; переустановите программу");
}

template <typename Document>
void Write(const char* entryName, const Document& document, const std::string& path) {
  const auto entry = reinterpret_cast<DocumentEntry<Document>*>(Symbol(Module(), entryName));
  if (!entry) throw KorvadoError(std::string("в модуле документов нет точки входа ") + entryName);
  std::string message;
  if (!entry(&document, path.c_str(), &message)) throw FileIOError(message);
}

}  // namespace

void SaveReportPdfThroughModule(const ReportDocument& document, const std::string& path) {
  Write(kPdfEntryName, document, path);
}

void SaveReportXlsxThroughModule(const ReportWorkbook& workbook, const std::string& path) {
  Write(kXlsxEntryName, workbook, path);
}

void SaveNetDiagramSvgThroughModule(const AppState& state, int32_t index, const std::string& path) {
  Write(kDiagramEntryName, NetDiagramRequest{&state, index}, path);
}

}  // namespace korvado::cli
