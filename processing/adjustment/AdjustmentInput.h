#pragma once
// What a net must hold before either adjustment (the sweep or least squares)
// can run on it. Both refuse with the same texts.

#include "KorNets.h"
#include "Outcome.h"
#include "PointIndex.h"

namespace korvado {

// Nothing when the net can be adjusted; otherwise a refusal that says what to
// do: no sections, a height difference, setup count or elevation that makes
// no sense (UnsoundValues), a section end missing from the point
// table, a point that no benchmark reaches. index is BuildPointIndex of the
// point names.
Outcome AdjustmentInputRefusal(const TKorNet& net, const PointIndex& index);

}  // namespace korvado
