#pragma once
// Leica GSI-8 and GSI-16 levelling data: one block of words per line, a word
// being a word index, a units code, a sign and 8 or 16 data characters.

#include <string_view>

#include "LevellingLine.h"

namespace korvado {

// Reads the whole text (UTF-8); raises LevelFileError naming the first bad line.
// Word indices and code blocks that levelling does not use are skipped.
LevelFile ReadGsi(std::string_view text);

// Whether a line looks like a GSI block (its first word a word index, a units
// code and a sign), GSI-16 lines beginning with '*'.
bool IsGsiLine(std::string_view line);

}  // namespace korvado
