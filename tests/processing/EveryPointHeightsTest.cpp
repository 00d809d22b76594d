#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "AdjustmentNets.h"
#include "DenseLevelling.h"
#include "EveryPointHeights.h"
#include "GeneratedNets.h"
#include "LeastSquares.h"
#include "PointTable.h"
#include "SectionElevationTable.h"
#include "SweepPlan.h"

namespace korvado {
namespace {

// Benchmarks Rp1 and Rp2 and nodal K joined by three sections of several runs
// (one an equivalent run with a fractional count), a fourth closing a loop, a
// run closed on K itself,
// and a pendent point off an intermediate point.
TKorNet MultiRunNet() {
  TKorNet net;
  net.Name = "Осадочная";
  EXPECT_TRUE(net.AddSection("Rp1", "m1", kFixedPoint, kIntermediatePoint, 1.210, 3, 1));
  EXPECT_TRUE(net.AppendRun(0, "m2", kIntermediatePoint, -0.480, 2.5, 2));
  EXPECT_TRUE(net.AppendRun(0, "K", kNodalPoint, 2.020, 4, 3));
  EXPECT_TRUE(net.AddSection("K", "m3", kNodalPoint, kIntermediatePoint, 0.730, 2, 4));
  EXPECT_TRUE(net.AppendRun(1, "Rp2", kFixedPoint, -1.160, 5, 5));
  EXPECT_TRUE(net.AddSection("K", "m4", kNodalPoint, kIntermediatePoint, -0.310, 1, 6));
  EXPECT_TRUE(net.AppendRun(2, "m5", kIntermediatePoint, 0.150, 2, 7));
  EXPECT_TRUE(net.AppendRun(2, "Rp1", kFixedPoint, -2.570, 3, 8));
  EXPECT_TRUE(net.AddSection("Rp2", "Rp1", kFixedPoint, kFixedPoint, -2.205, 6, 9));
  // A loop of one run: only its misclosure.
  EXPECT_TRUE(net.AddSection("K", "K", kNodalPoint, kNodalPoint, 0.35, 4, 11));
  EXPECT_TRUE(net.SectionTables.TableAt(0).AddPendentRun(kIntermediatePoint, "m2", "P1", 2, 0.444, 10));
  EXPECT_TRUE(RebuildPoints(net));
  EXPECT_TRUE(SetPointElevation(net, "Rp1", 150.000));
  EXPECT_TRUE(SetPointElevation(net, "Rp2", 152.540));
  return net;
}

std::map<std::string, PointHeight> ByName(const std::vector<PointHeight>& points) {
  std::map<std::string, PointHeight> byName;
  for (const PointHeight& p : points) byName.emplace(p.name, p);
  return byName;
}

TEST(EveryPointHeights, AgreesWithSectionAdjustmentProportionalShareAndDenseSolution) {
  const TKorNet net = MultiRunNet();
  Result<LeastSquaresResult> sections = AdjustByLeastSquares(net, 0.5);
  ASSERT_TRUE(sections.HasValue()) << sections.RefusalText();
  Result<std::vector<PointHeight>> every = EveryPointHeights(net);
  ASSERT_TRUE(every.HasValue()) << every.RefusalText();
  const auto points = ByName(*every);
  ASSERT_EQ(points.size(), 9u);  // Rp1 Rp2 K m1..m5 P1

  // Nodal and fixed heights and their cofactors are those of the adjustment by sections.
  for (int32_t p = 0; p < net.PointCount(); ++p) {
    EXPECT_NEAR(points.at(net.PointNames[p]).height, sections->elevations[p], 1e-9) << net.PointNames[p];
    EXPECT_NEAR(points.at(net.PointNames[p]).cofactor, sections->cofactors[p], 1e-12) << net.PointNames[p];
  }
  EXPECT_EQ(points.at("Rp1").role, PointRole::kFixed);
  EXPECT_EQ(points.at("P1").role, PointRole::kPendent);
  EXPECT_EQ(points.at("m3").role, PointRole::kIntermediate);

  // Inside a section the adjusted misclosure goes to the runs in proportion to their setups.
  const double k = points.at("K").height;
  const double w0 = 1.210 - 0.480 + 2.020 + 150.000 - k;
  EXPECT_NEAR(points.at("m1").height, 150.000 + 1.210 - w0 * 3 / 9.5, 1e-9);
  EXPECT_NEAR(points.at("m2").height, 150.000 + 1.210 - 0.480 - w0 * 5.5 / 9.5, 1e-9);
  // The section table, given the adjusted nodal heights, computes the same (its pendent points from the
  // base's two shown decimals).
  TKorNet adjusted = net;
  WriteAdjustedElevations(adjusted, *sections);
  for (const ElevationRow& row : SectionElevationTable(adjusted, 2)) {
    if (!points.count(row.name)) continue;
    ASSERT_TRUE(row.elevation) << row.name;
    EXPECT_NEAR(*row.elevation, points.at(row.name).height, row.pendent ? 0.005 : 1e-9) << row.name;
  }
  // The pendent point hangs off its adjusted base.
  EXPECT_NEAR(points.at("P1").height, points.at("m2").height + 0.444, 1e-12);

  // The dense textbook adjustment of the same runs, every point an unknown.
  const DenseLevelling dense = AdjustDense(TableRuns(net), {{"Rp1", 150.000}, {"Rp2", 152.540}});
  ASSERT_EQ(dense.heights.size(), 7u);
  for (const auto& [name, height] : dense.heights) {
    EXPECT_NEAR(points.at(name).height, height, 1e-9) << name;
    EXPECT_NEAR(points.at(name).cofactor, dense.cofactors.at(name), 1e-9) << name;
  }
  EXPECT_EQ(points.at("Rp2").cofactor, 0.0);
}

TEST(EveryPointHeights, LeastSquaresResultCarriesEveryPointWithSigmasThatFollowSigma0) {
  const TKorNet net = MultiRunNet();
  Result<LeastSquaresResult> result = AdjustByLeastSquares(net, 0.5);
  ASSERT_TRUE(result.HasValue());
  ASSERT_EQ(result->everyPoint.size(), 9u);
  ASSERT_TRUE(result->sigma0);
  for (const PointHeight& p : result->everyPoint) {
    ASSERT_TRUE(p.sigma) << p.name;
    EXPECT_NEAR(*p.sigma, *result->sigma0 * std::sqrt(p.cofactor), 1e-12) << p.name;
  }
  // A pendent point is never better known than its base.
  const auto points = ByName(result->everyPoint);
  EXPECT_GT(*points.at("P1").sigma, *points.at("m2").sigma);
}

TEST(EveryPointHeights, RefusesRunsWithoutSetupsAndPointsOffTheNet) {
  TKorNet zero = MultiRunNet();
  zero.SectionTables.TableAt(1).RunSetups.SetItem(0, 0.0);
  Result<std::vector<PointHeight>> refused = EveryPointHeights(zero);
  ASSERT_FALSE(refused.HasValue());
  EXPECT_NE(refused.RefusalText().find("штатив 1"), std::string::npos) << refused.RefusalText();

  TKorNet stray = MultiRunNet();
  EXPECT_TRUE(stray.SectionTables.TableAt(0).AddPendentRun(kIntermediatePoint, "Нигде", "P9", 1, 0.1, 11));
  refused = EveryPointHeights(stray);
  ASSERT_FALSE(refused.HasValue());
  EXPECT_NE(refused.RefusalText().find("«Нигде»"), std::string::npos) << refused.RefusalText();
}

// Where every section is one run, the adjustment by sections is already that
// of every point: taken from it, every point's height, cofactor, role and
// place in the list are those of the adjustment run by run.
TEST(EveryPointHeights, NetsOfSingleRunSectionsTakeThemFromTheAdjustmentBySections) {
  for (const NetShape shape : {NetShape::Chain, NetShape::Loop, NetShape::Grid, NetShape::Random})
    for (const uint32_t seed : {1u, 2u, 3u}) {
      const TKorNet net = GenerateNet(shape, 60, seed).net;
      const Result<LeastSquaresResult> sections = AdjustByLeastSquares(net, 0.5);
      ASSERT_TRUE(sections.HasValue()) << sections.RefusalText();
      const std::optional<std::vector<PointHeight>> taken =
          EveryPointHeightsOfSections(net, PlanSweep(net, false), *sections);
      const Result<std::vector<PointHeight>> solved = EveryPointHeights(net);
      ASSERT_TRUE(taken && solved.HasValue()) << NetShapeName(shape) << " " << seed;
      ASSERT_EQ(taken->size(), solved->size());
      for (size_t k = 0; k < taken->size(); ++k) {
        const PointHeight &a = (*taken)[k], &b = (*solved)[k];
        EXPECT_EQ(a.name, b.name);
        EXPECT_EQ(a.role, b.role) << a.name;
        EXPECT_NEAR(a.height, b.height, 1e-13 * std::abs(b.height)) << a.name;  // the last digits of 1e5 mm
        EXPECT_NEAR(a.cofactor, b.cofactor, 1e-12 * (1.0 + b.cofactor)) << a.name;
      }
    }
  // Several runs, a pendent point or a loop closed on one point: solved afresh.
  const TKorNet multiRun = MultiRunNet();
  EXPECT_FALSE(EveryPointHeightsOfSections(multiRun, PlanSweep(multiRun, false), *AdjustByLeastSquares(multiRun, 0.5)));
  TKorNet differs = GenerateNet(NetShape::Chain, 10).net;
  differs.SectionTables.TableAt(3).RunSetups.SetItem(0, differs.SectionSetups.GetItem(3) + 1.0);
  EXPECT_FALSE(EveryPointHeightsOfSections(differs, PlanSweep(differs, false), *AdjustByLeastSquares(differs, 0.5)))
      << "a run that does not observe what its section does";
}

}  // namespace
}  // namespace korvado
