#pragma once
// Field sizes of the data file. Every count is 16-bit, the reference count 8-bit.

#include <cstddef>
#include <cstdint>

#include "FormatLimits.h"

namespace korvado {

// A journal record: two names, setup count, height, note, first and last setup.
inline constexpr size_t kRecordBytes = 21 + 21 + 2 + 8 + 31 + 2 + 2;
// A setup entry: two names, four readings, height, note.
inline constexpr size_t kSetupBytes = 21 + 21 + 5 * 8 + 21;
inline constexpr int32_t kMaxReferenceCount = 0xFF;

// The longest data file the program reads or writes. A journal at its full
// 65 535 records and 65 535 setups takes 12 MB; a net's runs refer to journal
// records, each run taking at least 61 bytes, so a net using every record in
// both directions takes under 9 MB. 256 MiB holds the full journal and two
// dozen such nets. The counts alone would allow files of petabytes; a longer
// file is no real data file and is refused before it is read into memory.
inline constexpr uint64_t kLargestDataFileBytes = 256ull * 1024 * 1024;

}  // namespace korvado
