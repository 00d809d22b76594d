#include <gtest/gtest.h>

#include <functional>

#include "../processing/AdjustmentNets.h"
#include "AccuracyCells.h"
#include "LeastSquaresCommands.h"
#include "LocaleSeparatorTest.h"
#include "OutcomeTexts.h"

namespace korvado {
namespace {

class LeastSquaresCommands : public LocaleSeparatorTest {
 protected:
  LeastSquaresCommands() {
    EXPECT_TRUE(state.Nets.AddNet("Сеть 1"));
    testnets::BuildTwoBenchmarkNet(state.Nets.NetAt(0));
    state.CurrentNetIndex = 0;
    state.IterationCounter = 7;
  }
  TKorNet& Net() { return state.Nets.NetAt(0); }
  AppState state;
};

// The heights are written like a sweep writes them, the sweep counter stays,
// and the accuracy view follows the a-priori σ until the net changes.
TEST_P(LeastSquaresCommands, AdjustWritesHeightsAndKeepsTheResultWhileTheNetIsUnchanged) {
  const Result<LeastSquaresListView> adjusted = AdjustCurrentNetByLeastSquares(state);
  ASSERT_TRUE(adjusted);
  EXPECT_NEAR(testnets::Elevation(Net(), "K"), 103.95, 1e-12);
  EXPECT_TRUE(state.Changed);
  EXPECT_EQ(state.IterationCounter, 7);
  EXPECT_EQ(adjusted->sigmas, (std::vector<std::string>{Dec("0.00"), Dec("0.05"), Dec("0.00")}));
  EXPECT_EQ(adjusted->methodCaption, "МНК, r = 1");
  EXPECT_EQ(adjusted->resultCaption, Dec("σ₀ = 0.05 мм, χ² = 0.01 в [0.00; 5.02]: принят"));

  AccuracyTables tables = CurrentAccuracyTables(state);
  ASSERT_EQ(tables.sections.size(), 2u);
  EXPECT_EQ(tables.sections[0],
            (std::vector<std::string>{"A", "K", "2", "4", Dec("-0.05"), Dec("0.50"), Dec("-0.10"), ""}));
  EXPECT_EQ(tables.points[1], (std::vector<std::string>{"K", "Узловая точка", Dec("103.95"), Dec("0.05")}));

  for (const char* text : {"abc", "0"}) EXPECT_EQ(Refusals(SetSigmaPerSetup(state, text)).size(), 1u) << text;
  EXPECT_EQ(state.SigmaPerSetup, 0.5);
  ASSERT_TRUE(SetSigmaPerSetup(state, Dec("0.01")));
  EXPECT_EQ(state.SigmaPerSetup, 0.01);
  tables = CurrentAccuracyTables(state);
  EXPECT_EQ(tables.sections[0][6], Dec("-5.00"));
  // Two equal |w| above 3.29: one section is marked, not both.
  EXPECT_EQ((tables.sections[0][7] == kSuspectMark) + (tables.sections[1][7] == kSuspectMark), 1);

  // Any change of the net since, the heights the adjustment wrote included
  // (an undo puts the old ones back), leaves nothing to show.
  for (const std::function<void()>& change :
       {std::function<void()>([&] { Net().SectionHeights.SetItem(0, 4.01); }),
        std::function<void()>([&] { Net().PointElevations.SetItem(1, 103.90); })}) {
    ASSERT_TRUE(AdjustCurrentNetByLeastSquares(state));
    change();
    tables = CurrentAccuracyTables(state);
    EXPECT_TRUE(tables.points.empty());
    EXPECT_NE(tables.summary.find("«Уравнять по МНК»"), std::string::npos);
  }
}

// The window's cells are made from a copy: what it shows stays whole and
// the same however the data change after it was filled, the net deleted included.
TEST_P(LeastSquaresCommands, AccuracyCellsKeepWhatTheyShowWhenTheDataChangeAfterwards) {
  EXPECT_EQ(AccuracyCells(state).PointRowCount(), 0) << "nothing kept yet";
  ASSERT_TRUE(AdjustCurrentNetByLeastSquaresWithoutRows(state));
  const AccuracyTables before = CurrentAccuracyTables(state);
  const AccuracyCells cells(state);
  ASSERT_EQ(cells.Net(), 0);
  Net().SectionStarts.Set(0, "Z");
  Net().SectionHeights.SetItem(0, 9.99);
  Net().PointNames.Set(1, "Y");
  state.Nets.DeleteNet(0);
  EXPECT_EQ(cells.Summary(), before.summary);
  ASSERT_EQ(cells.PointRowCount(), static_cast<int32_t>(before.points.size()));
  for (int32_t row = 0; row < cells.PointRowCount(); ++row) {
    EXPECT_EQ(cells.PointRow(row), before.points[row]);
    EXPECT_EQ(cells.FullElevation(row), before.fullElevations[row]);
  }
  ASSERT_EQ(cells.SectionRowCount(), static_cast<int32_t>(before.sections.size()));
  for (int32_t s = 0; s < cells.SectionRowCount(); ++s) EXPECT_EQ(cells.SectionRow(s), before.sections[s]);
  EXPECT_EQ(cells.AbsoluteW(), before.absoluteW);
  EXPECT_EQ(cells.Suspect(), before.suspect);
}

TEST_P(LeastSquaresCommands, RefusalChangesNothing) {
  Net().PointTypes.SetItem(2, kNodalPoint);
  Net().PointTypes.SetItem(0, kNodalPoint);
  const std::vector<std::string> refusals = Refusals(AdjustCurrentNetByLeastSquares(state));
  ASSERT_EQ(refusals.size(), 1u);
  EXPECT_NE(refusals[0].find("жесткой точки"), std::string::npos) << refusals[0];
  EXPECT_FALSE(state.Changed);
  EXPECT_FALSE(state.LastLeastSquares);
  EXPECT_EQ(testnets::Elevation(Net(), "K"), 0.0);
}

KORVADO_WITH_BOTH_SEPARATORS(LeastSquaresCommands);

}  // namespace
}  // namespace korvado
