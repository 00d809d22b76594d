#pragma once
// Recovery copies: the unsaved data written now and then into a folder of the
// user's own, never over the data file, so that a crash or a power cut loses
// at most a few minutes of typing. Each copy is ID.kor (the data file format)
// beside ID.info (whose file it is, when it was written, which program wrote
// it). Which program may take a copy is the caller's business: it locks ID.

#include <cstdint>
#include <string>
#include <vector>

#include "AppState.h"
#include "FileStamp.h"

namespace korvado {

struct RecoveryRecord {
  std::string Id;
  std::string OwnerFile;  // the data file the copy belongs to; empty for data never saved
  FileStamp OwnerStamp;   // that file as the program had read or written it
  int64_t WrittenAt = 0;  // seconds since 1970-01-01 UTC
  int64_t ProcessId = 0;
};

std::string RecoveryDataPath(const std::string& folder, const std::string& id);

// Writes the data of state as the copy id, each file atomically; FileIOError
// or EncodingError when it cannot.
void WriteRecoveryCopy(const AppState& state, const std::string& folder, const std::string& id, int64_t processId);

// Every complete copy in folder (a copy whose data or record is missing or
// unreadable is not offered), oldest first.
std::vector<RecoveryRecord> ListRecoveryCopies(const std::string& folder);

// Opens the copy as unsaved changes of its file; FileIOError leaves state as it was.
void RestoreRecoveryCopy(AppState& state, const std::string& folder, const RecoveryRecord& record);

void RemoveRecoveryCopy(const std::string& folder, const std::string& id);

}  // namespace korvado
