#include <gtest/gtest.h>

#include "AdjustmentNets.h"
#include "PointTable.h"

namespace korvado {
namespace {

using testnets::AddOneRunSection;
using testnets::AddPoints;

std::vector<std::string> Names(const TKorNet& net) { return net.PointNames.Items(); }

TEST(PointTable, PointsAreListedInOrderOfFirstAppearanceAndOnlyBenchmarksKeepTheirElevations) {
  TKorNet net;
  AddOneRunSection(net, "A", "B", 1.0, 1, kFixedPoint, kFixedPoint);
  AddOneRunSection(net, "B", "K", 1.0, 1, kFixedPoint, kNodalPoint);
  AddOneRunSection(net, "K", "A", 1.0, 1, kNodalPoint, kFixedPoint);
  AddOneRunSection(net, "A", "L", 1.0, 1, kFixedPoint, kIntermediatePoint);
  // A stays a benchmark; B was adjusted as a nodal point; K was a benchmark
  // and is nodal now; "old" is no longer in the net.
  AddPoints(net, {{"old", kFixedPoint, 55.0}, {"A", kFixedPoint, 101.5}, {"B", kNodalPoint, 7.0},
                  {"K", kFixedPoint, 44.0}});

  EXPECT_TRUE(RebuildPoints(net).Notices().empty());
  EXPECT_EQ(Names(net), (std::vector<std::string>{"A", "B", "K", "L"}));
  EXPECT_EQ(net.PointTypes.Items(), (std::vector<int32_t>{0, 0, 1, 2}));
  EXPECT_EQ(net.PointElevations.Items(), (std::vector<double>{101.5, 0, 0, 0}));
}

TEST(PointTable, TheTypeOfAPointsFirstAppearanceWins) {
  TKorNet net;
  AddOneRunSection(net, "A", "K", 1.0, 1, kFixedPoint, kNodalPoint);
  AddOneRunSection(net, "K", "B", 1.0, 1, kNodalPoint, kFixedPoint);
  AddOneRunSection(net, "B", "K", 1.0, 1, kFixedPoint, kFixedPoint);  // K claimed fixed later
  ASSERT_TRUE(RebuildPoints(net));
  EXPECT_EQ(Names(net), (std::vector<std::string>{"A", "K", "B"}));
  EXPECT_EQ(net.PointTypes.GetItem(1), kNodalPoint);
}

TEST(PointTable, NamesDifferingInCaseAreDifferentPointsAndAFirstLoopKeepsBothEnds) {
  TKorNet net;
  AddOneRunSection(net, "rp", "rp", 0.0, 1, kFixedPoint, kFixedPoint);
  AddOneRunSection(net, "rp", "Rp", 1.0, 1, kFixedPoint, kNodalPoint);
  AddOneRunSection(net, "Rp", "Rp", 1.0, 1, kNodalPoint, kNodalPoint);
  ASSERT_TRUE(RebuildPoints(net));
  EXPECT_EQ(Names(net), (std::vector<std::string>{"rp", "rp", "Rp"}));
}

TEST(PointTable, ANetWithoutSectionsIsRefusedAndKeepsItsPoints) {
  TKorNet net;
  net.Name = "Пустая";
  AddPoints(net, {{"A", kFixedPoint, 12.5}});
  const Outcome outcome = RebuildPoints(net);
  ASSERT_EQ(outcome.Notices().size(), 1u);
  EXPECT_NE(outcome.RefusalText().find("Пустая"), std::string::npos);
  EXPECT_EQ(Names(net), (std::vector<std::string>{"A"}));
  EXPECT_EQ(net.PointElevations.GetItem(0), 12.5);
}

TEST(PointTable, SetPointElevationSetsTheFirstExactMatchOnly) {
  TKorNet net;
  AddPoints(net, {{"A", kFixedPoint, 0}, {"a", kNodalPoint, 0}, {"A", kNodalPoint, 0}});
  EXPECT_TRUE(SetPointElevation(net, "A", 101.5));
  EXPECT_FALSE(SetPointElevation(net, "Z", 7.0));
  EXPECT_EQ(net.PointElevations.Items(), (std::vector<double>{101.5, 0, 0}));
  EXPECT_TRUE(SetPointElevation(net, "a", 3.0));
  EXPECT_EQ(net.PointElevations.Items(), (std::vector<double>{101.5, 3.0, 0}));
}

}  // namespace
}  // namespace korvado
