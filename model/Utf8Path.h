#pragma once
// File names inside the program are UTF-8 text. The system's own names are
// UTF-16 on Windows, where std::filesystem::path would read a plain
// std::string in the ANSI code page: every crossing goes through these two.

#include <filesystem>
#include <string>

namespace korvado {

inline std::filesystem::path PathFromUtf8(const std::string& utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

inline std::string Utf8FromPath(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

}  // namespace korvado
