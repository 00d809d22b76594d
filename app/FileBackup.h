#pragma once
// The previous version of a data file, kept beside it as NAME.kor.bak before
// a save replaces it.

#include <string>

#include "FileStamp.h"
#include "ModelErrors.h"

namespace korvado {

// The backup could not be written; the file itself is untouched. The save
// goes on only when the user says so.
class BackupError : public FileIOError {
 public:
  using FileIOError::FileIOError;
};

std::string BackupPath(const std::string& path);

// Writes the bytes of the file at previous.Path to BackupPath of it, replacing
// an older backup, when there was a file; the copy takes the file's
// permissions, and its owner and group where the system allows; raises
// BackupError naming the backup and the reason (also when the file could not
// be read).
void WriteBackupCopy(const DiskVersion& previous);

}  // namespace korvado
