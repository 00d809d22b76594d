#include "Settlements.h"

#include <cmath>
#include <numeric>
#include <set>

#include "NaturalOrder.h"

namespace korvado {

namespace {

// The reference benchmarks' heights of the first cycle: its free heights
// shifted to the benchmarks' elevations held in its net.
std::vector<double> FirstCycleLevel(const CycleAdjustment& first) {
  double shift = 0.0;
  int32_t held = 0;
  for (size_t r = 0; r < first.reference.size(); ++r)
    if (first.referenceElevations[r]) {
      shift += *first.referenceElevations[r] - first.anchored[first.reference[r]];
      ++held;
    }
  if (held > 0) shift /= held;
  std::vector<double> level;
  for (int32_t point : first.reference) level.push_back(first.anchored[point] + shift);
  return level;
}

struct CycleHeights {
  DatumHeights datum;
  double sigma0 = 0.0;
};

std::vector<std::string> MarkNames(const std::vector<MonitoringCycle>& cycles) {
  std::set<std::string> reference;
  for (int32_t point : cycles.front().adjustment.reference) reference.insert(cycles.front().adjustment.names[point]);
  std::set<std::string> seen;
  std::vector<std::string> names;
  for (const MonitoringCycle& cycle : cycles)
    for (size_t p = 0; p < cycle.adjustment.names.size(); ++p) {
      const std::string& name = cycle.adjustment.names[p];
      if (std::isfinite(cycle.adjustment.anchored[p]) && !reference.count(name) && seen.insert(name).second)
        names.push_back(name);
    }
  std::vector<std::string> ordered;
  for (size_t k : NaturalSortOrder(names)) ordered.push_back(names[k]);
  return ordered;
}

MarkSeries Series(const std::string& name, const std::vector<MonitoringCycle>& cycles,
                  const std::vector<CycleHeights>& heights) {
  const size_t count = cycles.size();
  MarkSeries mark{name, {}, {}, {}, {}, {}, {}, {}, {}, {}, std::nullopt};
  for (auto* list : {&mark.heights, &mark.sigmas, &mark.settlements, &mark.settlementSigmas, &mark.totals,
                     &mark.totalSigmas, &mark.ratesPerDay})
    list->assign(count, std::nullopt);
  mark.settlementSignificant.assign(count, std::nullopt);
  mark.totalSignificant.assign(count, std::nullopt);
  std::optional<size_t> first, previous;
  for (size_t c = 0; c < count; ++c) {
    const int32_t point = cycles[c].adjustment.Find(name);
    if (point < 0 || !std::isfinite(heights[c].datum.heights[point])) continue;
    mark.heights[c] = heights[c].datum.heights[point];
    mark.sigmas[c] = heights[c].sigma0 * std::sqrt(heights[c].datum.cofactors[point]);
    if (!first) first = previous = c;
    const double settlement = *mark.heights[c] - *mark.heights[*previous];
    const double settlementSigma = c == *previous ? 0.0 : std::hypot(*mark.sigmas[c], *mark.sigmas[*previous]);
    const double total = *mark.heights[c] - *mark.heights[*first];
    const double totalSigma = c == *first ? 0.0 : std::hypot(*mark.sigmas[c], *mark.sigmas[*first]);
    mark.settlements[c] = settlement;
    mark.settlementSigmas[c] = settlementSigma;
    mark.settlementSignificant[c] = std::abs(settlement) > kSignificanceFactor * settlementSigma && c != *previous;
    mark.totals[c] = total;
    mark.totalSigmas[c] = totalSigma;
    mark.totalSignificant[c] = std::abs(total) > kSignificanceFactor * totalSigma && c != *first;
    if (const int32_t days = cycles[c].day - cycles[*previous].day; days > 0) mark.ratesPerDay[c] = settlement / days;
    if (const int32_t days = cycles[c].day - cycles[*first].day; days > 0)
      mark.ratePerYear = total / days * kDaysPerYear;
    previous = c;
  }
  return mark;
}

}  // namespace

SettlementAnalysis AnalyseSettlements(const std::vector<MonitoringCycle>& cycles) {
  SettlementAnalysis analysis;
  if (cycles.empty()) return analysis;
  const CycleAdjustment& first = cycles.front().adjustment;
  const std::vector<double> level = FirstCycleLevel(first);
  std::vector<CycleHeights> heights;
  for (size_t c = 0; c < cycles.size(); ++c) {
    const CycleAdjustment& cycle = cycles[c].adjustment;
    std::vector<int32_t> datum(first.reference.size());
    std::iota(datum.begin(), datum.end(), 0);
    if (c == 0) {
      analysis.stability.emplace_back();
    } else {
      analysis.stability.push_back(TestCongruence(first, cycle));
      datum = analysis.stability.back()->stable;
    }
    heights.push_back({HeightsInDatum(cycle, datum, level), cycle.sigma0});
    std::vector<double> reference;
    for (int32_t point : cycle.reference) reference.push_back(heights.back().datum.heights[point]);
    analysis.referenceHeights.push_back(std::move(reference));
  }
  for (const std::string& name : MarkNames(cycles)) analysis.marks.push_back(Series(name, cycles, heights));
  return analysis;
}

}  // namespace korvado
