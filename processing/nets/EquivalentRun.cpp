#include "EquivalentRun.h"

#include <algorithm>
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

std::optional<RunsSpread> SpreadOfRuns(const std::vector<RunObservation>& runs) {
  if (runs.size() < 2) return std::nullopt;
  const auto byHeight = [](const RunObservation& a, const RunObservation& b) { return a.height < b.height; };
  const auto [lowest, highest] = std::minmax_element(runs.begin(), runs.end(), byHeight);
  return RunsSpread{RoundHalfEven(2, highest->height - lowest->height), lowest->setups + highest->setups};
}

}  // namespace korvado
