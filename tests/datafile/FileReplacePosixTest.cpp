// Reading and replacing on POSIX systems: permissions, owners, links, pipes
// and devices, and a save killed half way.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "DataFile.h"
#include "DataFileLayout.h"
#include "DataFileMessages.h"
#include "FileReplace.h"
#include "ReadFailure.h"
#include "SurveySamples.h"
#include "TempFolder.h"

namespace korvado {
namespace {

TEST(FileReplace, SavingOverAFileReplacesItAndKeepsItsPermissions) {
  TempFolder folder;
  const std::string path = folder.File("job.kor");
  WriteBytes(path, "old contents");
  std::filesystem::permissions(path, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                                         std::filesystem::perms::group_read);
  WriteDataFile(path, SampleJournal(), SampleNets(1));
  EXPECT_EQ(ReadBytes(path), WriteDataBytes(SampleJournal(), SampleNets(1)));
  struct stat info {};
  ASSERT_EQ(stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0640u);
  EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"job.kor"}));
}

TEST(FileReplace, SavingThroughALinkReplacesTheFileItPointsTo) {
  TempFolder folder;
  const std::string real = folder.File("real.kor");
  const std::string link = folder.File("link.kor");
  WriteBytes(real, "old");
  std::filesystem::create_symlink(real, link);
  WriteDataFile(link, SampleJournal(), TNetList());
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(ReadBytes(real), WriteDataBytes(SampleJournal(), TNetList()));

  // A link to a file not there yet, relative to the link's folder, creates that file.
  std::filesystem::create_directory(folder.File("sub"));
  const std::string dangling = folder.File("sub/dangling.kor");
  std::filesystem::create_symlink("../new.kor", dangling);
  WriteDataFile(dangling, SampleJournal(), TNetList());
  EXPECT_TRUE(std::filesystem::is_symlink(dangling));
  EXPECT_EQ(ReadBytes(folder.File("new.kor")), WriteDataBytes(SampleJournal(), TNetList()));
}

TEST(FileReplace, OnlyARegularFileIsReplacedOrRead) {
  TempFolder folder;
  const std::string fifo = folder.File("pipe.kor");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
  try {
    WriteDataFile(fifo, SampleJournal(), TNetList());
    ADD_FAILURE() << "a pipe was replaced by a file";
  } catch (const FileIOError& e) {
    EXPECT_EQ(std::string(e.what()), SaveFailedMessage(fifo, kNotARegularFile));
  }
  struct stat info {};
  ASSERT_EQ(stat(fifo.c_str(), &info), 0);
  EXPECT_TRUE(S_ISFIFO(info.st_mode));
  EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"pipe.kor"}));

  // A pipe without a writer would block the reader for ever; the alarm ends a hung test.
  alarm(20);
  for (const std::string& path : {fifo, std::string("/dev/zero"), std::string("/dev/null")})
    EXPECT_EQ(ReadFailure(path), OpenFailedMessage(path, kNotARegularFile));
  alarm(0);
}

TEST(FileReplace, AFileLongerThanAnyDataFileIsRefusedUnread) {
  // A sparse file of that length needs a file system that allows it; tmpfs does.
  const std::string path = "/dev/shm/korvado-too-long-" + std::to_string(getpid()) + ".kor";
  WriteBytes(path, "");
  if (truncate(path.c_str(), static_cast<off_t>(kLargestDataFileBytes + 1)) != 0) {
    std::filesystem::remove(path);
    GTEST_SKIP() << "no file system here holds a sparse file of " << kLargestDataFileBytes + 1 << " bytes";
  }
  const std::string failure = ReadFailure(path);
  std::filesystem::remove(path);
  EXPECT_EQ(failure, OpenFailedMessage(path, "файл длиннее любого файла данных (" +
                                                 std::to_string(kLargestDataFileBytes + 1) + " байт)"));
}

TEST(FileReplace, ReplacedFileKeepsItsOwnerAndGroup) {
  if (geteuid() != 0) GTEST_SKIP() << "only root may give a file to another user";
  TempFolder folder;
  const std::string path = folder.File("job.kor");
  WriteBytes(path, "old");
  ASSERT_EQ(chown(path.c_str(), 65534, 65534), 0);
  WriteDataFile(path, SampleJournal(), TNetList());
  struct stat info {};
  ASSERT_EQ(stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_uid, 65534u);
  EXPECT_EQ(info.st_gid, 65534u);
}

TEST(FileReplace, AnInterruptedSaveLeavesNothingOnceTheNextSaveHasRun) {
  TempFolder folder;
  const std::string path = folder.File("job.kor");
  const std::string bytes = WriteDataBytes(SampleJournal(), TNetList());
  // Saves of a large file in a loop, killed at some moment in the middle of one.
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    const std::string large(16 << 20, 'x');
    try {
      for (;;) ReplaceFileContents(path, large);
    } catch (...) {
      _exit(1);
    }
  }
  usleep(300000);
  kill(child, SIGKILL);
  waitpid(child, nullptr, 0);
  WriteDataFile(path, SampleJournal(), TNetList());
  EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"job.kor"}));
  EXPECT_EQ(ReadBytes(path), bytes);
}

}  // namespace
}  // namespace korvado
