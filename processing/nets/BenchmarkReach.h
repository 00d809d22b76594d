#pragma once
// Which points of a net take their height from a benchmark. A point that no
// chain of sections joins to a fixed point has no height of its own: the sweep
// would leave it wherever it started and least squares has no solution, so
// both refuse such a net with the same message.

#include <cstdint>
#include <string>
#include <vector>

#include "KorNets.h"
#include "PointIndex.h"

namespace korvado {

// Rows of the point table typed as fixed points.
int32_t FixedPointCount(const TKorNet& net);

// Per section, the first point-table row named like its start and like its
// end; -1 for a name the table lacks. index is BuildPointIndex of the names.
struct SectionEndRows {
  std::vector<int32_t> starts;
  std::vector<int32_t> ends;
};
SectionEndRows FindSectionEndRows(const TKorNet& net, const PointIndex& index);

// Per point-table row: 1 at the first row of each name that starts or ends a section.
std::vector<char> RowsEndingSections(const TKorNet& net, const SectionEndRows& ends);

// Point-table rows, in table order, of the points that end a section, are not
// fixed points and are joined to no fixed point by sections. Each name counts
// once, at its first row. Every section end must be in the point table;
// index is BuildPointIndex of its names.
std::vector<int32_t> PointsNoBenchmarkReaches(const TKorNet& net, const PointIndex& index, const SectionEndRows& ends);

// Empty when every point is reached; otherwise the refusal to show, naming
// the points (the first few of a long list) or saying that the net has no
// fixed point at all.
std::string NoBenchmarkRefusal(const TKorNet& net, const PointIndex& index, const SectionEndRows& ends);
std::string NoBenchmarkRefusal(const TKorNet& net, const PointIndex& index);

}  // namespace korvado
