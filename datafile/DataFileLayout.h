#pragma once
// Field sizes of the data file. Every count is 16-bit, the reference count 8-bit.

#include <cstddef>
#include <cstdint>

namespace korvado {

inline constexpr size_t kShortNameChars = 20;  // point names and setup notes
inline constexpr size_t kShortTextChars = 30;  // record notes and net names
inline constexpr int32_t kMaxFileCount = 0xFFFF;
inline constexpr int32_t kMaxReferenceCount = 0xFF;

}  // namespace korvado
