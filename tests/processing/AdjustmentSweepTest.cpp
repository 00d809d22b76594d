#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>
#include <random>

#include "AdjustmentNets.h"
#include "AdjustmentSweep.h"
#include "DenseLevelling.h"
#include "PointTable.h"

namespace korvado {
namespace {

using testnets::AddOneRunSection;
using testnets::AddPoints;
using testnets::Elevation;

TEST(AdjustmentSweep, NodalPointBetweenTwoBenchmarksGetsTheWeightedMeanAndSettles) {
  TKorNet net;
  testnets::BuildTwoBenchmarkNet(net);
  const auto first = AdjustOnce(net);
  ASSERT_TRUE(first);
  EXPECT_NEAR(Elevation(net, "K"), 103.950, 1e-12);
  EXPECT_NEAR(*first, 0.05, 1e-12);
  EXPECT_EQ(Elevation(net, "A"), 100.0);
  EXPECT_EQ(Elevation(net, "B"), 110.0);

  const double k = Elevation(net, "K");
  const auto second = AdjustOnce(net);
  ASSERT_TRUE(second);
  EXPECT_EQ(Elevation(net, "K"), k);
  EXPECT_EQ(*second, *first);
  EXPECT_TRUE(second.Notices().empty());
}

TEST(AdjustmentSweep, ClosedNetAndNetsWithoutRedundancyShowZeroError) {
  TKorNet closed;
  AddOneRunSection(closed, "A", "K", 4.0, 2, kFixedPoint, kNodalPoint);
  AddOneRunSection(closed, "K", "B", 6.0, 2, kNodalPoint, kFixedPoint);
  AddPoints(closed, {{"A", kFixedPoint, 100}, {"K", kNodalPoint, 0}, {"B", kFixedPoint, 110}});
  EXPECT_EQ(AdjustOnce(closed).Value(), 0.0);
  EXPECT_NEAR(Elevation(closed, "K"), 104.0, 1e-12);

  // A chain hanging from one benchmark: S = N - k, so r = 0, whatever the misclosures.
  TKorNet chain;
  AddOneRunSection(chain, "A", "K", 1.0, 1, kFixedPoint, kNodalPoint);
  AddOneRunSection(chain, "K", "L", 2.0, 1, kNodalPoint, kNodalPoint);
  AddPoints(chain, {{"A", kFixedPoint, 100}, {"K", kNodalPoint, 0}, {"L", kNodalPoint, 0}});
  EXPECT_EQ(AdjustOnce(chain).Value(), 0.0);
}

TEST(AdjustmentSweep, OnlyNodalPointsMoveAndAPointOnNoSectionKeepsItsElevation) {
  TKorNet net;
  AddOneRunSection(net, "A", "M", 1.0, 1, kFixedPoint, kIntermediatePoint);
  AddOneRunSection(net, "M", "B", 1.0, 1, kIntermediatePoint, kFixedPoint);
  AddPoints(
      net, {{"A", kFixedPoint, 10}, {"M", kIntermediatePoint, 0}, {"B", kFixedPoint, 13}, {"Lonely", kNodalPoint, 42}});
  // Misclosures 1 + 10 - 0 = 11 and 1 + 0 - 13 = -12: Q = 265, r = 2 - 4 + 2 = 0.
  EXPECT_EQ(AdjustOnce(net).Value(), 0.0);
  EXPECT_EQ(net.PointElevations.Items(), (std::vector<double>{10, 0, 13, 42}));
}

TEST(AdjustmentSweep, NodalPointOnThreeSectionsTakesTheMeanWeightedTenOverN) {
  TKorNet net;
  AddOneRunSection(net, "A", "K", 1.0, 1, kFixedPoint, kNodalPoint);
  AddOneRunSection(net, "K", "B", 2.0, 2, kNodalPoint, kFixedPoint);
  AddOneRunSection(net, "C", "K", 3.0, 4, kFixedPoint, kNodalPoint);
  AddPoints(net, {{"A", kFixedPoint, 100}, {"K", kNodalPoint, 0}, {"B", kFixedPoint, 103.5}, {"C", kFixedPoint, 97.6}});
  ASSERT_TRUE(AdjustOnce(net));
  const double expected = (10 * 101.0 + 5 * 101.5 + 2.5 * 100.6) / 17.5;
  EXPECT_NEAR(Elevation(net, "K"), expected, 1e-12);
}

TEST(AdjustmentSweep, PointsAreVisitedInTableOrderUsingValuesAlreadyUpdated) {
  // A (100) -> K1 -> K2 -> B (130), each section +10 over 1 setup.
  TKorNet forward;
  AddOneRunSection(forward, "A", "K1", 10, 1, kFixedPoint, kNodalPoint);
  AddOneRunSection(forward, "K1", "K2", 10, 1);
  AddOneRunSection(forward, "K2", "B", 10, 1, kNodalPoint, kFixedPoint);
  ASSERT_TRUE(RebuildPoints(forward));
  SetPointElevation(forward, "A", 100);
  SetPointElevation(forward, "B", 130);
  ASSERT_TRUE(AdjustOnce(forward));
  EXPECT_DOUBLE_EQ(Elevation(forward, "K1"), 50.0);  // from the old K2 = 0
  EXPECT_DOUBLE_EQ(Elevation(forward, "K2"), 90.0);  // from the new K1

  // The same chain with K2 listed first.
  TKorNet backward;
  AddOneRunSection(backward, "K2", "B", 10, 1, kNodalPoint, kFixedPoint);
  AddOneRunSection(backward, "A", "K1", 10, 1, kFixedPoint, kNodalPoint);
  AddOneRunSection(backward, "K1", "K2", 10, 1);
  ASSERT_TRUE(RebuildPoints(backward));
  EXPECT_EQ(backward.PointNames.Items(), (std::vector<std::string>{"K2", "B", "A", "K1"}));
  SetPointElevation(backward, "A", 100);
  SetPointElevation(backward, "B", 130);
  ASSERT_TRUE(AdjustOnce(backward));
  EXPECT_DOUBLE_EQ(Elevation(backward, "K2"), 65.0);
  EXPECT_DOUBLE_EQ(Elevation(backward, "K1"), 82.5);
}

// The nodal points are the unknowns, every other point of the table is held.
std::map<std::string, double> LeastSquaresHeights(const TKorNet& net) {
  return AdjustDense(SectionRuns(net), PointTableHeights(net, [](int32_t type) { return type != kNodalPoint; }))
      .heights;
}

TEST(AdjustmentSweep, RepeatedSweepsReachTheLeastSquaresHeightsOfANetWithLoops) {
  TKorNet net;
  testnets::BuildLoopNet(net);

  const std::map<std::string, double> expected = LeastSquaresHeights(net);
  ASSERT_EQ(expected.size(), 4u);
  std::optional<double> error;
  for (int sweep = 0; sweep < 400; ++sweep) error = AdjustOnce(net).Value();
  for (const auto& [name, height] : expected) EXPECT_NEAR(Elevation(net, name), height, 1e-9) << name;
  ASSERT_TRUE(error);
  EXPECT_GT(*error, 0.0);  // the loops do not close exactly
}

TEST(AdjustmentSweep, ALoopClosingOnItsOwnPointEntersOnlyTheError) {
  TKorNet net;
  AddOneRunSection(net, "A", "K", 1000.0, 2, kFixedPoint, kNodalPoint);
  AddOneRunSection(net, "K", "B", 1000.6, 2, kNodalPoint, kFixedPoint);
  AddOneRunSection(net, "K", "K", 0.8, 4);
  AddPoints(net, {{"A", kFixedPoint, 100000}, {"K", kNodalPoint, 0}, {"B", kFixedPoint, 102000}});
  ASSERT_NEAR(LeastSquaresHeights(net).at("K"), 100999.70, 1e-9);
  std::optional<double> error;
  for (int sweep = 0; sweep < 20; ++sweep) error = AdjustOnce(net).Value();
  EXPECT_NEAR(Elevation(net, "K"), 100999.70, 1e-9);
  // Misclosures 0.3, 0.3 and the loop's 0.8; r = 3 - 3 + 2.
  ASSERT_TRUE(error);
  EXPECT_NEAR(*error, std::sqrt((0.09 / 2 + 0.09 / 2 + 0.64 / 4) / 2), 1e-9);
}

TEST(AdjustmentSweep, MisclosuresTakeTheExactlySpelledPointBeforeACaseTwin) {
  TKorNet net;
  AddOneRunSection(net, "A", "U1", 1.0, 1, kFixedPoint, kNodalPoint);
  AddOneRunSection(net, "U1", "B", 1.0, 1, kNodalPoint, kFixedPoint);
  AddOneRunSection(net, "A", "u1", 5.0, 1, kFixedPoint, kNodalPoint);
  AddOneRunSection(net, "u1", "B", -3.0, 1, kNodalPoint, kFixedPoint);
  AddPoints(net, {{"A", kFixedPoint, 100}, {"U1", kNodalPoint, 0}, {"u1", kNodalPoint, 0}, {"B", kFixedPoint, 102}});
  std::optional<double> error;
  for (int sweep = 0; sweep < 5; ++sweep) error = AdjustOnce(net).Value();
  EXPECT_DOUBLE_EQ(Elevation(net, "U1"), 101.0);
  EXPECT_DOUBLE_EQ(Elevation(net, "u1"), 105.0);
  EXPECT_EQ(error, 0.0) << "the net closes exactly";
}

TEST(AdjustmentSweep, SectionWithoutSetupsIsRefusedAndNothingChanges) {
  TKorNet net;
  testnets::BuildTwoBenchmarkNet(net);
  net.SectionSetups.SetItem(1, 0.0);
  const std::string refusal = AdjustOnce(net).RefusalText();
  EXPECT_EQ(Elevation(net, "K"), 0.0);
  EXPECT_NE(refusal.find("2  [K --> B]"), std::string::npos) << refusal;
  EXPECT_NE(refusal.find("больше нуля"), std::string::npos) << refusal;
}

TEST(AdjustmentSweep, SectionEndMissingFromThePointTableAsksToRebuildIt) {
  TKorNet net;
  testnets::BuildTwoBenchmarkNet(net);
  AddOneRunSection(net, "K", "New", 1.0, 3);
  const std::string refusal = AdjustOnce(net).RefusalText();
  EXPECT_EQ(net.PointElevations.Items(), (std::vector<double>{100, 0, 110}));
  EXPECT_NE(refusal.find("«New»"), std::string::npos) << refusal;
  EXPECT_NE(refusal.find("«Создание нулевых отметок»"), std::string::npos) << refusal;
}

TEST(AdjustmentSweep, NetWithoutSectionsIsRefused) {
  TKorNet net;
  AddPoints(net, {{"K", kNodalPoint, 5}});
  const Result<double> error = AdjustOnce(net);
  EXPECT_FALSE(error.HasValue());
  EXPECT_EQ(error.Notices().size(), 1u);
  EXPECT_EQ(net.PointElevations.GetItem(0), 5.0);
}

// A run of sweeps keeps the plan of the net's shape; every edit between two
// sweeps must give exactly what a sweep planned afresh gives: the same
// elevations bit for bit, or the same refusal with nothing changed.
TEST(AdjustmentSweep, AKeptPlanSweepsExactlyAsAFreshOneThroughEveryEdit) {
  std::mt19937 random(7);
  TKorNet net;
  const std::vector<std::string> names = {"A", "B", "K1", "k1", "K2", "K3", "K4", "K5"};
  for (int s = 0; s < 14; ++s) {
    const std::string from = names[random() % names.size()], to = names[random() % names.size()];
    AddOneRunSection(net, from, to, static_cast<double>(random() % 400) / 100.0, 1 + random() % 9);
  }
  AddOneRunSection(net, "A", "K1", 1.0, 2);
  AddOneRunSection(net, "B", "K2", 1.0, 2);
  AddPoints(net, {{"A", kFixedPoint, 100}, {"B", kFixedPoint, 103}});
  for (const std::string& name : names)
    if (name != "A" && name != "B") AddPoints(net, {{name, kNodalPoint, 0}});
  AddPoints(net, {{"K3", kNodalPoint, 7}});  // a second row of one name

  const std::vector<std::function<void(TKorNet&)>> edits = {
      [](TKorNet&) {},
      [](TKorNet& n) { n.SectionHeights.SetItem(3, 1.25); },
      [](TKorNet& n) { n.SectionSetups.SetItem(2, 0.0); },  // refused
      [](TKorNet& n) { n.SectionSetups.SetItem(2, 4.0); },
      [](TKorNet& n) { n.PointNames.Set(2, "K9"); },  // a section end no longer in the table
      [](TKorNet& n) { n.PointNames.Set(2, "K1"); },
      [](TKorNet& n) { n.PointTypes.SetItem(3, kFixedPoint); },
      [](TKorNet& n) { n.SectionHeights.SetItem(0, std::nan("")); },  // refused
      [](TKorNet& n) { n.SectionHeights.SetItem(0, 0.5); },
      [](TKorNet& n) { AddOneRunSection(n, "K5", "K4", 0.3, 1); },
      [](TKorNet& n) {
        AddOneRunSection(n, "Z1", "Z2", 0.3, 1), AddPoints(n, {{"Z1", kNodalPoint, 0}, {"Z2", kNodalPoint, 0}});
      },
  };
  SweepPlan kept;
  TKorNet fresh = net;
  for (size_t e = 0; e < edits.size(); ++e) {
    edits[e](net);
    edits[e](fresh);
    for (int sweep = 0; sweep < 3; ++sweep) {
      const Result<double> withPlan = AdjustOnce(net, kept);
      const Result<double> planned = AdjustOnce(fresh);
      ASSERT_EQ(withPlan.HasValue(), planned.HasValue()) << "edit " << e;
      if (withPlan.HasValue())
        EXPECT_EQ(*withPlan, *planned) << "edit " << e;
      else
        EXPECT_EQ(withPlan.RefusalText(), planned.RefusalText()) << "edit " << e;
      EXPECT_EQ(net.PointElevations.Items(), fresh.PointElevations.Items()) << "edit " << e;
    }
  }
}

}  // namespace
}  // namespace korvado
