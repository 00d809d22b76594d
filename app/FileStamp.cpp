#include "FileStamp.h"

#include <filesystem>
#include <optional>

#include "FileReplace.h"
#include "Utf8Path.h"

namespace korvado {

namespace {

// FNV-1a: stable from run to run, so a stamp kept in a recovery record still compares.
uint64_t HashBytes(std::string_view bytes) {
  uint64_t hash = 14695981039346656037ull;
  for (unsigned char byte : bytes) hash = (hash ^ byte) * 1099511628211ull;
  return hash;
}

// The size of the file at path; none when no regular file is there.
std::optional<uintmax_t> SizeOf(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(PathFromUtf8(path), error)) return std::nullopt;
  const uintmax_t size = std::filesystem::file_size(PathFromUtf8(path), error);
  if (error) return std::nullopt;
  return size;
}

}  // namespace

FileStamp StampFile(const std::string& path) {
  const std::optional<uintmax_t> size = SizeOf(path);
  if (!size) return {};
  return {true, *size, HashBytes(ReadFileContents(path).View())};
}

bool ChangedSince(const std::string& path, const FileStamp& stamp) {
  const std::optional<uintmax_t> size = SizeOf(path);
  if (!size || !stamp.Exists) return false;
  return *size != stamp.Size || HashBytes(ReadFileContents(path).View()) != stamp.Hash;
}

}  // namespace korvado
