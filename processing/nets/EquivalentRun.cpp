#include "EquivalentRun.h"

#include <cmath>

#include "NumberText.h"

namespace korvado {

std::optional<EquivalentRun> MergeRuns(const std::vector<RunObservation>& runs) {
  if (runs.empty()) return std::nullopt;
  double inverseSetups = 0.0;
  double weightedHeights = 0.0;
  double weightSum = 0.0;
  for (const RunObservation& run : runs) {
    if (!(run.setups > 0.0) || !std::isfinite(run.setups) || !std::isfinite(run.height)) return std::nullopt;
    const double weight = 1.0 / run.setups;
    inverseSetups += weight;
    weightedHeights += weight * run.height;
    weightSum += weight;
  }
  EquivalentRun merged;
  merged.setups = 1.0 / inverseSetups;
  merged.height = RoundHalfEven(2, weightedHeights / weightSum);
  merged.weightSum = weightSum;
  return merged;
}

}  // namespace korvado
