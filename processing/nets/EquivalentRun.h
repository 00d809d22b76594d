#pragma once
// The merge of runs levelled more than once between the same two points into
// one equivalent run: each run weighs 1/n, so the equivalent number of setups
// is 1 / Σ(1/n) and the height the weighted mean rounded to two decimals.

#include <optional>
#include <vector>

namespace korvado {

// One observation of the line, already taken in the direction of the merged run.
struct RunObservation {
  double height = 0.0;
  double setups = 0.0;
};

struct EquivalentRun {
  double height = 0.0;
  double setups = 0.0;
  // Σ(1/n), the weight of the merged run.
  double weightSum = 0.0;
};

// Nothing to merge (an empty list, or a run without a positive finite number
// of setups, whose weight would be infinite) gives no result.
std::optional<EquivalentRun> MergeRuns(const std::vector<RunObservation>& runs);

// How far the runs disagree: the highest height minus the lowest, and the
// setups of those two runs, which together close a loop of that misclosure.
struct RunsSpread {
  double discrepancy = 0.0;
  double setups = 0.0;
};
// Fewer than two runs disagree with nothing.
std::optional<RunsSpread> SpreadOfRuns(const std::vector<RunObservation>& runs);

}  // namespace korvado
