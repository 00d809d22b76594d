#pragma once
// The previous version of a data file, kept beside it as NAME.kor.bak before
// a save replaces it.

#include <string>

#include "ModelErrors.h"

namespace korvado {

// The backup could not be written; the file itself is untouched. The save
// goes on only when the user says so.
class BackupError : public FileIOError {
 public:
  using FileIOError::FileIOError;
};

std::string BackupPath(const std::string& path);

// Copies the file at path to BackupPath(path), replacing an older backup,
// when there is a file at path; the copy takes the file's permissions, and its
// owner and group where the system allows; raises BackupError naming the backup and the reason.
void WriteBackupCopy(const std::string& path);

}  // namespace korvado
