#include <gtest/gtest.h>

#include "EquivalentRun.h"

namespace korvado {
namespace {

TEST(EquivalentRun, TwoRunsOfFourAndSixSetupsGiveTwoPointFourSetupsAndWeightedMean) {
  const auto merged = MergeRuns({{10.00, 4}, {10.30, 6}});
  ASSERT_TRUE(merged);
  EXPECT_DOUBLE_EQ(merged->setups, 2.4);
  EXPECT_DOUBLE_EQ(merged->height, 10.12);
  EXPECT_DOUBLE_EQ(merged->weightSum, 1.0 / 4 + 1.0 / 6);
}

TEST(EquivalentRun, OneRunKeepsItsSetupsAndIsRoundedToTwoDecimals) {
  const auto merged = MergeRuns({{3.14159, 5}});
  ASSERT_TRUE(merged);
  EXPECT_DOUBLE_EQ(merged->setups, 5.0);
  EXPECT_DOUBLE_EQ(merged->height, 3.14);
}

TEST(EquivalentRun, ThreeRunsOfTwoSetupsGiveTwoThirdsAndHalvesRoundToEven) {
  const auto merged = MergeRuns({{1.00, 2}, {1.01, 2}, {1.04, 2}});
  ASSERT_TRUE(merged);
  EXPECT_DOUBLE_EQ(merged->setups, 2.0 / 3.0);
  EXPECT_DOUBLE_EQ(merged->height, 1.02);  // mean 1.0166.. -> 1.02
  // The mean 0.125 lies on a half: it goes to the even neighbour 0.12.
  EXPECT_DOUBLE_EQ(MergeRuns({{0.10, 1}, {0.15, 1}})->height, 0.12);
}

TEST(EquivalentRun, NothingOrARunWithoutSetupsCannotBeMerged) {
  EXPECT_FALSE(MergeRuns({}));
  EXPECT_FALSE(MergeRuns({{1.0, 2}, {1.0, 0}}));
  EXPECT_FALSE(MergeRuns({{1.0, -3}}));
}

}  // namespace
}  // namespace korvado
