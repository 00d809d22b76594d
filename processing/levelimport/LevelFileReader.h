#pragma once
// A digital level's file of any known format, recognised by its content: a
// surveyor's file names say little (GSI often comes as .txt, DiNi as .dat).

#include <string>

#include "LevellingLine.h"

namespace korvado {

// bytes: the whole file as read. Raises LevelFileError for a file of no known
// format or with a bad line.
LevelFile ReadLevelFile(std::string bytes);

std::string LevelFileFormatName(LevelFileFormat format);

}  // namespace korvado
