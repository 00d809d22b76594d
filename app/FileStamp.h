#pragma once
// What the data file on disk was when the program last read or wrote it, to
// notice that another program has changed it since.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace korvado {

struct FileStamp {
  bool Exists = false;
  uintmax_t Size = 0;
  uint64_t Hash = 0;
};

// FNV-1a of the bytes: stable from run to run, so that a stamp kept in a
// recovery record or a project file still compares.
uint64_t HashFileBytes(std::string_view bytes);

// The stamp of a file holding exactly these bytes: taken from what was read or
// written, so that the file is not read again for it.
FileStamp StampOf(std::string_view bytes);

// The file under a name as a save is about to replace it, read once: the
// check for another program's changes and the backup copy both use these bytes.
struct DiskVersion {
  std::string Path;
  bool Exists = false;                          // a regular file is there
  std::string Bytes;                            // its contents, when they could be read
  std::string ReadFailure;                      // else why not (a file too long, no rights)
  std::filesystem::file_time_type WrittenAt{};  // as it was before the read
};

// Reads the file at path; anything but a regular file counts as none.
DiskVersion ReadDiskVersion(const std::string& path);
// Whether the file at disk.Path is still the one read: the same kind, size
// and modification time, seen without reading it again. A question to the
// user may come between the read and the save.
bool StillOnDisk(const DiskVersion& disk);

// Whether the file holds other contents than when stamp was taken: a new
// size, or the same size with other bytes. A new modification time alone
// (the same bytes written again, a copy kept by a backup tool) is no change,
// and neither is a file that has gone, since saving only puts it back. A file
// that could not be read may hold anything, so it counts as changed.
bool ChangedSince(const DiskVersion& disk, const FileStamp& stamp);

}  // namespace korvado
