// Reading and replacing the file on disk: clear messages, and a failed save
// never damages the file that was there.

#include <gtest/gtest.h>

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

TEST(FileReplace, MissingOrUnreadableFileIsNamedInTheMessage) {
  TempFolder folder;
  EXPECT_EQ(ReadFailure(folder.File("нет.kor")),
            "Не удалось открыть файл данных \"" + folder.File("нет.kor") + "\": файл не найден");
  EXPECT_EQ(ReadFailure(folder.Utf8()),
            "Не удалось открыть файл данных \"" + folder.Utf8() + "\": нет доступа к файлу");
  WriteBytes(folder.File("пусто.kor"), "");
  EXPECT_EQ(ReadFailure(folder.File("пусто.kor")), "Не удалось открыть файл данных \"" + folder.File("пусто.kor") +
                                                       "\": " + std::string(kReadBeyondEndOfFile));
}

TEST(FileReplace, ANameNearTheLengthLimitStillSaves) {
  TempFolder folder;
  const std::string name = std::string(251, 'n') + ".kor";
  WriteDataFile(folder.File(name), SampleJournal(), TNetList());
  WriteDataFile(folder.File(name), SampleJournal(), TNetList());
  EXPECT_EQ(folder.Entries(), (std::vector<std::string>{name}));
}

TEST(FileReplace, FailedSavesNameTheReasonAndLeaveNoTrace) {
  TempFolder folder;
  WriteBytes(folder.File("plain"), "not a folder");
  std::filesystem::create_directory(PathFromUtf8(folder.File("folder.kor")));
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
  EXPECT_TRUE(std::filesystem::is_directory(PathFromUtf8(folder.File("folder.kor"))));
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
