#include "EveryPointHeights.h"

#include "LevellingSolution.h"

namespace korvado {

Result<std::vector<PointHeight>> EveryPointHeights(const TKorNet& net) {
  Result<LevellingNetwork> network = NetObservations(net);
  if (!network.HasValue()) return Outcome(network);
  std::vector<std::optional<double>> held(static_cast<size_t>(network->PointCount()));
  // A name the table repeats holds the elevation of its first row, as in the adjustment by sections.
  for (int32_t p = net.PointCount() - 1; p >= 0; --p)
    if (net.PointTypes.GetItem(p) == kFixedPoint) held[network->Find(net.PointNames[p])] = net.PointElevations.GetItem(p);
    else held[network->Find(net.PointNames[p])].reset();
  Result<LevellingSolution> solution = LevellingSolution::Solve(*network, held);
  if (!solution.HasValue()) return Outcome(solution);
  const std::vector<double> cofactors = solution->CofactorDiagonal();
  std::vector<PointHeight> points;
  for (int32_t p = 0; p < network->PointCount(); ++p)
    if (held[p] || solution->Estimated(p))
      points.push_back({network->names[p], network->roles[p], solution->Heights()[p], cofactors[p], std::nullopt});
  return points;
}

}  // namespace korvado
