#pragma once
// Whether the heights a net holds are adjusted ones, so that a document may
// state them without a warning: equal, within kAdjustedHeightTolerance, to
// the heights the least-squares adjustment gives for the net's data.

#include "KorNets.h"

namespace korvado {

// mm: below what any document shows (0,01 mm, 0,0001 m).
inline constexpr double kAdjustedHeightTolerance = 0.01;

// False as well for a net that least squares refuses (no point table, a point
// no benchmark reaches): its heights cannot be adjusted ones.
bool HeightsEqualLeastSquares(const TKorNet& net);

}  // namespace korvado
