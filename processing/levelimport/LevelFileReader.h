#pragma once
// A digital level's file of any known format, recognised by its content: a
// surveyor's file names say little (GSI often comes as .txt, DiNi as .dat).

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "LevellingLine.h"

namespace korvado {

// The first bytes of a file tell its format; they are read before the rest.
inline constexpr size_t kLevelFileHeadBytes = 4096;
// No level's file worth importing is longer: the journal takes at most 65 535
// setups, and even a BFFB station with its distances, running heights and
// summaries takes fewer than eight lines of at most 121 bytes (an M5 row with
// its line end), so 65 535 × 8 × 121 bytes, about 60 MiB, is the most a file
// the journal could take can hold. A longer one is refused unread.
inline constexpr uint64_t kMaxLevelFileBytes = 64ull * 1024 * 1024;

// Raises LevelFileError unless head, the first kLevelFileHeadBytes of a file
// (or the whole of a shorter one), begins a file of a known format.
void CheckLevelFileHead(std::string_view head);

// bytes: the whole file as read. Raises LevelFileError for a file of no known
// format or with a bad line.
LevelFile ReadLevelFile(std::string bytes);

std::string LevelFileFormatName(LevelFileFormat format);

}  // namespace korvado
