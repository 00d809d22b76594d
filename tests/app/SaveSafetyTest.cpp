// What keeps a day's work when a save goes wrong, another program writes the
// same file, or the program dies: the backup, the check of the file on disk,
// and the recovery copies.

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <filesystem>

#include "DataFile.h"
#include "DataFileLayout.h"
#include "FileCommands.h"
#include "JournalCommands.h"
#include "RecordStep.h"
#include "RecoveryCopy.h"
#include "SurveySamples.h"
#include "TempFolder.h"

namespace korvado {
namespace {

void AddRecordAndSave(AppState& state, const SaveOptions& options = {}) {
  EXPECT_TRUE(state.Journal.AddRecord("Рп1", "Рп2", 1, ""));
  state.MarkChanged();
  SaveDataFile(state, options);
}

TEST(SaveSafety, BackupKeepsThePreviousVersionAndItsFailureStopsTheSave) {
  TempFolder folder;
  const std::string path = folder.File("ход.kor");
  AppState state;
  NewData(state);
  SaveDataFileAs(state, path);
  EXPECT_FALSE(std::filesystem::exists(PathFromUtf8(BackupPath(path))));  // nothing was replaced

  const std::string first = ReadBytes(path);
  AddRecordAndSave(state);
  EXPECT_EQ(ReadBytes(BackupPath(path)), first);
  const std::string second = ReadBytes(path);
  AddRecordAndSave(state, SaveOptions{false});
  EXPECT_EQ(ReadBytes(BackupPath(path)), first);  // no backup asked for

  // A backup that cannot be written stops the save: the file and the changes stay.
  std::filesystem::remove(PathFromUtf8(BackupPath(path)));
  std::filesystem::create_directory(PathFromUtf8(BackupPath(path)));
  const std::string third = ReadBytes(path);
  EXPECT_TRUE(state.Journal.AddRecord("Рп3", "Рп4", 1, ""));
  state.MarkChanged();
  try {
    SaveDataFile(state);
    ADD_FAILURE() << "saved without the backup";
  } catch (const BackupError& error) {
    EXPECT_NE(std::string(error.what()).find("Не удалось сохранить резервную копию «" + BackupPath(path) + "»"),
              std::string::npos);
  }
  EXPECT_EQ(ReadBytes(path), third);
  EXPECT_TRUE(state.Changed);
  // The user's word: save without it.
  SaveDataFile(state, SaveOptions{false});
  EXPECT_FALSE(state.Changed);
  EXPECT_NE(ReadBytes(path), third);
  EXPECT_NE(second, third);
}

// Modes and owners are POSIX's; Windows files carry access lists the copy inherits from its folder.
#ifndef _WIN32
TEST(SaveSafety, BackupIsAsPrivateAsTheFileItCopies) {
  TempFolder folder;
  const std::string path = folder.File("ход.kor");
  AppState state;
  NewData(state);
  SaveDataFileAs(state, path);
  for (const auto mode : {std::filesystem::perms::owner_read | std::filesystem::perms::owner_write,
                          std::filesystem::perms::owner_read | std::filesystem::perms::group_read |
                              std::filesystem::perms::owner_write | std::filesystem::perms::group_write}) {
    std::filesystem::permissions(path, mode);
    AddRecordAndSave(state);
    EXPECT_EQ(std::filesystem::status(BackupPath(path)).permissions(), mode)
        << "an older backup of another mode takes the file's too";
  }
  if (geteuid() != 0) return;  // only root may give the copy to another user
  ASSERT_EQ(chown(path.c_str(), 65534, 65534), 0);
  AddRecordAndSave(state);
  struct stat copy {};
  ASSERT_EQ(stat(BackupPath(path).c_str(), &copy), 0);
  EXPECT_EQ(copy.st_uid, 65534u);
  EXPECT_EQ(copy.st_gid, 65534u);
}
#endif

TEST(SaveSafety, ChangesByAnotherProgramAreNoticedByContentUntilTheNextSave) {
  TempFolder folder;
  const std::string path = folder.File("ход.kor");
  WriteDataFile(path, SampleJournal(), SampleNets(1));
  const std::string original = ReadBytes(path);
  AppState state;
  ASSERT_TRUE(OpenDataFile(state, path));
  EXPECT_FALSE(CurrentFileChangedOnDisk(state));

  // The same bytes written again with a new time: nothing to lose.
  WriteBytes(path, original);
  std::filesystem::last_write_time(PathFromUtf8(path),
                                   std::filesystem::last_write_time(PathFromUtf8(path)) + std::chrono::hours(1));
  EXPECT_FALSE(CurrentFileChangedOnDisk(state));

  std::string sameSize = original;
  sameSize[sameSize.size() - 1] ^= 1;
  WriteBytes(path, sameSize);
  EXPECT_TRUE(CurrentFileChangedOnDisk(state));
  WriteBytes(path, original + "x");
  EXPECT_TRUE(CurrentFileChangedOnDisk(state));

  // After this program's own save the file on disk is its own again.
  SaveDataFile(state, SaveOptions{false});
  EXPECT_FALSE(CurrentFileChangedOnDisk(state));
  std::filesystem::remove(PathFromUtf8(path));
  EXPECT_FALSE(CurrentFileChangedOnDisk(state));
}

TEST(SaveSafety, TheBytesReadForTheQuestionBecomeTheBackupWhileTheFileIsUnchanged) {
  TempFolder folder;
  const std::string path = folder.File("ход.kor");
  AppState state;
  NewData(state);
  SaveDataFileAs(state, path);
  const std::string asAsked = ReadBytes(path);
  const DiskVersion onDisk = ReadDiskVersion(path);
  EXPECT_FALSE(CurrentFileChangedOnDisk(state, onDisk));
  EXPECT_TRUE(StillOnDisk(onDisk));

  // Other bytes of the same size under the same time are not seen without a
  // read: the save takes what it read, and reads nothing more.
  const auto time = std::filesystem::last_write_time(PathFromUtf8(path));
  std::string sameLook = asAsked;
  sameLook.back() ^= 1;
  WriteBytes(path, sameLook);
  std::filesystem::last_write_time(PathFromUtf8(path), time);
  EXPECT_TRUE(state.Journal.AddRecord("Рп1", "Рп2", 1, ""));
  SaveDataFile(state, SaveOptions{true, &onDisk});
  EXPECT_EQ(ReadBytes(BackupPath(path)), asAsked);
  // The new stamp is that of the bytes written.
  EXPECT_FALSE(CurrentFileChangedOnDisk(state));

  // A file written again after the question (another time) is read again, so
  // that the backup keeps what was really there.
  const DiskVersion asked = ReadDiskVersion(path);
  WriteBytes(path, "другая программа");
  std::filesystem::last_write_time(PathFromUtf8(path), asked.WrittenAt + std::chrono::seconds(5));
  EXPECT_FALSE(StillOnDisk(asked));
  SaveDataFile(state, SaveOptions{true, &asked});
  EXPECT_EQ(ReadBytes(BackupPath(path)), "другая программа");
}

TEST(SaveSafety, AFileThatCannotBeReadCountsAsChangedAndGetsNoBackup) {
  TempFolder folder;
  const std::string path = folder.File("ход.kor");
  AppState state;
  NewData(state);
  SaveDataFileAs(state, path);
  // Longer than any data file: refused unread.
  std::filesystem::resize_file(PathFromUtf8(path), kLargestDataFileBytes + 1);
  const DiskVersion onDisk = ReadDiskVersion(path);
  EXPECT_TRUE(onDisk.Exists);
  EXPECT_FALSE(onDisk.ReadFailure.empty());
  EXPECT_TRUE(CurrentFileChangedOnDisk(state, onDisk));
  EXPECT_THROW(SaveDataFile(state, SaveOptions{true, &onDisk}), BackupError);
  EXPECT_EQ(std::filesystem::file_size(PathFromUtf8(path)), kLargestDataFileBytes + 1);
  SaveDataFile(state, SaveOptions{false});
  EXPECT_FALSE(CurrentFileChangedOnDisk(state));
}

TEST(SaveSafety, RecoveryCopyRestoresUnsavedChangesOfItsFile) {
  TempFolder folder;
  const std::string path = folder.File("ход.kor");
  const std::string recovery = folder.File("recovery");
  WriteDataFile(path, SampleJournal(), SampleNets(1));
  AppState state;
  ASSERT_TRUE(OpenDataFile(state, path));
  EXPECT_TRUE(RecordStep(state, "удаление записи 1", [&] { return DeleteJournalRecord(state, 0); }));
  WriteRecoveryCopy(state, recovery, "4242-1", 4242);
  // A record without its data (a copy cut short) is not offered.
  WriteBytes(folder.File("recovery/4243-1.info"), "file=\npid=4243\n");

  const std::vector<RecoveryRecord> copies = ListRecoveryCopies(recovery);
  ASSERT_EQ(copies.size(), 1u);
  EXPECT_EQ(copies[0].Id, "4242-1");
  EXPECT_EQ(copies[0].OwnerFile, path);
  EXPECT_EQ(copies[0].ProcessId, 4242);
  EXPECT_NEAR(static_cast<double>(copies[0].WrittenAt), static_cast<double>(std::time(nullptr)), 60.0);

  AppState restored;
  NewData(restored);
  RestoreRecoveryCopy(restored, recovery, copies[0]);
  EXPECT_EQ(restored.Journal, state.Journal);
  EXPECT_TRUE(restored.Nets == state.Nets);
  EXPECT_EQ(restored.CurrentFileName, path);
  EXPECT_TRUE(restored.Changed);
  EXPECT_FALSE(restored.History.CanUndo());
  // The file is still the one the copy was taken from: saving over it asks nothing.
  EXPECT_FALSE(CurrentFileChangedOnDisk(restored));
  WriteBytes(path, "другая программа");
  EXPECT_TRUE(CurrentFileChangedOnDisk(restored));

  RemoveRecoveryCopy(recovery, "4242-1");
  EXPECT_TRUE(ListRecoveryCopies(recovery).empty());
}

}  // namespace
}  // namespace korvado
