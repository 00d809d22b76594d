#include <gtest/gtest.h>

#include "../processing/AdjustmentNets.h"
#include "ElevationCommands.h"
#include "LocaleSeparatorTest.h"

namespace korvado {
namespace {

class ElevationCommands : public LocaleSeparatorTest {
 protected:
  AppState state;
  void SetUp() override {
    TKorNet& net = state.Nets.NetAt(*state.Nets.AddNet("Сеть 1"));
    testnets::BuildTwoRunSectionNet(net);
  }
};

TEST_P(ElevationCommands, SectionNodeShowsItsTableAndNetOrMissingNodesShowOneEmptyRow) {
  const std::vector<ElevationRow> rows = AltitudeTableForNode(state, 0, 0).Value().value();
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(ShownElevation(rows[1]), Dec("101.01"));
  const std::vector<ElevationRow> empty{ElevationRow{}};
  EXPECT_EQ(AltitudeTableForNode(state, 0, -1).Value(), empty);
  EXPECT_EQ(AltitudeTableForNode(state, -1, -1).Value(), empty);
  EXPECT_EQ(AltitudeTableForNode(state, 0, 1).Value(), empty);  // a stale tree
  EXPECT_EQ(AltitudeTableForNode(state, 4, 0).Value(), empty);
}

TEST_P(ElevationCommands, SelectedBlockIsCopiedWithTabsAndCrLf) {
  const std::vector<ElevationRow> rows = AltitudeTableForNode(state, 0, 0).Value().value();
  EXPECT_EQ(AltitudeTableCopyText(rows, 0, 0, 2, 1), Dec("A\t100.00\r\nX\t101.01\r\nB\t103.03"));
  EXPECT_EQ(AltitudeTableCopyText(rows, 1, 1, 2, 1), Dec("101.01\r\n103.03"));
  EXPECT_EQ(AltitudeTableCopyText(rows, 0, 0, 99, 99), AltitudeTableCopyText(rows, 0, 0, 2, 1));
}

TEST_P(ElevationCommands, ReportNeedsANetAndTheTreeListsEveryNet) {
  EXPECT_FALSE(AltitudeNetReport(state, 1));
  EXPECT_FALSE(AltitudeNetReport(state, -1));
  const auto report = AltitudeNetReport(state, 0);
  ASSERT_TRUE(report);
  EXPECT_EQ(report->size(), 3u);
  const std::vector<TreeNetNode> tree = AltitudeTree(state);
  ASSERT_EQ(tree.size(), 1u);
  EXPECT_EQ(tree[0].sections.at(0).caption, "1  [A --> B]");
}

KORVADO_WITH_BOTH_SEPARATORS(ElevationCommands);

}  // namespace
}  // namespace korvado
