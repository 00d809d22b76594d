#pragma once
// The icon of every row of the lists and trees that show nets: a point's icon
// is its type code (PointType 0..2), the others follow. The windows map these
// numbers to pictures; the rows below the windows carry only the numbers.

#include <cstdint>

namespace korvado {

inline constexpr int32_t kNetIcon = 3;
inline constexpr int32_t kSectionIcon = 4;
inline constexpr int32_t kRunIcon = 5;
inline constexpr int32_t kPendentIcon = 6;

}  // namespace korvado
