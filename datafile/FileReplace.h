#pragma once
// Whole-file reading and writing for the data file.

#include <string>

namespace korvado {

// The whole contents of the file at path; FileIOError names the file and the fault.
std::string ReadFileContents(const std::string& path);

// Writes a temporary file beside path, flushes it to the disk and only then
// renames it over path, so that a failure at any step (no rights, full disk,
// no such folder) leaves the file at path as it was. FileIOError names the
// file and the reason.
void ReplaceFileContents(const std::string& path, const std::string& bytes);

}  // namespace korvado
