#include "CycleAdjustment.h"

#include <algorithm>
#include <cmath>

#include "LevellingSolution.h"

namespace korvado {

int32_t CycleAdjustment::Find(const std::string& name) const {
  const auto found = numbers.find(name);
  return found == numbers.end() ? -1 : found->second;
}

Result<CycleAdjustment> AdjustCycle(const TKorNet& net, const std::vector<std::string>& reference,
                                    double sigmaPerSetup) {
  Result<LevellingNetwork> network = NetObservations(net);
  if (!network.HasValue()) return Outcome(network);
  CycleAdjustment cycle;
  for (const std::string& name : reference) {
    const int32_t point = network->Find(name);
    if (point < 0) return Outcome::Refusal("Исходного репера «" + name + "» нет в сети «" + net.Name + "».");
    cycle.reference.push_back(point);
    std::optional<double> elevation;
    for (int32_t p = 0; p < net.PointCount() && !elevation; ++p)
      if (net.PointNames[p] == name && net.PointTypes.GetItem(p) == kFixedPoint) elevation = net.PointElevations.GetItem(p);
    cycle.referenceElevations.push_back(elevation);
  }
  std::vector<char> observed(static_cast<size_t>(network->PointCount()), 0);
  for (const LevellingObservation& o : network->observations) observed[o.from] = observed[o.to] = 1;
  for (size_t r = 0; r < reference.size(); ++r)
    if (!observed[cycle.reference[r]])
      return Outcome::Refusal("Исходный репер «" + reference[r] + "» есть в списке точек сети «" + net.Name +
                              "», но ни один ход сети его не касается.");
  std::vector<std::optional<double>> held(static_cast<size_t>(network->PointCount()));
  if (!cycle.reference.empty()) held[cycle.reference[0]] = 0.0;
  Result<LevellingSolution> solution = LevellingSolution::Solve(*network, held);
  if (!solution.HasValue())
    return Outcome::Refusal("Сеть «" + net.Name + "»: " + solution.RefusalText());
  cycle.names = network->names;
  cycle.roles = network->roles;
  cycle.numbers = network->numbers;
  cycle.anchored = solution->Heights();
  cycle.cofactors = solution->CofactorDiagonal();
  cycle.referenceColumns.resize(network->PointCount(), static_cast<Eigen::Index>(reference.size()));
  for (size_t r = 0; r < cycle.reference.size(); ++r) {
    const std::vector<double> column = solution->CofactorColumn(cycle.reference[r]);
    cycle.referenceColumns.col(static_cast<Eigen::Index>(r)) = Eigen::Map<const Eigen::VectorXd>(column.data(), column.size());
  }
  cycle.weightedSquares = solution->WeightedSquares();
  cycle.dof = solution->Dof();
  cycle.sigma0 = cycle.dof > 0 ? std::sqrt(cycle.weightedSquares / cycle.dof) : sigmaPerSetup;
  return cycle;
}

// The minimum constraint on S maps the anchored heights x⁰ to x⁰ − 1·mean_S(x⁰)
// (plus the shift to the approximate heights), so Q = T Q⁰ Tᵀ with
// T = I − 1 e_Sᵀ/|S|: Qᵢᵢ = Q⁰ᵢᵢ − 2 mean_{j∈S} Q⁰ᵢⱼ + mean_{j,k∈S} Q⁰ⱼₖ.
DatumHeights HeightsInDatum(const CycleAdjustment& cycle, const std::vector<int32_t>& datum,
                            const std::vector<double>& approximate) {
  const double size = static_cast<double>(datum.size());
  double shift = 0.0;
  double blockMean = 0.0;
  Eigen::VectorXd rowMeans = Eigen::VectorXd::Zero(cycle.referenceColumns.rows());
  for (int32_t r : datum) {
    shift += (approximate[r] - cycle.anchored[cycle.reference[r]]) / size;
    rowMeans += cycle.referenceColumns.col(r) / size;
    for (int32_t k : datum) blockMean += cycle.referenceColumns(cycle.reference[k], r) / (size * size);
  }
  DatumHeights result{cycle.anchored, cycle.cofactors};
  for (size_t p = 0; p < result.heights.size(); ++p) {
    result.heights[p] += shift;
    result.cofactors[p] = std::max(0.0, result.cofactors[p] - 2.0 * rowMeans[static_cast<Eigen::Index>(p)] + blockMean);
  }
  return result;
}

Eigen::MatrixXd SubsetCofactors(const CycleAdjustment& cycle, const std::vector<int32_t>& subset) {
  const auto size = static_cast<Eigen::Index>(subset.size());
  Eigen::MatrixXd anchored(size, size);
  for (Eigen::Index i = 0; i < size; ++i)
    for (Eigen::Index k = 0; k < size; ++k) anchored(i, k) = cycle.referenceColumns(cycle.reference[subset[i]], subset[k]);
  const Eigen::MatrixXd centre =
      Eigen::MatrixXd::Identity(size, size) - Eigen::MatrixXd::Constant(size, size, 1.0 / static_cast<double>(size));
  return centre * anchored * centre;
}

}  // namespace korvado
