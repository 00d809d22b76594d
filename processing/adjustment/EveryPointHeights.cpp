#include "EveryPointHeights.h"

#include "LeastSquares.h"
#include "LevellingSolution.h"
#include "SweepPlan.h"

namespace korvado {

namespace {

// A single run (or none) between two different points, with nothing hanging off it.
bool SectionIsOneObservation(const TKorNet& net, int32_t s) {
  const TKorNetDetailTable& table = net.SectionTables.TableAt(s);
  if (table.PendentCount() > 0 || table.RunCount() > 1 || net.SectionStarts[s] == net.SectionEnds[s]) return false;
  return table.RunCount() == 0 || (table.RunHeights.GetItem(0) == net.SectionHeights.GetItem(s) &&
                                   table.RunSetups.GetItem(0) == net.SectionSetups.GetItem(s));
}

}  // namespace

std::optional<std::vector<PointHeight>> EveryPointHeightsOfSections(const TKorNet& net, const SweepPlan& plan,
                                                                    const LeastSquaresResult& bySections) {
  if (!plan.namesUnique) return std::nullopt;
  for (int32_t s = 0; s < net.SectionCount(); ++s)
    if (!SectionIsOneObservation(net, s)) return std::nullopt;
  std::vector<PointHeight> points;
  for (int32_t p = 0; p < net.PointCount(); ++p)
    if (bySections.fixed[p] || bySections.unknown[p])
      points.push_back({net.PointNames[p], RoleOfPointType(net.PointTypes.GetItem(p)), bySections.elevations[p],
                        bySections.fixed[p] ? 0.0 : bySections.cofactors[p], std::nullopt});
  return points;
}

Result<std::vector<PointHeight>> EveryPointHeights(const TKorNet& net) {
  Result<LevellingNetwork> network = NetObservations(net);
  if (!network.HasValue()) return Outcome(network);
  std::vector<std::optional<double>> held(static_cast<size_t>(network->PointCount()));
  // A name the table repeats holds the elevation of its first row, as in the adjustment by sections.
  for (int32_t p = net.PointCount() - 1; p >= 0; --p)
    if (net.PointTypes.GetItem(p) == kFixedPoint)
      held[network->Find(net.PointNames[p])] = net.PointElevations.GetItem(p);
    else
      held[network->Find(net.PointNames[p])].reset();
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
