#include "SettingsLocation.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "ProgramFolder.h"
#include "Utf8Path.h"

#ifdef _WIN32
#include <windows.h>
// windows.h first: the shell's header needs its types.
#include <shlobj.h>
#endif

namespace korvado {

namespace fs = std::filesystem;

namespace {

const char* const kFileName = "Korvado.ini";

bool IsFile(const fs::path& path) {
  std::error_code error;
  return fs::is_regular_file(path, error);
}

bool Exists(const fs::path& path) {
  std::error_code error;
  return fs::exists(path, error);
}

#ifdef _WIN32
fs::path LocalAppData() {
  PWSTR folder = nullptr;
  fs::path path;
  if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_LocalAppData, KF_FLAG_DONT_VERIFY, nullptr, &folder))) path = folder;
  CoTaskMemFree(folder);
  return path;
}
#else
// Qt's rule: $XDG_CONFIG_HOME when set, else ~/.config.
fs::path XdgConfigHome() {
  const char* configured = std::getenv("XDG_CONFIG_HOME");
  if (configured && *configured) return configured;
  const char* home = std::getenv("HOME");
  return fs::path(home ? home : "") / ".config";
}
#endif

}  // namespace

std::string UserConfigFolder() {
#ifdef _WIN32
  return Utf8FromPath(LocalAppData() / "Korvado");
#else
  return Utf8FromPath(XdgConfigHome() / "Korvado");
#endif
}

std::string LocateSettingsFile() {
  std::error_code error;
  const fs::path working = fs::current_path(error);
  return LocateSettingsFile(ProgramFolder(), UserConfigFolder(), error ? std::string() : Utf8FromPath(working));
}

std::string LocateSettingsFile(const std::string& programFolder, const std::string& configFolder,
                               const std::string& workingFolder) {
  const fs::path portable = PathFromUtf8(programFolder) / kFileName;
  if (!programFolder.empty() && IsFile(portable)) return Utf8FromPath(portable);
  const fs::path stored = PathFromUtf8(configFolder) / kFileName;
  const fs::path old = PathFromUtf8(workingFolder) / kFileName;
  // A failed copy leaves the defaults; the first write says what went wrong.
  // Otherwise the folder is made by the first write.
  if (!workingFolder.empty() && !Exists(stored) && IsFile(old)) {
    std::error_code error;
    fs::create_directories(stored.parent_path(), error);
    if (!error) fs::copy_file(old, stored, error);
  }
  return Utf8FromPath(stored);
}

}  // namespace korvado
