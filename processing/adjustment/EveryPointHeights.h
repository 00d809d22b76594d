#pragma once
// The least-squares heights of every point of a net — benchmarks, nodal
// points, the points between the runs of each section and the pendent points —
// with every run an observation of weight 1/n. The nodal heights are those of
// the adjustment by sections, and the points inside a section come out with
// the section's misclosure distributed in proportion to the runs' setups; what
// this adds is the σ of each of them.

#include <optional>
#include <string>
#include <vector>

#include "KorNets.h"
#include "LevellingObservations.h"
#include "Outcome.h"

namespace korvado {

struct PointHeight {
  std::string name;
  PointRole role = PointRole::kNodal;
  double height = 0.0;    // mm
  double cofactor = 0.0;  // Qᵢᵢ; 0 for a benchmark
  std::optional<double> sigma;
  bool operator==(const PointHeight&) const = default;
};

// The fixed points of the point table hold their elevations. A point-table
// row that no run reaches is left out. Refused as NetObservations and
// LevellingSolution refuse.
Result<std::vector<PointHeight>> EveryPointHeights(const TKorNet& net);

struct LeastSquaresResult;
struct SweepPlan;

// The same taken from the adjustment by sections when that already is the
// adjustment of every point: each section a single run (or none) observing
// what the section does between two different points, no pendent runs, and a
// point table naming each point once. Nothing otherwise: solve afresh then.
// plan is the net's (PlanSweep).
std::optional<std::vector<PointHeight>> EveryPointHeightsOfSections(const TKorNet& net, const SweepPlan& plan,
                                                                    const LeastSquaresResult& bySections);

}  // namespace korvado
