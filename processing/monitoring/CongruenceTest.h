#pragma once
// Whether the reference benchmarks kept their heights between the first cycle
// and a later one: the global congruence test of deformation analysis, with
// the benchmark that explains the failure best declared moved, one after
// another, until the rest pass or only two remain.

#include <cstdint>
#include <vector>

#include "CycleAdjustment.h"

namespace korvado {

inline constexpr double kCongruenceProbability = 0.95;

struct CongruenceResult {
  bool tested = false;   // false without redundancy in both cycles together: nothing to test against
  double statistic = 0.0;  // T of the benchmarks kept, as last tested
  double critical = 0.0;   // F₀.₉₅(h, f_a + f_b)
  bool passed = false;     // the benchmarks kept are stable
  std::vector<int32_t> moved;   // reference indices, in the order they were declared moved
  std::vector<int32_t> stable;  // reference indices kept, in the project's order
  // Per reference benchmark, the height difference later − first in the datum of the kept ones.
  std::vector<double> differences;
};

// T = dᵀ Q_d⁺ d / (h s²) over the benchmarks `subset`, in the datum of the
// minimum constraint on them: d the height differences, Q_d = Q_a + Q_b,
// h = |subset| − 1, s² = (Ω_a + Ω_b)/(f_a + f_b).
double CongruenceStatistic(const CycleAdjustment& first, const CycleAdjustment& later,
                           const std::vector<int32_t>& subset);

CongruenceResult TestCongruence(const CycleAdjustment& first, const CycleAdjustment& later);

}  // namespace korvado
