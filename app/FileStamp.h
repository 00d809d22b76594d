#pragma once
// What the data file on disk was when the program last read or wrote it, to
// notice that another program has changed it since.

#include <cstdint>
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

// The stamp of the file at path now; Exists is false when there is none.
FileStamp StampFile(const std::string& path);

// Whether the file at path holds other contents than when stamp was taken: a
// new size, or the same size with other bytes. A new modification time alone
// (the same bytes written again, a copy kept by a backup tool) is no change,
// and neither is a file that has gone, since saving only puts it back.
bool ChangedSince(const std::string& path, const FileStamp& stamp);

}  // namespace korvado
