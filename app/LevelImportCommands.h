#pragma once
// Import of a digital level's measurements: the file is read and checked
// completely first (the preview), and only the surveyor's choice of lines is
// then put into the journal, all of it as one change of the data.

#include <cstdint>
#include <string>
#include <vector>

#include "AppState.h"
#include "LevelImportPreview.h"
#include "LevellingLine.h"
#include "Outcome.h"

namespace korvado {

struct LevelImport {
  LevelFile File;
  // "Leica GSI-16", "DiNi M5", ... for the preview's title line.
  std::string FormatName;
  // One per line of File, for the journal's mode at the time of reading.
  std::vector<LevelLinePreview> Lines;
  bool TechMode = false;
};

// Reads the level's file at path; the journal is not touched. Raises
// FileIOError when the file cannot be read and LevelFileError when its content
// is of no known format or has a bad line.
LevelImport PrepareLevelImport(const AppState& state, const std::string& path);
// The same for a file's content already in memory.
LevelImport PrepareLevelImportFromBytes(const AppState& state, std::string bytes);

// Why none of the file's lines can go into the journal: the file has none,
// or each line's reason, one per line.
std::string NothingImportedMessage(const LevelImport& import);

struct InsertedRecords {
  // The first inserted record, -1 when none was.
  int32_t First = -1;
  int32_t Count = 0;
};

// Inserts one record per ticked line, in the file's order, at the end of the
// journal (before < 0) or before record `before`. Every ticked line must be
// importable and the whole set must fit the data file, or the refusal comes
// back and nothing changes. One call is one change of the data.
Result<InsertedRecords> ImportLevelLines(AppState& state, const LevelImport& import, const std::vector<bool>& ticked,
                                         int32_t before);

}  // namespace korvado
