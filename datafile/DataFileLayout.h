#pragma once
// Field sizes of the data file. Every count is 16-bit, the reference count 8-bit.

#include <cstddef>
#include <cstdint>

namespace korvado {

inline constexpr size_t kShortNameChars = 20;  // point names and setup notes
inline constexpr size_t kShortTextChars = 30;  // record notes and net names
// A journal record: two names, setup count, height, note, first and last setup.
inline constexpr size_t kRecordBytes = 21 + 21 + 2 + 8 + 31 + 2 + 2;
// A setup entry: two names, four readings, height, note.
inline constexpr size_t kSetupBytes = 21 + 21 + 5 * 8 + 21;
inline constexpr int32_t kMaxFileCount = 0xFFFF;
inline constexpr int32_t kMaxReferenceCount = 0xFF;

// The largest file the counts can describe: every count at its maximum, every
// run and pendent run with the most references. Anything longer is not a data
// file and is refused before it is read into memory.
inline constexpr uint64_t kMaxRunBytes = 21 + 21 + 1 + 1 + 8 + 8 + 1 + 4 * kMaxReferenceCount;
inline constexpr uint64_t kMaxPendentBytes = 1 + 21 + 21 + 2 + 8 + 1 + 4 * kMaxReferenceCount;
inline constexpr uint64_t kMaxSectionBytes = 64 + kMaxFileCount * (kMaxRunBytes + kMaxPendentBytes);
inline constexpr uint64_t kMaxNetBytes = 31 + 2 + 2 + kMaxFileCount * kMaxSectionBytes + kMaxFileCount * 30;
inline constexpr uint64_t kMaxDataFileBytes =
    5 + kMaxFileCount * (kRecordBytes + kSetupBytes) + 2 + kMaxFileCount * kMaxNetBytes;

}  // namespace korvado
