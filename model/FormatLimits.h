#pragma once
// What the data file can hold: every count is 16-bit, point names and setup
// notes take 20 characters, record notes and net names 30.

#include <cstddef>

namespace korvado {

inline constexpr int kFormatCountLimit = 65535;
inline constexpr size_t kShortNameChars = 20;  // point names and setup notes
inline constexpr size_t kShortTextChars = 30;  // record notes and net names

}  // namespace korvado
