#include "CongruenceTest.h"

#include <Eigen/Eigenvalues>
#include <cmath>
#include <limits>
#include <numeric>

#include "FQuantile.h"

namespace korvado {

namespace {

// Differences over the subset, each cycle centred on its own mean there: the
// minimum constraint on the subset with common approximate heights.
Eigen::VectorXd CentredDifferences(const CycleAdjustment& first, const CycleAdjustment& later,
                                   const std::vector<int32_t>& subset) {
  const auto size = static_cast<Eigen::Index>(subset.size());
  Eigen::VectorXd d(size);
  for (Eigen::Index i = 0; i < size; ++i)
    d[i] = later.anchored[later.reference[subset[i]]] - first.anchored[first.reference[subset[i]]];
  return d.array() - d.mean();
}

// xᵀ Q⁺ x for a symmetric Q whose null space holds the vector of ones.
double PseudoInverseForm(const Eigen::MatrixXd& q, const Eigen::VectorXd& x) {
  const Eigen::SelfAdjointEigenSolver<Eigen::MatrixXd> eigen(q);
  const Eigen::VectorXd values = eigen.eigenvalues();
  const double threshold = 1e-10 * std::max(values.cwiseAbs().maxCoeff(), 1e-300);
  const Eigen::VectorXd projected = eigen.eigenvectors().transpose() * x;
  double form = 0.0;
  for (Eigen::Index k = 0; k < values.size(); ++k)
    if (values[k] > threshold) form += projected[k] * projected[k] / values[k];
  return form;
}

double PooledVariance(const CycleAdjustment& first, const CycleAdjustment& later) {
  return (first.weightedSquares + later.weightedSquares) / (first.dof + later.dof);
}

// The subset without its member at `position`.
std::vector<int32_t> Without(const std::vector<int32_t>& subset, size_t position) {
  std::vector<int32_t> rest = subset;
  rest.erase(rest.begin() + static_cast<std::ptrdiff_t>(position));
  return rest;
}

}  // namespace

double CongruenceStatistic(const CycleAdjustment& first, const CycleAdjustment& later,
                           const std::vector<int32_t>& subset) {
  const Eigen::MatrixXd qd = SubsetCofactors(first, subset) + SubsetCofactors(later, subset);
  const double form = PseudoInverseForm(qd, CentredDifferences(first, later, subset));
  const double variance = PooledVariance(first, later);
  const double h = static_cast<double>(subset.size()) - 1.0;
  // Error-free observations: any difference at all is a movement.
  if (!(variance > 0.0)) return form > 0.0 ? std::numeric_limits<double>::infinity() : 0.0;
  return form / (h * variance);
}

CongruenceResult TestCongruence(const CycleAdjustment& first, const CycleAdjustment& later) {
  CongruenceResult result;
  result.stable.resize(first.reference.size());
  std::iota(result.stable.begin(), result.stable.end(), 0);
  const int32_t dof = first.dof + later.dof;
  result.tested = dof > 0 && result.stable.size() >= 2;
  result.passed = !result.tested;
  while (result.tested) {
    result.statistic = CongruenceStatistic(first, later, result.stable);
    result.critical = FQuantile(kCongruenceProbability, static_cast<int>(result.stable.size()) - 1, dof);
    result.passed = result.statistic <= result.critical;
    if (result.passed || result.stable.size() <= 2) break;
    size_t best = 0;
    double lowest = std::numeric_limits<double>::infinity();
    for (size_t k = 0; k < result.stable.size(); ++k)
      if (const double t = CongruenceStatistic(first, later, Without(result.stable, k)); t < lowest) {
        lowest = t;
        best = k;
      }
    result.moved.push_back(result.stable[best]);
    result.stable = Without(result.stable, best);
  }
  // Every benchmark's difference in the datum of the kept ones.
  double shift = 0.0;
  for (int32_t r : result.stable)
    shift += (later.anchored[later.reference[r]] - first.anchored[first.reference[r]]) / result.stable.size();
  for (size_t r = 0; r < first.reference.size(); ++r)
    result.differences.push_back(later.anchored[later.reference[r]] - first.anchored[first.reference[r]] - shift);
  return result;
}

}  // namespace korvado
