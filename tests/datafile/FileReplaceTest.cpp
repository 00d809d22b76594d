// Reading and replacing the file on disk: clear messages, and a failed save
// never damages the file that was there.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "DataFile.h"
#include "SurveySamples.h"
#include "TempFolder.h"

namespace korvado {
namespace {

std::string ReadFailure(const std::string& path) {
  TKorData journal;
  TNetList nets;
  try {
    ReadDataFile(path, journal, nets);
  } catch (const FileIOError& e) {
    return e.what();
  }
  return {};
}

TEST(FileReplace, MissingOrUnreadableFileIsNamedInTheMessage) {
  TempFolder folder;
  EXPECT_EQ(ReadFailure(folder.File("нет.kor")),
            "Не удалось открыть файл данных \"" + folder.File("нет.kor") + "\": File not found");
  EXPECT_EQ(ReadFailure(folder.Path().string()),
            "Не удалось открыть файл данных \"" + folder.Path().string() + "\": File access denied");
  WriteBytes(folder.File("пусто.kor"), "");
  EXPECT_EQ(ReadFailure(folder.File("пусто.kor")),
            "Не удалось открыть файл данных \"" + folder.File("пусто.kor") + "\": Read beyond end of file");
}

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
}

TEST(FileReplace, FailedSavesNameTheReasonAndLeaveNoTrace) {
  TempFolder folder;
  WriteBytes(folder.File("plain"), "not a folder");
  std::filesystem::create_directory(folder.File("folder.kor"));
  const struct {
    std::string path;
    std::string reason;
  } cases[] = {
      {folder.File("plain") + "/job.kor", "часть пути не является папкой"},
      {folder.File("folder.kor"), "под этим именем уже есть папка"},
      {folder.File("missing") + "/job.kor", "папка не найдена"},
  };
  for (const auto& c : cases) {
    try {
      WriteDataFile(c.path, SampleJournal(), TNetList());
      ADD_FAILURE() << c.path;
    } catch (const FileIOError& e) {
      EXPECT_EQ(std::string(e.what()),
                "Не удалось сохранить файл \"" + c.path + "\": " + c.reason + ". Файл на диске не изменён.");
    }
  }
  EXPECT_TRUE(std::filesystem::is_directory(folder.File("folder.kor")));
  EXPECT_EQ(folder.Entries().size(), 2u);
}

TEST(FileReplace, NameOutsideTheCodePageLeavesTheOldFile) {
  TempFolder folder;
  const std::string path = folder.File("job.kor");
  WriteBytes(path, "old contents");
  TKorData journal = SampleJournal();
  journal.Notes.Set(0, "θ");
  EXPECT_THROW(WriteDataFile(path, journal, TNetList()), EncodingError);
  EXPECT_EQ(ReadBytes(path), "old contents");
  EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"job.kor"}));
}

}  // namespace
}  // namespace korvado
