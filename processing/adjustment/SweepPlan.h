#pragma once
// The shape of a net as the adjustments read it: which point rows each
// section joins, under exact and under case-tolerant lookup, and whether every
// point is reached from a benchmark. Working it out costs more than a sweep's
// arithmetic (and much of a least-squares solve), and adjusting leaves the
// shape as it is, so it is planned once and kept while the net's shape stays.

#include <cstdint>
#include <vector>

#include "KorNets.h"

namespace korvado {

struct SweepTouch {
  int32_t section;
  int32_t neighbour;  // first point row named like the other end
  bool fromStart;     // the point is the section's start
};

struct SweepPlan {
  uint64_t shape = 0;  // NetShapeFingerprint of the net planned for
  int32_t points = -1;
  int32_t sections = -1;
  // Every section end is in the point table and a benchmark reaches every point.
  bool sweepable = false;
  // The touches and misclosure rows are there (least squares needs only the section ends).
  bool forSweep = false;
  std::vector<int32_t> sectionStart;     // per section, the first point row named like its start
  std::vector<int32_t> sectionEnd;       // and like its end
  std::vector<int32_t> firstRow;         // per point row, the first row of its name
  std::vector<int32_t> touchStarts;      // per point row, where its touches start (rows without: empty range)
  std::vector<SweepTouch> touches;       // sections touching each first row, in section order
  std::vector<int32_t> misclosureStart;  // per section, the rows its misclosure is taken between
  std::vector<int32_t> misclosureEnd;
  int32_t redundancy = 0;
  bool namesUnique = false;  // the point table names each point once

  bool Fits(const TKorNet& net) const;
};

// Changes with every section end's name and every point's name and type.
uint64_t NetShapeFingerprint(const TKorNet& net);

// forSweep: with the touches and misclosure rows, besides the section ends.
SweepPlan PlanSweep(const TKorNet& net, bool forSweep = true);

// The values a plan does not cover: every value one the computations take (UnsoundValues).
bool ValuesAdjustable(const TKorNet& net);

}  // namespace korvado
