// Reading and atomic replacing on Linux and other POSIX systems.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>

#include "DataFileMessages.h"
#include "FileReplaceParts.h"
#include "Utf8Path.h"

namespace korvado {

namespace fs = std::filesystem;
using file_replace::FolderOf;

namespace {

using file_replace::FailRead;
using file_replace::FailWrite;

[[noreturn]] void FailRead(const std::string& path, int errorNumber) { FailRead(path, ReadErrorText(errorNumber)); }

[[noreturn]] void FailWrite(const std::string& path, int errorNumber) { FailWrite(path, WriteErrorText(errorNumber)); }

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

// The new contents on their way to the target. Written into an unnamed file
// where the system has them, so that a save killed half way leaves nothing;
// otherwise into the target's one temporary name, which the next save removes.
class TemporaryFile {
 public:
  TemporaryFile(fs::path name, int fd, bool named) : name_(std::move(name)), fd_(fd), named_(named) {}
  ~TemporaryFile() {
    if (fd_ >= 0) ::close(fd_);
    if (named_ && !renamed_) ::unlink(name_.c_str());
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  int fd() const { return fd_; }
  const fs::path& name() const { return name_; }

  // Gives an unnamed file its name once it is complete; false when the system cannot.
  bool Link() {
    if (named_) return true;
    const std::string self = "/proc/self/fd/" + std::to_string(fd_);
    named_ = ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name_.c_str(), AT_SYMLINK_FOLLOW) == 0 ||
             ::linkat(fd_, "", AT_FDCWD, name_.c_str(), AT_EMPTY_PATH) == 0;
    return named_;
  }
  // Returns errno of a failed close, 0 otherwise.
  int Close() {
    const int result = ::close(fd_);
    fd_ = -1;
    return result == 0 ? 0 : errno;
  }
  void Renamed() { renamed_ = true; }

 private:
  fs::path name_;
  int fd_;
  bool named_;
  bool renamed_ = false;
};

// A symbolic link is followed, so that the file it points to is replaced and
// the link stays; a link to a file not yet there creates that file.
fs::path ResolveTarget(const std::string& path) {
  fs::path target = PathFromUtf8(path);
  for (int depth = 0; depth < 40; ++depth) {
    std::error_code error;
    if (!fs::is_symlink(target, error)) return target;
    const fs::path next = fs::read_symlink(target, error);
    if (error) FailWrite(path, error.value());
    target = next.is_absolute() ? next : target.parent_path() / next;
  }
  FailWrite(path, ELOOP);
}

size_t NameLimit(const fs::path& target) {
  const long limit = ::pathconf(FolderOf(target).c_str(), _PC_NAME_MAX);
  return static_cast<size_t>(limit > 0 ? limit : 255);
}

void CreateNamedTemporary(std::optional<TemporaryFile>& temp, const fs::path& name,
                          const std::string& pathForMessages) {
  ::unlink(name.c_str());
  const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
  if (fd < 0) FailWrite(pathForMessages, errno);
  temp.emplace(name, fd, true);
}

void CreateUnnamedTemporary(std::optional<TemporaryFile>& temp, const fs::path& target, const fs::path& name) {
  const int fd = ::open(FolderOf(target).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
  if (fd >= 0) temp.emplace(name, fd, false);
}

// Only a regular file may be replaced: a device, a pipe or a socket would lose
// its nature and whatever reads from it. Returns the file's status when there is one.
std::optional<struct stat> CheckExistingTarget(const fs::path& target, const std::string& pathForMessages) {
  struct stat info {};
  if (::stat(target.c_str(), &info) != 0) return std::nullopt;
  if (S_ISDIR(info.st_mode)) FailWrite(pathForMessages, EISDIR);
  if (!S_ISREG(info.st_mode)) FailWrite(pathForMessages, kNotARegularFile);
  if (::access(target.c_str(), W_OK) != 0) FailWrite(pathForMessages, errno);
  return info;
}

// The replacement keeps the owner, group and permissions of the file it
// replaces, as far as the system lets this user give them away.
void CarryOverAttributes(int fd, const std::optional<struct stat>& existing) {
  if (!existing) return;
  if (::fchown(fd, existing->st_uid, existing->st_gid) != 0)
    (void)::fchown(fd, static_cast<uid_t>(-1), existing->st_gid);
  ::fchmod(fd, existing->st_mode & 07777);
}

void WriteAll(int fd, const std::string& bytes, const std::string& pathForMessages) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) FailWrite(pathForMessages, errno);
    done += static_cast<size_t>(n);
  }
  if (::fsync(fd) != 0) FailWrite(pathForMessages, errno);
}

// Makes the rename itself durable; a failure here cannot undo the save, so it is not reported.
void SyncFolder(const fs::path& target) {
  const int fd = ::open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// Opens without blocking, so that a pipe without a writer is refused, not waited on.
int OpenForReading(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) FailRead(path, errno);
  return fd;
}

// Only a regular file is read whole.
uint64_t RegularFileSize(int fd, const std::string& path) {
  struct stat info {};
  if (::fstat(fd, &info) != 0) FailRead(path, errno);
  if (S_ISDIR(info.st_mode)) FailRead(path, EISDIR);
  if (!S_ISREG(info.st_mode)) FailRead(path, kNotARegularFile);
  return static_cast<uint64_t>(info.st_size);
}

}  // namespace

FileContents ReadFileContents(const std::string& path) {
  const Descriptor fd(OpenForReading(path));
  return file_replace::ReadWhole(path, RegularFileSize(fd.get(), path), [&](char* buffer, size_t capacity) {
    for (;;) {
      const ssize_t n = ::read(fd.get(), buffer, capacity);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) FailRead(path, errno);
      return static_cast<size_t>(n);
    }
  });
}

void ReplaceFileContents(const std::string& path, const std::string& bytes, const std::string& attributesOf) {
  const fs::path target = ResolveTarget(path);
  std::optional<struct stat> attributes = CheckExistingTarget(target, path);
  if (!attributesOf.empty()) {
    struct stat model {};
    if (::stat(PathFromUtf8(attributesOf).c_str(), &model) != 0) FailWrite(path, errno);
    attributes = model;
  }
  const fs::path temporaryName = file_replace::TemporaryNameFor(target, NameLimit(target));
  const auto fill = [&](TemporaryFile& temp) {
    CarryOverAttributes(temp.fd(), attributes);
    WriteAll(temp.fd(), bytes, path);
  };
  std::optional<TemporaryFile> temp;
  CreateUnnamedTemporary(temp, target, temporaryName);
  if (temp) {
    fill(*temp);
    ::unlink(temporaryName.c_str());  // what an interrupted save left
    if (!temp->Link()) temp.reset();
  }
  if (!temp) {
    CreateNamedTemporary(temp, temporaryName, path);
    fill(*temp);
  }
  if (const int error = temp->Close(); error != 0) FailWrite(path, error);
  if (::rename(temp->name().c_str(), target.c_str()) != 0) FailWrite(path, errno);
  temp->Renamed();
  SyncFolder(target);
}

}  // namespace korvado
