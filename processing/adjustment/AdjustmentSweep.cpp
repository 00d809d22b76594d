#include "AdjustmentSweep.h"

#include <cmath>
#include <string>
#include <vector>

#include "AdjustmentInput.h"
#include "BenchmarkReach.h"
#include "PointIndex.h"
#include "SectionElevationTable.h"

namespace korvado {

namespace {

// The scale of the weights does not move the means, but it enters the sum of
// squares: the means use 10/n, the error 1/n.
constexpr double kMeanWeightNumerator = 10.0;
constexpr double kErrorWeightNumerator = 1.0;
// Below this sum of squares the net counts as closed.
constexpr double kNegligibleSquares = 0.0001;

void RelaxNodalPoints(TKorNet& net, const SweepPlan& plan) {
  for (int32_t p = 0; p < net.PointCount(); ++p) {
    if (net.PointTypes.GetItem(p) != kNodalPoint) continue;
    double weightSum = 0.0;
    double weighted = 0.0;
    const int32_t first = plan.firstRow[p];
    for (int32_t k = plan.touchStarts[first]; k < plan.touchStarts[first + 1]; ++k) {
      const SweepTouch& touch = plan.touches[k];
      const double carried = net.PointElevations.GetItem(touch.neighbour);
      const double height = net.SectionHeights.GetItem(touch.section);
      const double candidate = touch.fromStart ? carried - height : carried + height;
      const double weight = kMeanWeightNumerator / net.SectionSetups.GetItem(touch.section);
      weighted += weight * candidate;
      weightSum += weight;
      // Written at once, as the sweep has always done: later sections and points see it.
      net.PointElevations.SetItem(p, weighted / weightSum);
    }
  }
}

// A section closing on its own point adds its height: the loop's misclosure.
double WeightedSquaredMisclosures(const TKorNet& net, const SweepPlan& plan) {
  double squares = 0.0;
  for (int32_t s = 0; s < net.SectionCount(); ++s) {
    const double misclosure = net.SectionHeights.GetItem(s) + net.PointElevations.GetItem(plan.misclosureStart[s]) -
                              net.PointElevations.GetItem(plan.misclosureEnd[s]);
    squares += (kErrorWeightNumerator / net.SectionSetups.GetItem(s)) * (misclosure * misclosure);
  }
  return squares;
}

double WeightedSquaredMisclosures(const TKorNet& net) {
  const CaseTolerantIndex points(net.PointNames);
  double squares = 0.0;
  for (int32_t s = 0; s < net.SectionCount(); ++s) {
    // The refusal before has made sure that both ends are in the table.
    const double misclosure = SectionMisclosure(net, s, points).value();
    squares += (kErrorWeightNumerator / net.SectionSetups.GetItem(s)) * (misclosure * misclosure);
  }
  return squares;
}

// Without redundancy the error is undefined; it is shown as 0.
double UnitWeightError(double squares, int32_t redundancy) {
  if (squares < kNegligibleSquares || redundancy <= 0) return 0.0;
  return std::sqrt(squares / redundancy);
}

// The first result of a sweep that is not a finite number, named; empty when all are.
std::string NonFiniteFigure(const TKorNet& net, double error) {
  for (int32_t p = 0; p < net.PointCount(); ++p)
    if (!std::isfinite(net.PointElevations.GetItem(p))) return "отметка точки «" + net.PointNames[p] + "»";
  return std::isfinite(error) ? std::string() : "СКО";
}

}  // namespace

Result<double> AdjustOnce(TKorNet& net) {
  SweepPlan plan;
  return AdjustOnce(net, plan);
}

Result<double> AdjustOnce(TKorNet& net, SweepPlan& plan) {
  if (!plan.forSweep || !plan.Fits(net)) plan = PlanSweep(net);
  // The refusal's own text, in its own order, only once something is wrong.
  if (!plan.sweepable || !ValuesAdjustable(net)) {
    Outcome refusal = AdjustmentInputRefusal(net, BuildPointIndex(net.PointNames));
    if (refusal.Refused()) return refusal;
  }
  // The input is sane, so the results are finite; should one not be, the
  // sweep is undone rather than leave it in the point table.
  const std::vector<double> before = net.PointElevations.Items();
  RelaxNodalPoints(net, plan);
  const double error = UnitWeightError(WeightedSquaredMisclosures(net, plan), plan.redundancy);
  const std::string figure = NonFiniteFigure(net, error);
  if (figure.empty()) return error;
  for (int32_t p = 0; p < net.PointCount(); ++p) net.PointElevations.SetItem(p, before[static_cast<size_t>(p)]);
  return Outcome::Refusal("Итерация уравнивания сети «" + net.Name + "» отклонена: " + figure +
                          " не вычисляется конечным числом. Проверьте превышения, число штативов и отметки сети.");
}

std::optional<double> CurrentUnitWeightError(const TKorNet& net) {
  if (AdjustmentInputRefusal(net, BuildPointIndex(net.PointNames)).Refused()) return std::nullopt;
  return UnitWeightError(WeightedSquaredMisclosures(net), NetRedundancy(net));
}

int32_t NetRedundancy(const TKorNet& net) { return net.SectionCount() - net.PointCount() + FixedPointCount(net); }

}  // namespace korvado
