// New, Open, Save, Save As and Close on the program's state, without windows.

#include <gtest/gtest.h>
#ifndef _WIN32
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>

#include "DataFile.h"
#include "DataFileMessages.h"
#include "FileCommands.h"
#include "ModelErrors.h"
#include "OutcomeTexts.h"
#include "SurveySamples.h"
#include "TempFolder.h"

namespace korvado {
namespace {

// A state in the middle of work: data, a file, positions, unsaved changes.
void FillBusyState(AppState& state, const std::string& fileName) {
  state.Journal = SampleJournal();
  state.Nets = SampleNets(2);
  state.CurrentFileName = fileName;
  state.CurrentNetIndex = 1;
  state.ActiveSectionIndex = 1;
  state.SearchHits.Add(2);
  state.IterationCounter = 4;
  state.Changed = true;
}

void ExpectBusyState(const AppState& state, const std::string& fileName) {
  AppState expected;
  FillBusyState(expected, fileName);
  EXPECT_EQ(state.Journal, expected.Journal);
  EXPECT_TRUE(state.Nets == expected.Nets);
  EXPECT_EQ(state.CurrentFileName, fileName);
  EXPECT_EQ(state.CurrentNetIndex, 1);
  EXPECT_EQ(state.ActiveSectionIndex, 1);
  EXPECT_EQ(state.SearchHits.Items(), std::vector<int32_t>{2});
  EXPECT_EQ(state.IterationCounter, 4);
  EXPECT_TRUE(state.Changed);
}

void ExpectNoDataPositions(const AppState& state) {
  EXPECT_EQ(state.CurrentNetIndex, -1);
  EXPECT_EQ(state.ActiveSectionIndex, -1);
  EXPECT_EQ(state.SearchHits.Count(), 0);
  EXPECT_EQ(state.IterationCounter, 0);
}

TEST(FileCommands, NewDataIsOneRunFromRp1ToRp2WithoutAFile) {
  AppState state;
  FillBusyState(state, "/somewhere/old.kor");
  state.Journal.TechMode = true;
  NewData(state);
  TKorData expected;
  EXPECT_TRUE(expected.AddRecord("Rp1", "Rp2", 1, ""));
  EXPECT_EQ(state.Journal, expected);
  EXPECT_EQ(state.Nets.NetCount(), 0);
  EXPECT_EQ(state.CurrentFileName, "");
  EXPECT_FALSE(state.Changed);
  ExpectNoDataPositions(state);
  EXPECT_FALSE(SaveDataFile(state));  // the window then asks for a name
}

TEST(FileCommands, CloseEmptiesEverythingAndForgetsTheFile) {
  AppState state;
  FillBusyState(state, "/somewhere/old.kor");
  state.Journal.TechMode = true;
  CloseData(state);
  EXPECT_EQ(state.Journal, TKorData());
  EXPECT_EQ(state.Nets.NetCount(), 0);
  EXPECT_EQ(state.CurrentFileName, "");
  EXPECT_FALSE(state.Changed);
  ExpectNoDataPositions(state);
}

TEST(FileCommands, OpeningAMissingFileDoesNothingAndSaysNothing) {
  TempFolder folder;
  AppState state;
  FillBusyState(state, "open.kor");
  EXPECT_FALSE(OpenDataFile(state, folder.File("нет такого.kor")));
  ExpectBusyState(state, "open.kor");
}

TEST(FileCommands, AFileNamedAtStartThatIsMissingIsReportedAndNothingChanges) {
  TempFolder folder;
  const std::string missing = folder.File("нет такого.kor");
  AppState state;
  FillBusyState(state, "open.kor");
  try {
    EXPECT_TRUE(OpenNamedDataFile(state, missing));
    ADD_FAILURE() << "a missing file must be reported";
  } catch (const FileIOError& error) {
    EXPECT_EQ(std::string(error.what()),
              "Не удалось открыть файл данных \"" + missing + "\": " + std::string(kFileNotFound));
  }
  ExpectBusyState(state, "open.kor");

  const std::string present = folder.File("есть.kor");
  WriteDataFile(present, SampleJournal(), SampleNets(1));
  EXPECT_TRUE(OpenNamedDataFile(state, present));
  EXPECT_EQ(state.Journal, SampleJournal());
  EXPECT_EQ(state.CurrentFileName, present);
  EXPECT_EQ(state.CurrentNetIndex, 0);
}

TEST(FileCommands, OpeningReplacesTheDataAndMakesTheFirstNetCurrent) {
  TempFolder folder;
  const std::string withNets = folder.File("nets.kor");
  const std::string withoutNets = folder.File("journal.kor");
  WriteDataFile(withNets, SampleJournal(true), SampleNets(3));
  WriteDataFile(withoutNets, SampleJournal(), TNetList());

  AppState state;
  FillBusyState(state, "other.kor");
  ASSERT_TRUE(OpenDataFile(state, withNets));
  EXPECT_EQ(state.Journal, SampleJournal(true));
  EXPECT_TRUE(state.Journal.TechMode);
  EXPECT_TRUE(state.Nets == SampleNets(3));
  EXPECT_EQ(state.CurrentFileName, withNets);
  EXPECT_FALSE(state.Changed);
  EXPECT_EQ(state.CurrentNetIndex, 0);
  EXPECT_EQ(state.ActiveSectionIndex, 0) << "the first net's first section, ready for «Добавить штатив»";
  EXPECT_EQ(state.SearchHits.Count(), 0);
  EXPECT_EQ(state.IterationCounter, 0);

  state.CurrentNetIndex = 2;
  state.MarkChanged();
  ASSERT_TRUE(OpenDataFile(state, withoutNets));
  EXPECT_EQ(state.Journal, SampleJournal());
  EXPECT_EQ(state.Nets.NetCount(), 0);
  EXPECT_EQ(state.CurrentFileName, withoutNets);
  EXPECT_FALSE(state.Changed);
  ExpectNoDataPositions(state);
}

// The command line's open reads the same data, positions and warnings as the
// window's, only without the stamp that watches the file on disk.
TEST(FileCommands, LoadingForTheCommandLineReadsWhatOpeningReadsWithoutAWatchStamp) {
  TempFolder folder;
  const std::string path = folder.File("nets.kor");
  TNetList nets = SampleNets(2);
  nets.NetAt(1).SectionHeights.SetItem(0, std::nan(""));
  WriteDataFile(path, SampleJournal(true), nets);
  for (const bool window : {true, false}) {
    const auto open = [window](AppState& state, const std::string& file) {
      return window ? OpenDataFile(state, file) : LoadDataFile(state, file);
    };
    AppState state;
    FillBusyState(state, "other.kor");
    EXPECT_FALSE(open(state, folder.File("нет такого.kor"))) << window;
    ExpectBusyState(state, "other.kor");
    const Outcome opened = open(state, path);
    ASSERT_TRUE(opened) << window;
    EXPECT_EQ(Warnings(opened).size(), 1u) << "the value that is no number, once: " << window;
    EXPECT_EQ(state.Journal, SampleJournal(true));
    EXPECT_EQ(state.Nets.NetCount(), 2);
    EXPECT_EQ(state.CurrentFileName, path);
    EXPECT_FALSE(state.Changed);
    EXPECT_EQ(state.CurrentNetIndex, 0);
    EXPECT_EQ(state.CurrentFileStamp.Exists, window);
    EXPECT_FALSE(state.History.CanUndo());
  }
}

TEST(FileCommands, DamagedFileIsRefusedAndWhatWasOpenStaysOpen) {
  TempFolder folder;
  const std::string valid = WriteDataBytes(SampleJournal(), SampleNets(2));
  const std::string path = folder.File("damaged.kor");
  AppState state;
  FillBusyState(state, "open.kor");
  for (size_t length = 0; length < valid.size(); ++length) {
    SCOPED_TRACE(length);
    std::filesystem::remove(PathFromUtf8(path));  // a truncated rewrite would make ext4 flush every time
    WriteBytes(path, valid.substr(0, length));
    try {
      EXPECT_TRUE(OpenDataFile(state, path));
      ADD_FAILURE() << "opened";
    } catch (const FileIOError& e) {
      EXPECT_EQ(std::string(e.what()),
                "Не удалось открыть файл данных \"" + path + "\": " + std::string(kReadBeyondEndOfFile));
    }
    ExpectBusyState(state, "open.kor");
  }
}

TEST(FileCommands, SaveAsNamesTheFileAndSaveWritesThere) {
  TempFolder folder;
  const std::string path = folder.File("нивелирование.kor");
  AppState state;
  NewData(state);
  state.MarkChanged();
  EXPECT_TRUE(NeedsSaveQuestion(state));
  EXPECT_FALSE(SaveDataFile(state));
  EXPECT_TRUE(folder.Entries().empty());

  SaveDataFileAs(state, path);
  EXPECT_EQ(state.CurrentFileName, path);
  EXPECT_FALSE(NeedsSaveQuestion(state));
  EXPECT_EQ(ReadBytes(path).size(), 197u);

  EXPECT_TRUE(state.Journal.AddRecord("Rp2", "Rp3", 2, ""));
  state.MarkChanged();
  EXPECT_TRUE(SaveDataFile(state));
  EXPECT_FALSE(NeedsSaveQuestion(state));
  AppState reopened;
  ASSERT_TRUE(OpenDataFile(reopened, path));
  EXPECT_EQ(reopened.Journal, state.Journal);
  // The second save kept the first one's file as the backup.
  EXPECT_EQ(ReadBytes(path + ".bak").size(), 197u);
  std::vector<std::string> entries = folder.Entries();
  std::sort(entries.begin(), entries.end());
  EXPECT_EQ(entries, (std::vector<std::string>{"нивелирование.kor", "нивелирование.kor.bak"}));
}

// The window's title names the data: their file, the example they were read
// from as unnamed data, «Безымянный» for new data, nothing once closed.
TEST(FileCommands, TheTitleNamesTheDataWhetherSavedCopiedNewOrClosed) {
  TempFolder folder;
  const std::string example = folder.File("example.kor");
  AppState state;
  NewData(state);
  EXPECT_EQ(DataTitleName(state), "Безымянный");
  SaveDataFileAs(state, example);
  EXPECT_EQ(DataTitleName(state), "example.kor");

  EXPECT_TRUE(OpenDataFileAsCopy(state, example));
  EXPECT_EQ(state.CurrentFileName, "") << "a save asks for a name";
  EXPECT_EQ(DataTitleName(state), "example.kor");
  SaveDataFileAs(state, folder.File("мой участок.kor"));
  EXPECT_EQ(DataTitleName(state), "мой участок.kor");
  EXPECT_TRUE(OpenDataFileAsCopy(state, example));
  NewData(state);
  EXPECT_EQ(DataTitleName(state), "Безымянный") << "new data are not the example any more";
  CloseData(state);
  EXPECT_EQ(DataTitleName(state), "");
  EXPECT_EQ(FileNameOf("C:\\Работа\\ход 2.kor"), "ход 2.kor");
}

// A failed save: the exception names the file and the reason, the old file
// keeps its bytes, and the state keeps its file name and its unsaved changes.
void ExpectFailedSave(const std::string& target, const std::string& reason, const std::string& oldFile,
                      const std::string& oldBytes, const std::function<void(AppState&)>& save) {
  AppState state;
  FillBusyState(state, oldFile);
  try {
    save(state);
    ADD_FAILURE() << "saved to " << target;
  } catch (const FileIOError& e) {
    EXPECT_EQ(std::string(e.what()),
              "Не удалось сохранить файл \"" + target + "\": " + reason + ". Файл на диске не изменён.");
  }
  ExpectBusyState(state, oldFile);
  EXPECT_EQ(ReadBytes(oldFile), oldBytes);
}

TEST(FileCommands, SaveIntoAPlaceThatCannotHoldAFileFailsAndKeepsTheOldFile) {
  TempFolder folder;
  const std::string oldFile = folder.File("old.kor");
  const std::string oldBytes = WriteDataBytes(SampleJournal(), TNetList());
  WriteBytes(oldFile, oldBytes);
  WriteBytes(folder.File("plain"), "x");
  std::filesystem::create_directory(PathFromUtf8(folder.File("folder.kor")));
  const std::string underFile = folder.File("plain") + "/new.kor";
  const std::string onFolder = folder.File("folder.kor");
  ExpectFailedSave(underFile, "часть пути не является папкой", oldFile, oldBytes,
                   [&](AppState& s) { SaveDataFileAs(s, underFile); });
  ExpectFailedSave(onFolder, "под этим именем уже есть папка", oldFile, oldBytes,
                   [&](AppState& s) { SaveDataFileAs(s, onFolder); });
  EXPECT_EQ(folder.Entries().size(), 3u);
}

#ifndef _WIN32
// A full disk and a read-only folder made with POSIX limits and rights; the
// Windows refusals have tests of their own beside the Windows file code.
TEST(FileCommands, FullDiskDuringSaveKeepsTheOldFileByteForByte) {
  TempFolder folder;
  const std::string path = folder.File("job.kor");
  const std::string oldBytes = WriteDataBytes(SampleJournal(), TNetList());
  WriteBytes(path, oldBytes);
  // A file size limit makes the write fail part way, as a full disk would.
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto previousHandler = signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 100;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  ExpectFailedSave(path, "недостаточно места на диске", path, oldBytes,
                   [](AppState& s) { SaveDataFile(s, SaveOptions{false}); });
  setrlimit(RLIMIT_FSIZE, &saved);
  signal(SIGXFSZ, previousHandler);
  EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"job.kor"}));
}

