#include <gtest/gtest.h>

#include <Eigen/Dense>
#include <cmath>
#include <map>

#include "CongruenceTest.h"
#include "CycleDate.h"
#include "FQuantile.h"
#include "MonitoringNets.h"
#include "PointTable.h"
#include "Settlements.h"

namespace korvado {
namespace {

using monitoringnets::CycleNet;
using monitoringnets::kLegs;
using monitoringnets::kReference;

// The textbook way, dense: all ten heights unknown, the datum by the bordered
// normal equations [N Gᵀ; G 0] with G the mean over the datum benchmarks;
// the cofactors are the top-left block of the bordered inverse.
struct DenseCycle {
  std::vector<std::string> names;
  Eigen::VectorXd x;
  Eigen::MatrixXd q;
  double omega = 0.0;
  int dof = 0;
};

DenseCycle SolveDense(const TKorNet& net, const std::vector<std::string>& datum, double datumMean) {
  DenseCycle d;
  std::map<std::string, int> column;
  for (const monitoringnets::Leg& leg : kLegs)
    for (const std::string& p : {leg.from, leg.to})
      if (!column.count(p)) column.emplace(p, static_cast<int>(column.size())), d.names.push_back(p);
  const int u = static_cast<int>(column.size());
  Eigen::MatrixXd a = Eigen::MatrixXd::Zero(net.SectionCount(), u);
  Eigen::VectorXd l(net.SectionCount()), p(net.SectionCount());
  for (int32_t s = 0; s < net.SectionCount(); ++s) {
    a(s, column[net.SectionStarts[s]]) = -1;
    a(s, column[net.SectionEnds[s]]) = 1;
    l[s] = net.SectionHeights.GetItem(s);
    p[s] = 1.0 / net.SectionSetups.GetItem(s);
  }
  Eigen::MatrixXd bordered = Eigen::MatrixXd::Zero(u + 1, u + 1);
  bordered.topLeftCorner(u, u) = a.transpose() * p.asDiagonal() * a;
  for (const std::string& name : datum) bordered(u, column[name]) = bordered(column[name], u) = 1.0 / datum.size();
  Eigen::VectorXd rhs(u + 1);
  rhs.head(u) = a.transpose() * p.asDiagonal() * l;
  rhs[u] = datumMean;
  const Eigen::MatrixXd inverse = bordered.inverse();
  d.x = (inverse * rhs).head(u);
  d.q = inverse.topLeftCorner(u, u);
  const Eigen::VectorXd v = a * d.x - l;
  d.omega = v.dot(p.asDiagonal() * v);
  d.dof = net.SectionCount() - (u - 1);
  return d;
}

double DenseHeight(const DenseCycle& d, const std::string& name) {
  return d.x[std::find(d.names.begin(), d.names.end(), name) - d.names.begin()];
}

// T over the benchmarks `subset` by the definition: both cycles in the datum
// of the subset, the pseudo-inverse of Q_d by a complete orthogonal decomposition.
double DenseStatistic(const TKorNet& first, const TKorNet& later, const std::vector<std::string>& subset) {
  const DenseCycle a = SolveDense(first, subset, 0.0);
  const DenseCycle b = SolveDense(later, subset, 0.0);
  const auto h = static_cast<Eigen::Index>(subset.size());
  Eigen::VectorXd d(h);
  Eigen::MatrixXd qd(h, h);
  for (Eigen::Index i = 0; i < h; ++i) {
    const auto ci = std::find(a.names.begin(), a.names.end(), subset[i]) - a.names.begin();
    d[i] = b.x[ci] - a.x[ci];
    for (Eigen::Index k = 0; k < h; ++k) {
      const auto ck = std::find(a.names.begin(), a.names.end(), subset[k]) - a.names.begin();
      qd(i, k) = a.q(ci, ck) + b.q(ci, ck);
    }
  }
  Eigen::CompleteOrthogonalDecomposition<Eigen::MatrixXd> decomposition;
  decomposition.setThreshold(1e-10);  // Q_d has rank h − 1: its null direction must count as zero
  const Eigen::MatrixXd pinv = decomposition.compute(qd).pseudoInverse();
  const double s2 = (a.omega + b.omega) / (a.dof + b.dof);
  return d.dot(pinv * d) / ((h - 1) * s2);
}

MonitoringCycle Cycle(const TKorNet& net, const std::string& date) {
  Result<CycleAdjustment> adjusted = AdjustCycle(net, kReference, 0.05);
  EXPECT_TRUE(adjusted.HasValue()) << adjusted.RefusalText();
  return {*adjusted, *ParseCycleDate(date)};
}

TEST(Settlements, CongruenceTestFindsTheMovedBenchmarkAndMatchesTheDenseComputation) {
  const TKorNet first = CycleNet(11, 0.0, 0.0);
  const TKorNet second = CycleNet(12, 0.0, 0.4);
  const TKorNet third = CycleNet(13, 3.0, 1.0);  // Rp3 lifted by 3 mm
  const std::vector<MonitoringCycle> cycles{Cycle(first, "2026-01-10"), Cycle(second, "2026-03-11"),
                                            Cycle(third, "2026-07-09")};

  const CongruenceResult stable = TestCongruence(cycles[0].adjustment, cycles[1].adjustment);
  EXPECT_TRUE(stable.tested && stable.passed);
  EXPECT_TRUE(stable.moved.empty());
  EXPECT_NEAR(stable.statistic, DenseStatistic(first, second, kReference), 1e-6);
  EXPECT_NEAR(stable.critical, FQuantile(0.95, 3, 10), 1e-12);

  const CongruenceResult moved = TestCongruence(cycles[0].adjustment, cycles[2].adjustment);
  EXPECT_TRUE(moved.tested && moved.passed);
  ASSERT_EQ(moved.moved, std::vector<int32_t>{2}) << "Rp3 must be the one declared moved";
  EXPECT_EQ(moved.stable, (std::vector<int32_t>{0, 1, 3}));
  EXPECT_NEAR(moved.statistic, DenseStatistic(first, third, {"Rp1", "Rp2", "Rp4"}), 1e-6);
  EXPECT_GT(DenseStatistic(first, third, kReference), FQuantile(0.95, 3, 10));
  EXPECT_NEAR(moved.differences[2], 3.0, 0.3);

  // Heights of each cycle in the datum of its stable benchmarks held at the first cycle's heights.
  const SettlementAnalysis analysis = AnalyseSettlements(cycles);
  ASSERT_EQ(analysis.marks.size(), 6u);
  const DenseCycle denseFirst = SolveDense(first, kReference, 0.0);
  // The first cycle's level: Rp1 is the fixed point of its net.
  const double level = 100000.0 - DenseHeight(denseFirst, "Rp1");
  std::vector<double> firstHeights;
  for (const char* name : {"Rp1", "Rp2", "Rp4"}) firstHeights.push_back(DenseHeight(denseFirst, name) + level);
  const double datumMean = (firstHeights[0] + firstHeights[1] + firstHeights[2]) / 3;
  const DenseCycle denseThird = SolveDense(third, {"Rp1", "Rp2", "Rp4"}, datumMean);
  const double sigma0 = std::sqrt(denseThird.omega / denseThird.dof);
  for (const MarkSeries& mark : analysis.marks) {
    SCOPED_TRACE(mark.name);
    ASSERT_TRUE(mark.heights[2] && mark.sigmas[2] && mark.totals[2]);
    EXPECT_NEAR(*mark.heights[2], DenseHeight(denseThird, mark.name), 1e-6);
    const auto c = std::find(denseThird.names.begin(), denseThird.names.end(), mark.name) - denseThird.names.begin();
    EXPECT_NEAR(*mark.sigmas[2], sigma0 * std::sqrt(denseThird.q(c, c)), 1e-6);
    EXPECT_NEAR(*mark.totals[2], *mark.heights[2] - *mark.heights[0], 1e-9);
    EXPECT_NEAR(*mark.totalSigmas[2], std::hypot(*mark.sigmas[2], *mark.sigmas[0]), 1e-12);
    // The marks sank by their number in millimetres; the moved Rp3 does not drag them.
    const double sunk = mark.name[1] - '0';
    EXPECT_NEAR(*mark.totals[2], -sunk, 0.25);
    EXPECT_EQ(mark.totalSignificant[2], true);
    EXPECT_NEAR(*mark.ratePerYear, *mark.totals[2] / 180 * kDaysPerYear, 1e-9);
    EXPECT_NEAR(*mark.ratesPerDay[2], *mark.settlements[2] / 120, 1e-12);
    EXPECT_EQ(mark.settlements[0], 0.0);
    EXPECT_FALSE(mark.ratesPerDay[0]);
  }
}

TEST(Settlements, MarkMissingFromACycleLeavesGapsNotZeros) {
  TKorNet second = CycleNet(22, 0.0, 0.5);
  // M6 not levelled in the second cycle: its legs close Rp3 → Rp4 directly.
  second.DeleteSection(8);
  second.DeleteSection(7);
  EXPECT_TRUE(second.AddSection("Rp3", "Rp4", kNodalPoint, kNodalPoint, 100730.0 - 99480.0, 5, 0));
  EXPECT_TRUE(RebuildPoints(second));
  second.PointTypes.SetItem(0, kFixedPoint);  // Rp1, the first section's start
  const std::vector<MonitoringCycle> cycles{Cycle(CycleNet(21, 0, 0), "2026-01-10"), Cycle(second, "2026-02-10"),
                                            Cycle(CycleNet(23, 0, 1.0), "2026-03-10")};
  const SettlementAnalysis analysis = AnalyseSettlements(cycles);
  const auto m6 = std::find_if(analysis.marks.begin(), analysis.marks.end(), [](const MarkSeries& m) { return m.name == "M6"; });
  ASSERT_NE(m6, analysis.marks.end());
  for (const auto* list : {&m6->heights, &m6->sigmas, &m6->settlements, &m6->totals, &m6->ratesPerDay})
    EXPECT_FALSE((*list)[1]);
  EXPECT_FALSE(m6->totalSignificant[1]);
  // The third cycle's settlement is taken since the mark's previous observation, the first.
  ASSERT_TRUE(m6->settlements[2] && m6->heights[0]);
  EXPECT_NEAR(*m6->settlements[2], *m6->heights[2] - *m6->heights[0], 1e-12);
  EXPECT_NEAR(*m6->ratesPerDay[2], *m6->settlements[2] / 59, 1e-12);
}

TEST(Settlements, ReferenceBenchmarkMissingFromACycleIsRefused) {
  Result<CycleAdjustment> refused = AdjustCycle(CycleNet(1, 0, 0), {"Rp1", "Rp9"}, 0.05);
  ASSERT_FALSE(refused.HasValue());
  EXPECT_NE(refused.RefusalText().find("«Rp9»"), std::string::npos);
}

TEST(FQuantile, MatchesPublishedTableValuesAndInvertsTheDistribution) {
  const struct {
    int d1, d2;
    double p, x;
  } table[] = {{1, 1, 0.95, 161.4476}, {2, 10, 0.95, 4.102821}, {3, 20, 0.95, 3.098391},
               {5, 100, 0.95, 2.305318}, {1, 30, 0.99, 7.562476}, {10, 5, 0.95, 4.735063}};
  for (const auto& row : table) EXPECT_NEAR(FQuantile(row.p, row.d1, row.d2), row.x, 1e-5 * row.x) << row.d1 << "," << row.d2;
  // F(d1, d2) quantile p is the reciprocal of F(d2, d1) quantile 1 − p.
  for (int d1 : {1, 2, 7, 40})
    for (int d2 : {1, 3, 12, 300})
      for (double p : {0.05, 0.5, 0.95, 0.999})
        EXPECT_NEAR(FQuantile(p, d1, d2) * FQuantile(1 - p, d2, d1), 1.0, 1e-9) << d1 << "," << d2 << "," << p;
}

TEST(CycleDate, AcceptsRealDatesOnly) {
  EXPECT_EQ(ParseCycleDate("1970-01-01"), 0);
  EXPECT_EQ(ParseCycleDate("2024-03-01").value() - ParseCycleDate("2024-02-28").value(), 2);  // a leap year
  for (const char* bad : {"2023-02-29", "2026-13-01", "2026-1-5", "05.01.2026", "2026-01-01x", "", "1899-12-31"})
    EXPECT_FALSE(ParseCycleDate(bad)) << bad;
  EXPECT_EQ(CycleDateText(*ParseCycleDate("2026-07-09")), "2026-07-09");
  EXPECT_EQ(CycleDateRussian(*ParseCycleDate("2026-07-09")), "09.07.2026");
}

}  // namespace
}  // namespace korvado
