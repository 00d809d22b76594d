#include "FileBackup.h"

#include "FileReplace.h"

namespace korvado {

std::string BackupPath(const std::string& path) { return path + ".bak"; }

void WriteBackupCopy(const DiskVersion& previous) {
  // Only a file has a previous version; a folder or device under the name is the save's own failure.
  if (!previous.Exists) return;
  const std::string backup = BackupPath(previous.Path);
  const auto refuse = [&](const std::string& reason) {
    throw BackupError("Не удалось сохранить резервную копию «" + backup + "».\n" + reason);
  };
  if (!previous.ReadFailure.empty()) refuse(previous.ReadFailure);
  try {
    ReplaceFileContents(backup, previous.Bytes, previous.Path);
  } catch (const FileIOError& failure) {
    refuse(failure.what());
  }
}

}  // namespace korvado
