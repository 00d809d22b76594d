#include "LevellingSolution.h"

#include <cmath>
#include <limits>
#include <string>

namespace korvado {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr size_t kNamedPoints = 5;

// Points touched by an observation that no chain of observations joins to a held point.
std::vector<int32_t> UnreachedPoints(const LevellingNetwork& network, const std::vector<char>& held,
                                     const std::vector<char>& touched) {
  const int32_t count = network.PointCount();
  std::vector<std::vector<int32_t>> neighbours(static_cast<size_t>(count));
  for (const LevellingObservation& o : network.observations) {
    neighbours[o.from].push_back(o.to);
    neighbours[o.to].push_back(o.from);
  }
  std::vector<char> reached(held);
  std::vector<int32_t> queue;
  for (int32_t p = 0; p < count; ++p)
    if (held[p]) queue.push_back(p);
  for (size_t k = 0; k < queue.size(); ++k)
    for (int32_t next : neighbours[queue[k]])
      if (!reached[next]) {
        reached[next] = 1;
        queue.push_back(next);
      }
  std::vector<int32_t> unreached;
  for (int32_t p = 0; p < count; ++p)
    if (touched[p] && !reached[p]) unreached.push_back(p);
  return unreached;
}

std::string UnreachedRefusal(const LevellingNetwork& network, const std::vector<int32_t>& unreached) {
  std::string names;
  for (size_t k = 0; k < unreached.size() && k < kNamedPoints; ++k)
    names += (k ? ", «" : "«") + network.names[unreached[k]] + "»";
  if (unreached.size() > kNamedPoints) names += " и ещё " + std::to_string(unreached.size() - kNamedPoints);
  return "Точки " + names + " не связаны ходами ни с одной точкой известной высоты: их высоты не определить.";
}

}  // namespace

Result<LevellingSolution> LevellingSolution::Solve(const LevellingNetwork& network,
                                                   const std::vector<std::optional<double>>& held) {
  const int32_t count = network.PointCount();
  LevellingSolution solution;
  solution.held_.assign(static_cast<size_t>(count), 0);
  std::vector<char> touched(static_cast<size_t>(count), 0);
  for (int32_t p = 0; p < count; ++p) solution.held_[p] = held[p].has_value();
  for (const LevellingObservation& o : network.observations) touched[o.from] = touched[o.to] = 1;
  if (const std::vector<int32_t> unreached = UnreachedPoints(network, solution.held_, touched); !unreached.empty())
    return Outcome::Refusal(UnreachedRefusal(network, unreached));

  solution.unknownOf_.assign(static_cast<size_t>(count), -1);
  int32_t unknowns = 0;
  for (int32_t p = 0; p < count; ++p)
    if (touched[p] && !held[p]) solution.unknownOf_[p] = unknowns++;

  // Normal equations: each observation adds its weight to its two unknowns and
  // moves what a held end contributes to the right-hand side.
  std::vector<Eigen::Triplet<double>> entries;
  entries.reserve(network.observations.size() * 3);
  Eigen::VectorXd rhs = Eigen::VectorXd::Zero(unknowns);
  for (const LevellingObservation& o : network.observations) {
    // A run closed on its own point observes nothing but its misclosure.
    if (o.from == o.to) continue;
    const double weight = 1.0 / o.setups;
    const int32_t from = solution.unknownOf_[o.from];
    const int32_t to = solution.unknownOf_[o.to];
    double reduced = o.height;
    if (from < 0) reduced += *held[o.from];
    if (to < 0) reduced -= *held[o.to];
    if (from >= 0) entries.emplace_back(from, from, weight), rhs[from] -= weight * reduced;
    if (to >= 0) entries.emplace_back(to, to, weight), rhs[to] += weight * reduced;
    if (from >= 0 && to >= 0 && from != to) entries.emplace_back(std::max(from, to), std::min(from, to), -weight);
  }
  Eigen::VectorXd x = Eigen::VectorXd::Zero(unknowns);
  if (unknowns > 0) {
    Eigen::SparseMatrix<double> normal(unknowns, unknowns);
    normal.setFromTriplets(entries.begin(), entries.end());
    auto factor = std::make_shared<SparseFactor>(normal);
    if (factor->info() == Eigen::Success) x = factor->solve(rhs);
    if (factor->info() != Eigen::Success || !x.allFinite())
      return Outcome::Refusal("Система нормальных уравнений вырождена: проверьте ходы и их число штативов.");
    solution.factor_ = std::move(factor);
  }
  solution.heights_.assign(static_cast<size_t>(count), kNaN);
  for (int32_t p = 0; p < count; ++p)
    if (held[p])
      solution.heights_[p] = *held[p];
    else if (solution.unknownOf_[p] >= 0)
      solution.heights_[p] = x[solution.unknownOf_[p]];
  for (const LevellingObservation& o : network.observations) {
    const double v = solution.heights_[o.to] - solution.heights_[o.from] - o.height;
    solution.weightedSquares_ += v * v / o.setups;
  }
  solution.dof_ = static_cast<int32_t>(network.observations.size()) - unknowns;
  return solution;
}

std::vector<double> LevellingSolution::CofactorDiagonal() const {
  std::vector<double> diagonal(unknownOf_.size(), kNaN);
  std::optional<SparseSelectedInverse> inverse;
  if (factor_) inverse.emplace(*factor_);
  for (size_t p = 0; p < unknownOf_.size(); ++p)
    if (held_[p])
      diagonal[p] = 0.0;
    else if (unknownOf_[p] >= 0)
      diagonal[p] = inverse->Diagonal(unknownOf_[p]);
  return diagonal;
}

std::vector<double> LevellingSolution::CofactorColumn(int32_t point) const {
  std::vector<double> column(unknownOf_.size(), 0.0);
  const int32_t unknown = unknownOf_[point];
  if (unknown < 0) return column;
  Eigen::VectorXd unit = Eigen::VectorXd::Zero(factor_->rows());
  unit[unknown] = 1.0;
  const Eigen::VectorXd q = factor_->solve(unit);
  for (size_t p = 0; p < unknownOf_.size(); ++p)
    if (unknownOf_[p] >= 0) column[p] = q[unknownOf_[p]];
  return column;
}

}  // namespace korvado