// Runs check as a user without rights on the test's files (root may write
// into a read-only folder) and returns its exit code.
int RunWithoutRootRights(const std::function<int()>& check) {
  if (geteuid() != 0) return check();
  const pid_t child = fork();
  if (child == 0) {
    const uid_t nobody = 65534;
    if (setgid(nobody) != 0 || setuid(nobody) != 0) _exit(90);
    _exit(check());
  }
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 99;
}

TEST(FileCommands, SaveIntoAReadOnlyFolderFailsAndKeepsTheOldFile) {
  TempFolder folder;
  const std::string path = folder.File("job.kor");
  const std::string oldBytes = WriteDataBytes(SampleJournal(), TNetList());
  WriteBytes(path, oldBytes);
  chmod(path.c_str(), 0644);
  chmod(folder.Path().c_str(), 0555);
  const int result = RunWithoutRootRights([&] {
    ExpectFailedSave(path, "нет прав на запись", path, oldBytes,
                     [](AppState& s) { SaveDataFile(s, SaveOptions{false}); });
    return ::testing::Test::HasFailure() ? 1 : 0;
  });
  EXPECT_EQ(result, 0) << "see the failures above (a child process reports them)";
  EXPECT_EQ(ReadBytes(path), oldBytes);
  EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"job.kor"}));
}
#endif

