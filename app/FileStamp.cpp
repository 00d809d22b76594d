#include "FileStamp.h"

#include <filesystem>
#include <optional>

#include "FileReplace.h"
#include "Fnv1a.h"
#include "Utf8Path.h"

namespace korvado {

namespace {

// The size of the file at path; none when no regular file is there.
std::optional<uintmax_t> SizeOf(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(PathFromUtf8(path), error)) return std::nullopt;
  const uintmax_t size = std::filesystem::file_size(PathFromUtf8(path), error);
  if (error) return std::nullopt;
  return size;
}

}  // namespace

uint64_t HashFileBytes(std::string_view bytes) { return Fnv1aOf(bytes); }

FileStamp StampFile(const std::string& path) {
  const std::optional<uintmax_t> size = SizeOf(path);
  if (!size) return {};
  return {true, *size, HashFileBytes(ReadFileContents(path).View())};
}

bool ChangedSince(const std::string& path, const FileStamp& stamp) {
  const std::optional<uintmax_t> size = SizeOf(path);
  if (!size || !stamp.Exists) return false;
  return *size != stamp.Size || HashFileBytes(ReadFileContents(path).View()) != stamp.Hash;
}

}  // namespace korvado
