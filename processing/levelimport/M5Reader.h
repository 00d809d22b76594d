#pragma once
// Trimble/Zeiss DiNi data in the M5 format: fixed columns, 119 characters a
// line, an information block and three typed value blocks.

#include <string_view>

#include "LevellingLine.h"

namespace korvado {

// Reads the whole file's bytes; raises LevelFileError naming the first bad
// line. The columns are counted in the bytes of a Windows-1251 file, as the
// instrument writes it; a file converted to UTF-8 is taken back to that code
// page line by line first, so that a Cyrillic name shifts no column.
// Rows the instrument marked as errors, and row and value types that levelling
// does not use, are skipped.
LevelFile ReadM5(std::string_view bytes);

bool IsM5Line(std::string_view line);

}  // namespace korvado
