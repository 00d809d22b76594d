#include "FileStamp.h"

#include <filesystem>
#include <optional>

#include "FileReplace.h"
#include "Fnv1a.h"
#include "ModelErrors.h"
#include "Utf8Path.h"

namespace korvado {

uint64_t HashFileBytes(std::string_view bytes) { return Fnv1aOf(bytes); }

FileStamp StampOf(std::string_view bytes) { return {true, bytes.size(), HashFileBytes(bytes)}; }

namespace {

std::optional<std::filesystem::file_time_type> RegularFileTime(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(PathFromUtf8(path), error)) return std::nullopt;
  const std::filesystem::file_time_type time = std::filesystem::last_write_time(PathFromUtf8(path), error);
  if (error) return std::nullopt;
  return time;
}

}  // namespace

DiskVersion ReadDiskVersion(const std::string& path) {
  DiskVersion disk;
  disk.Path = path;
  const std::optional<std::filesystem::file_time_type> time = RegularFileTime(path);
  if (!time) return disk;
  disk.Exists = true;
  disk.WrittenAt = *time;
  try {
    disk.Bytes = std::string(ReadFileContents(path).View());
  } catch (const FileIOError& failure) {
    disk.ReadFailure = failure.what();
  }
  return disk;
}

bool StillOnDisk(const DiskVersion& disk) {
  const std::optional<std::filesystem::file_time_type> time = RegularFileTime(disk.Path);
  if (!time || !disk.Exists) return !time && !disk.Exists;
  std::error_code error;
  const uintmax_t size = std::filesystem::file_size(PathFromUtf8(disk.Path), error);
  return !error && *time == disk.WrittenAt && disk.ReadFailure.empty() && size == disk.Bytes.size();
}

bool ChangedSince(const DiskVersion& disk, const FileStamp& stamp) {
  if (!disk.Exists || !stamp.Exists) return false;
  if (!disk.ReadFailure.empty()) return true;
  return StampOf(disk.Bytes).Size != stamp.Size || HashFileBytes(disk.Bytes) != stamp.Hash;
}

}  // namespace korvado
