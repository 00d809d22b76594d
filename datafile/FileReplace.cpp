#include <cstdio>
#include <cstring>
#include <new>

#include "DataFileLayout.h"
#include "DataFileMessages.h"
#include "FileReplaceParts.h"
#include "Fnv1a.h"
#include "ModelErrors.h"
#include "Utf8Path.h"

namespace korvado::file_replace {

namespace fs = std::filesystem;

void FailRead(const std::string& path, const std::string& what) { throw FileIOError(OpenFailedMessage(path, what)); }

void FailWrite(const std::string& path, const std::string& reason) {
  throw FileIOError(SaveFailedMessage(path, reason));
}

fs::path FolderOf(const fs::path& target) { return target.has_parent_path() ? target.parent_path() : fs::path("."); }

fs::path TemporaryNameFor(const fs::path& target, size_t nameLimit) {
  const std::string name = Utf8FromPath(target.filename());
  const fs::path temporary = PathFromUtf8("." + name + ".korvado-tmp");
  if (temporary.native().size() <= nameLimit) return FolderOf(target) / temporary;
  const uint64_t hash = Fnv1aOf(name);
  char hex[17];
  std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
  return FolderOf(target) / (".korvado-" + std::string(hex) + ".tmp");
}

namespace {

std::unique_ptr<char[]> Allocate(size_t capacity, const std::string& path) {
  try {
    return std::make_unique_for_overwrite<char[]>(capacity);
  } catch (const std::bad_alloc&) {
    FailRead(path, "недостаточно памяти, чтобы прочитать файл (" + std::to_string(capacity) + " байт)");
  }
}

}  // namespace

FileContents ReadWhole(const std::string& path, uint64_t size,
                       const std::function<size_t(char* buffer, size_t capacity)>& readSome) {
  if (size > kLargestDataFileBytes)
    FailRead(path, "файл длиннее любого файла данных (" + std::to_string(size) + " байт)");
  // One spare byte lets the read that finds the end use the same buffer.
  size_t capacity = static_cast<size_t>(size) + 1;
  FileContents contents{Allocate(capacity, path), 0};
  for (;;) {
    if (contents.size == capacity) {  // the file grew while it was read
      if (capacity > kLargestDataFileBytes) FailRead(path, "файл длиннее любого файла данных");
      capacity *= 2;
      auto larger = Allocate(capacity, path);
      std::memcpy(larger.get(), contents.data.get(), contents.size);
      contents.data = std::move(larger);
    }
    const size_t n = readSome(contents.data.get() + contents.size, capacity - contents.size);
    if (n == 0) break;
    contents.size += n;
  }
  return contents;
}

}  // namespace korvado::file_replace