TEST(FileCommands, SaveQuestionFollowsUnsavedChanges) {
  TempFolder folder;
  AppState state;
  NewData(state);
  EXPECT_FALSE(NeedsSaveQuestion(state));
  state.MarkChanged();
  EXPECT_TRUE(NeedsSaveQuestion(state));
  SaveDataFileAs(state, folder.File("a.kor"));
  EXPECT_FALSE(NeedsSaveQuestion(state));
  state.MarkChanged();
  ASSERT_TRUE(OpenDataFile(state, folder.File("a.kor")));
  EXPECT_FALSE(NeedsSaveQuestion(state));
  state.MarkChanged();
  CloseData(state);
  EXPECT_FALSE(NeedsSaveQuestion(state));
}

TEST(FileCommands, AnExampleOpensAsAnUnnamedCopySoThatSaveAsksForAName) {
  TempFolder folder;
  const std::string example = folder.File("example.kor");
  WriteDataFile(example, SampleJournal(true), SampleNets(2));
  AppState state;
  FillBusyState(state, "other.kor");
  EXPECT_TRUE(OpenDataFileAsCopy(state, example));
  EXPECT_EQ(state.Journal, SampleJournal(true));
  EXPECT_TRUE(state.Nets == SampleNets(2));
  EXPECT_EQ(state.CurrentNetIndex, 0);
  EXPECT_TRUE(state.CurrentFileName.empty());
  EXPECT_FALSE(SaveDataFile(state)) << "Save must ask for a name, not write into the example";

  EXPECT_THROW(OpenDataFileAsCopy(state, folder.File("missing.kor")), FileIOError);
  EXPECT_EQ(state.Journal, SampleJournal(true)) << "a missing example changes nothing";
}

}  // namespace
}  // namespace korvado
