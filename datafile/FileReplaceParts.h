#pragma once
// What the POSIX and the Windows halves of FileReplace share: the messages,
// the temporary name beside the target and reading a file whole.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

#include "FileReplace.h"

namespace korvado::file_replace {

[[noreturn]] void FailRead(const std::string& path, const std::string& what);
[[noreturn]] void FailWrite(const std::string& path, const std::string& reason);

// The folder a target is saved into; "." for a bare file name.
std::filesystem::path FolderOf(const std::filesystem::path& target);

// A stable name beside the target, so that a second save finds what a killed
// first one left; a name over nameLimit characters falls back to a hash of the name.
std::filesystem::path TemporaryNameFor(const std::filesystem::path& target, size_t nameLimit);

// Reads a file of the given size whole through readSome (bytes read into the
// buffer, 0 at the end of the file); a file that grows meanwhile is read on.
FileContents ReadWhole(const std::string& path, uint64_t size,
                       const std::function<size_t(char* buffer, size_t capacity)>& readSome);

}  // namespace korvado::file_replace
