#include "FileBackup.h"

#include <filesystem>

#include "FileReplace.h"
#include "Utf8Path.h"

namespace korvado {

std::string BackupPath(const std::string& path) { return path + ".bak"; }

void WriteBackupCopy(const std::string& path) {
  std::error_code error;
  // Only a file has a previous version; a folder or device under the name is the save's own failure.
  if (!std::filesystem::is_regular_file(PathFromUtf8(path), error)) return;
  try {
    ReplaceFileContents(BackupPath(path), std::string(ReadFileContents(path).View()), path);
  } catch (const FileIOError& failure) {
    throw BackupError("Не удалось сохранить резервную копию «" + BackupPath(path) + "».\n" + failure.what());
  }
}

}  // namespace korvado
