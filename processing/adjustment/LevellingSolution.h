#pragma once
// Least squares over a levelling network with the heights of some points
// held: every other point that an observation touches is an unknown. Kept
// factored, so that the cofactors a later step asks for (the diagonal, or the
// columns of a few points) cost one sweep each rather than an inverse.

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "LevellingObservations.h"
#include "Outcome.h"
#include "SparseSelectedInverse.h"

namespace korvado {

class LevellingSolution {
 public:
  // held: per point, its held height or nothing. Refused: a point touched by
  // the observations that no chain of them joins to a held point (named, the
  // first few), or normal equations that cannot be factored.
  static Result<LevellingSolution> Solve(const LevellingNetwork& network,
                                         const std::vector<std::optional<double>>& held);

  // Per point; NaN for a point no observation touches and that is not held.
  const std::vector<double>& Heights() const { return heights_; }
  bool Estimated(int32_t point) const { return unknownOf_[point] >= 0; }
  double WeightedSquares() const { return weightedSquares_; }  // vᵀPv
  int32_t Dof() const { return dof_; }                         // observations − unknowns

  // Qᵢᵢ per point: 0 for a held point, NaN for a point that is not estimated.
  std::vector<double> CofactorDiagonal() const;
  // Column `point` of Q over all points (0 in the rows of held points); all
  // zero for a held point.
  std::vector<double> CofactorColumn(int32_t point) const;

 private:
  LevellingSolution() = default;

  std::shared_ptr<const SparseFactor> factor_;
  std::vector<int32_t> unknownOf_;  // point -> unknown number, -1 when held or untouched
  std::vector<char> held_;
  std::vector<double> heights_;
  double weightedSquares_ = 0.0;
  int32_t dof_ = 0;
};

}  // namespace korvado
