#pragma once
// Whole-file reading and writing for the data file.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace korvado {

struct FileContents {
  std::unique_ptr<char[]> data;
  size_t size = 0;
  std::string_view View() const { return {data.get(), size}; }
};

// The whole contents of the file at path, normally in one read call;
// FileIOError names the file and the fault.
FileContents ReadFileContents(const std::string& path);

// Writes a temporary file beside path, flushes it to the disk and only then
// renames it over path, so that a failure at any step (no rights, full disk,
// no such folder) leaves the file at path as it was. FileIOError names the
// file and the reason.
void ReplaceFileContents(const std::string& path, const std::string& bytes);

}  // namespace korvado
