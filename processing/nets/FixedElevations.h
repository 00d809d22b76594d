#pragma once
// The fixed points' elevations as the input dialog shows and returns them:
// rows of point name and elevation text.

#include <string>
#include <vector>

#include "KorNets.h"
#include "Outcome.h"

namespace korvado {

struct AltitudeRow {
  std::string name;
  std::string elevation;
  bool operator==(const AltitudeRow&) const = default;
};

// "Отметки жестких точек   " followed by the net's name.
std::string OriginAltitudeTitle(const TKorNet& net);

// The fixed points in point-table order with their elevations in the general
// number format; a single empty row when the net has none.
std::vector<AltitudeRow> FixedPointRows(const TKorNet& net);

// Stores the elevation of every row whose name is a point of the net (first
// exact match; other rows are ignored). All or nothing: if a matched row's
// elevation is not a number within the sane range of heights, the refusal
// names each such row and nothing is stored.
Outcome ApplyFixedElevations(TKorNet& net, const std::vector<AltitudeRow>& rows);

}  // namespace korvado
