#pragma once
// Trimble/Zeiss DiNi data in the M5 format: fixed columns, 119 characters a
// line, an information block and three typed value blocks.

#include <string_view>

#include "LevellingLine.h"

namespace korvado {

// Reads the whole text (UTF-8); raises LevelFileError naming the first bad line.
// Rows the instrument marked as errors, and row and value types that levelling
// does not use, are skipped.
LevelFile ReadM5(std::string_view text);

bool IsM5Line(std::string_view line);

}  // namespace korvado
