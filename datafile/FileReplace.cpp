#include "FileReplace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "DataFileMessages.h"
#include "ModelErrors.h"

namespace korvado {

namespace fs = std::filesystem;

namespace {

[[noreturn]] void FailRead(const std::string& path, int errorNumber) {
  throw FileIOError(OpenFailedMessage(path, ReadErrorText(errorNumber)));
}

[[noreturn]] void FailWrite(const std::string& path, int errorNumber) {
  throw FileIOError(SaveFailedMessage(path, WriteErrorText(errorNumber)));
}

// Closes the descriptor and removes the temporary file unless the rename took it over.
class TemporaryFile {
 public:
  TemporaryFile(std::string path, int fd) : path_(std::move(path)), fd_(fd) {}
  ~TemporaryFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!kept_) ::unlink(path_.c_str());
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  int fd() const { return fd_; }
  const std::string& path() const { return path_; }
  // Returns errno of a failed close, 0 otherwise.
  int Close() {
    const int result = ::close(fd_);
    fd_ = -1;
    return result == 0 ? 0 : errno;
  }
  void Keep() { kept_ = true; }

 private:
  std::string path_;
  int fd_;
  bool kept_ = false;
};

// A symbolic link is followed, so that the file it points to is replaced and the link stays.
fs::path ResolveTarget(const std::string& path) {
  std::error_code error;
  if (fs::is_symlink(path, error)) {
    fs::path resolved = fs::canonical(path, error);
    if (!error) return resolved;
  }
  return fs::path(path);
}

// Created beside the target, so that the final rename never crosses file systems.
TemporaryFile CreateTemporaryBeside(const fs::path& target, const std::string& pathForMessages) {
  static unsigned counter = 0;
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::string candidate =
        target.string() + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
    const int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) return TemporaryFile(candidate, fd);
    if (errno != EEXIST) FailWrite(pathForMessages, errno);
  }
  FailWrite(pathForMessages, EEXIST);
}

void WriteAll(int fd, const std::string& bytes, const std::string& pathForMessages) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) FailWrite(pathForMessages, errno);
    done += static_cast<size_t>(n);
  }
}

// The existing file's permissions carry over to its replacement; a file the
// user may not write is refused, as overwriting it in place would be.
void CheckExistingTarget(const fs::path& target, int tempFd, const std::string& pathForMessages) {
  struct stat info {};
  if (::stat(target.c_str(), &info) != 0) return;
  if (S_ISDIR(info.st_mode)) FailWrite(pathForMessages, EISDIR);
  if (::access(target.c_str(), W_OK) != 0) FailWrite(pathForMessages, errno);
  if (S_ISREG(info.st_mode)) ::fchmod(tempFd, info.st_mode & 07777);
}

// Makes the rename itself durable; a failure here cannot undo the save, so it is not reported.
void SyncFolder(const fs::path& target) {
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

FileContents ReadFileContents(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) FailRead(path, errno);
  struct stat info {};
  // One spare byte lets the read that finds the end use the same buffer.
  size_t capacity = 65536;
  if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) capacity = static_cast<size_t>(info.st_size) + 1;
  FileContents contents{std::make_unique_for_overwrite<char[]>(capacity), 0};
  for (;;) {
    if (contents.size == capacity) {  // the file grew, or it is not a regular file
      capacity *= 2;
      auto larger = std::make_unique_for_overwrite<char[]>(capacity);
      std::memcpy(larger.get(), contents.data.get(), contents.size);
      contents.data = std::move(larger);
    }
    const ssize_t n = ::read(fd, contents.data.get() + contents.size, capacity - contents.size);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      const int error = errno;
      ::close(fd);
      FailRead(path, error);
    }
    if (n == 0) break;
    contents.size += static_cast<size_t>(n);
  }
  ::close(fd);
  return contents;
}

void ReplaceFileContents(const std::string& path, const std::string& bytes) {
  const fs::path target = ResolveTarget(path);
  TemporaryFile temp = CreateTemporaryBeside(target, path);
  CheckExistingTarget(target, temp.fd(), path);
  WriteAll(temp.fd(), bytes, path);
  if (::fsync(temp.fd()) != 0) FailWrite(path, errno);
  if (const int error = temp.Close(); error != 0) FailWrite(path, error);
  if (::rename(temp.path().c_str(), target.c_str()) != 0) FailWrite(path, errno);
  temp.Keep();
  SyncFolder(target);
}

}  // namespace korvado
