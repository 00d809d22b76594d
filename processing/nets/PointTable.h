#pragma once
// The net's point table: every section end once, in order of first
// appearance, with the type of its first appearance. The adjustment visits
// the points in this order.

#include <string>

#include "KorNets.h"
#include "Outcome.h"

namespace korvado {

// Rebuilds the point table from the sections. A point that was a fixed point
// and still is keeps its elevation, so that the benchmarks need not be typed
// again after every change of the sections; every other point starts at 0.
// A net without sections, or with more points than the file can hold, is
// refused and keeps its table.
Outcome RebuildPoints(TKorNet& net);

// Sets the elevation of the first point named exactly `name`; false when there is none.
bool SetPointElevation(TKorNet& net, const std::string& name, double elevation);

}  // namespace korvado
