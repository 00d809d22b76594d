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
// FileIOError names the file and the fault. Anything but a regular file no
// longer than the format allows (a device, a pipe) is refused unread.
FileContents ReadFileContents(const std::string& path);

// Writes a temporary file beside path, flushes it to the disk and only then
// renames it over path, so that a failure at any step (no rights, full disk,
// no such folder) leaves the file at path as it was, and an interrupted save
// leaves no partial file behind once the next save has run. Only a regular
// file is replaced; a symbolic link is followed. FileIOError names the file
// and the reason. The new file keeps the owner, group and permissions of the
// one it replaces, or takes those of the file at attributesOf when given (a
// copy of a file is as private as the file).
void ReplaceFileContents(const std::string& path, const std::string& bytes, const std::string& attributesOf = {});

}  // namespace korvado
