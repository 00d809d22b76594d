#include "ProgramFolder.h"

#include <filesystem>
#include <system_error>

#include "Utf8Path.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace korvado {

std::string ProgramFolder() {
#ifdef _WIN32
  std::wstring buffer(32768, L'\0');
  const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
  if (length == 0 || length >= buffer.size()) return {};
  buffer.resize(length);
  const std::filesystem::path executable(buffer);
#else
  std::error_code error;
  const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return {};
#endif
  return Utf8FromPath(executable.parent_path());
}

}  // namespace korvado
