// Reading and atomic replacing on Windows: wide (UTF-16) names throughout, the
// new contents flushed to the disk in a temporary file beside the target,
// which then takes the target's place in one step.

#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <optional>

#include "DataFileMessages.h"
#include "FileReplaceParts.h"
#include "Utf8Path.h"

namespace korvado {

namespace fs = std::filesystem;

namespace {

using file_replace::FailRead;
using file_replace::FailWrite;

constexpr const char* kFileInUse = "файл открыт другой программой";
constexpr const char* kBadFileName = "недопустимое имя файла";

// The system's error in the words the POSIX half uses, where one fits.
int ErrnoFor(DWORD error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
      return ENOENT;
    case ERROR_ACCESS_DENIED:
      return EACCES;
    case ERROR_WRITE_PROTECT:
      return EROFS;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return ENOSPC;
    case ERROR_FILENAME_EXCED_RANGE:
      return ENAMETOOLONG;
    default:
      return EIO;
  }
}

bool InUse(DWORD error) { return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION; }
bool BadName(DWORD error) { return error == ERROR_INVALID_NAME || error == ERROR_DIRECTORY; }

[[noreturn]] void FailRead(const std::string& path, DWORD error) {
  if (InUse(error)) FailRead(path, kFileInUse);
  if (BadName(error)) FailRead(path, kFileNotFound);
  FailRead(path, ErrnoFor(error) == EIO ? ReadErrorText(static_cast<int>(error)) : ReadErrorText(ErrnoFor(error)));
}

[[noreturn]] void FailWrite(const std::string& path, DWORD error) {
  if (InUse(error)) FailWrite(path, kFileInUse);
  if (BadName(error)) FailWrite(path, kBadFileName);
  FailWrite(path, ErrnoFor(error) == EIO ? WriteErrorText(static_cast<int>(error)) : WriteErrorText(ErrnoFor(error)));
}

// The name as the wide file functions take it. Past MAX_PATH they need the
// extended form \\?\ of the full name; shorter names stay as they are, so
// that a device name (NUL, CON) keeps meaning the device.
std::wstring SystemName(const fs::path& name) {
  if (name.native().size() < MAX_PATH - 12) return name.native();
  std::error_code ignored;
  fs::path full = fs::absolute(name, ignored).lexically_normal();
  full.make_preferred();
  const std::wstring& text = full.native();
  if (text.starts_with(LR"(\\?\)")) return text;
  if (text.starts_with(LR"(\\)")) return LR"(\\?\UNC\)" + text.substr(2);
  return LR"(\\?\)" + text;
}

class Handle {
 public:
  explicit Handle(HANDLE handle) : handle_(handle) {}
  ~Handle() { Close(); }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  HANDLE get() const { return handle_; }
  bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  void Close() {
    if (valid()) ::CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
  }

 private:
  HANDLE handle_;
};

// Windows reports a path through a file as a missing folder; say what it is.
[[noreturn]] void FailMissingFolder(const std::string& path, const fs::path& target) {
  std::error_code ignored;
  for (fs::path folder = target.parent_path(); !folder.empty() && folder != folder.parent_path();
       folder = folder.parent_path())
    if (fs::exists(folder, ignored))
      FailWrite(path, WriteErrorText(fs::is_directory(folder, ignored) ? ENOENT : ENOTDIR));
  FailWrite(path, WriteErrorText(ENOENT));
}

// Only a file may be replaced, and only one this user may write and that no
// other program holds: asked before anything is written, so that the answer
// names the real reason. Returns whether there is a file to replace.
bool CheckExistingTarget(const fs::path& target, const std::string& path) {
  const DWORD attributes = ::GetFileAttributesW(SystemName(target).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return false;
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) FailWrite(path, WriteErrorText(EISDIR));
  if (attributes & FILE_ATTRIBUTE_READONLY) FailWrite(path, WriteErrorText(EACCES));
  const Handle probe(::CreateFileW(SystemName(target).c_str(), GENERIC_WRITE | DELETE,
                                   FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                   FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!probe.valid()) FailWrite(path, ::GetLastError());
  return true;
}

// The temporary file, removed again unless it has taken the target's place.
class TemporaryFile {
 public:
  TemporaryFile(fs::path name, const std::string& path) : name_(std::move(name)), path_(path) {
    // A temporary a killed save left is simply overwritten.
    handle_.emplace(::CreateFileW(SystemName(name_).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!handle_->valid()) {
      const DWORD error = ::GetLastError();
      if (error == ERROR_PATH_NOT_FOUND) FailMissingFolder(path_, name_);
      FailWrite(path_, error);
    }
  }
  ~TemporaryFile() {
    handle_.reset();
    if (!moved_) ::DeleteFileW(SystemName(name_).c_str());
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  void WriteAndFlush(const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
      const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 30));
      DWORD written = 0;
      if (!::WriteFile(handle_->get(), bytes.data() + done, chunk, &written, nullptr))
        FailWrite(path_, ::GetLastError());
      done += written;
    }
    if (!::FlushFileBuffers(handle_->get())) FailWrite(path_, ::GetLastError());
    handle_->Close();
  }

  // ReplaceFileW keeps what belongs to the file rather than to its contents
  // (its security, its creation time); a new file, or a file system that
  // cannot replace, takes the move.
  void Replace(const fs::path& target, bool existing) {
    if (existing && ::ReplaceFileW(SystemName(target).c_str(), SystemName(name_).c_str(), nullptr,
                                   REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)) {
      moved_ = true;
      return;
    }
    if (!::MoveFileExW(SystemName(name_).c_str(), SystemName(target).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
      FailWrite(path_, ::GetLastError());
    moved_ = true;
  }

 private:
  fs::path name_;
  std::string path_;
  std::optional<Handle> handle_;
  bool moved_ = false;
};

}  // namespace

FileContents ReadFileContents(const std::string& path) {
  const fs::path name = PathFromUtf8(path);
  const Handle file(::CreateFileW(SystemName(name).c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) FailRead(path, ::GetLastError());
  // A device (CON, NUL, a serial port) or a pipe is no data file.
  if (::GetFileType(file.get()) != FILE_TYPE_DISK) FailRead(path, kNotARegularFile);
  LARGE_INTEGER size{};
  if (!::GetFileSizeEx(file.get(), &size)) FailRead(path, ::GetLastError());
  return file_replace::ReadWhole(path, static_cast<uint64_t>(size.QuadPart), [&](char* buffer, size_t capacity) {
    DWORD read = 0;
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(capacity, 1u << 30));
    if (!::ReadFile(file.get(), buffer, chunk, &read, nullptr)) FailRead(path, ::GetLastError());
    return static_cast<size_t>(read);
  });
}

// Windows files carry their access rights in the folder's inheritance, so a
// copy needs nothing taken from attributesOf.
void ReplaceFileContents(const std::string& path, const std::string& bytes, const std::string& /*attributesOf*/) {
  std::error_code error;
  fs::path target = PathFromUtf8(path);
  // A symbolic link is followed, so that the file it points to is replaced and the link stays.
  if (fs::is_symlink(target, error)) target = fs::weakly_canonical(target, error);
  const bool existing = CheckExistingTarget(target, path);
  TemporaryFile temp(file_replace::TemporaryNameFor(target, 255), path);
  temp.WriteAndFlush(bytes);
  temp.Replace(target, existing);
}

}  // namespace korvado
