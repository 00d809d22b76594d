#include <gtest/gtest.h>

#include "../processing/AdjustmentNets.h"
#include "AdjustmentCommands.h"
#include "LocaleSeparatorTest.h"
#include "OutcomeTexts.h"

namespace korvado {
namespace {

// The journal and a net A -> K -> B with benchmarks A and B, as the user leaves it
// after building the net: no point table yet.
struct adjustmentPage {
  AppState state;
  adjustmentPage() {
    EXPECT_TRUE(state.Journal.AddRecord("A", "K", 2, ""));
    state.Journal.HeightDiffs.SetItem(0, 4.0);
    EXPECT_TRUE(state.Journal.AddRecord("K", "B", 2, ""));
    state.Journal.HeightDiffs.SetItem(1, 6.1);
    TKorNet& net = state.Nets.NetAt(*state.Nets.AddNet("Сеть 1"));
    EXPECT_TRUE(net.AddSection("A", "K", kFixedPoint, kNodalPoint, 4.0, 2, 1));
    EXPECT_TRUE(net.AddSection("K", "B", kNodalPoint, kFixedPoint, 6.1, 2, 2));
    state.CurrentNetIndex = 0;
  }
  TKorNet& Net() { return state.Nets.NetAt(0); }
};

class AdjustmentCommands : public LocaleSeparatorTest {
 protected:
  adjustmentPage page;
};

TEST_P(AdjustmentCommands, ZeroElevationsThenBenchmarksThenTwoSweeps) {
  page.state.IterationCounter = 17;
  ASSERT_TRUE(RebuildCurrentNetPoints(page.state));
  const auto dialog = OpenOriginAltitudes(page.state);
  ASSERT_TRUE(dialog);
  EXPECT_EQ(dialog->title, "Отметки жестких точек   Сеть 1");
  EXPECT_EQ(dialog->rows, (std::vector<AltitudeRow>{{"A", "0"}, {"B", "0"}}));
  ASSERT_TRUE(ApplyOriginAltitudes(page.state, {{"A", Dec("100.000")}, {"B", "110"}}));
  EXPECT_EQ(page.state.IterationCounter, 0);

  const auto first = EquateCurrentNet(page.state);
  ASSERT_TRUE(first);
  EXPECT_EQ(first->rows, (std::vector<EquateRow>{{kFixedPoint, "A", Dec("100.00"), "100"},
                                                 {kNodalPoint, "K", Dec("103.95"), Dec("103.95")},
                                                 {kFixedPoint, "B", Dec("110.00"), "110"}}));
  EXPECT_EQ(first->iterationCaption, "Итерация: 1");
  EXPECT_EQ(first->errorCaption, Dec("СКО: 0.05 мм"));

  const auto second = EquateCurrentNet(page.state);
  ASSERT_TRUE(second);
  EXPECT_EQ(second->rows, first->rows);
  EXPECT_EQ(second->iterationCaption, "Итерация: 2");
  EXPECT_EQ(second->errorCaption, Dec("СКО: 0.05 мм"));
  EXPECT_TRUE(page.state.Changed);
}

TEST_P(AdjustmentCommands, CounterRestartsAfterTheBenchmarkDialogConfirmedOrCancelled) {
  ASSERT_TRUE(RebuildCurrentNetPoints(page.state));
  ASSERT_TRUE(ApplyOriginAltitudes(page.state, {{"A", "100"}, {"B", "110"}}));
  EXPECT_TRUE(EquateCurrentNet(page.state));
  EXPECT_TRUE(EquateCurrentNet(page.state));
  CancelOriginAltitudes(page.state);
  EXPECT_EQ(EquateCurrentNet(page.state)->iterationCaption, "Итерация: 1");
  ASSERT_TRUE(ApplyOriginAltitudes(page.state, {{"A", "100"}}));
  EXPECT_EQ(EquateCurrentNet(page.state)->iterationCaption, "Итерация: 1");
  page.state.IterationCounter = 65535;  // a long run of sweeps goes on counting, never back to 0
  EXPECT_EQ(EquateCurrentNet(page.state)->iterationCaption, "Итерация: 65536");
}

TEST_P(AdjustmentCommands, ClosedNetShowsZeroErrorWithTheLocaleSeparator) {
  page.Net().SectionHeights.SetItem(1, 6.0);
  ASSERT_TRUE(RebuildCurrentNetPoints(page.state));
  ASSERT_TRUE(ApplyOriginAltitudes(page.state, {{"A", "100"}, {"B", "110"}}));
  EXPECT_EQ(EquateCurrentNet(page.state)->errorCaption, Dec("СКО: 0.00 мм"));
}

TEST_P(AdjustmentCommands, BadBenchmarkValueKeepsElevationsAndTheCounter) {
  ASSERT_TRUE(RebuildCurrentNetPoints(page.state));
  ASSERT_TRUE(ApplyOriginAltitudes(page.state, {{"A", "100"}, {"B", "110"}}));
  EXPECT_TRUE(EquateCurrentNet(page.state));
  const std::vector<double> before = page.Net().PointElevations.Items();
  EXPECT_EQ(Refusals(ApplyOriginAltitudes(page.state, {{"A", "101"}, {"B", "сто десять"}})).size(), 1u);
  EXPECT_EQ(page.Net().PointElevations.Items(), before);
  EXPECT_EQ(page.state.IterationCounter, 1);
}

TEST_P(AdjustmentCommands, RefusedSweepLeavesElevationsAndCounterAlone) {
  ASSERT_TRUE(RebuildCurrentNetPoints(page.state));
  ASSERT_TRUE(ApplyOriginAltitudes(page.state, {{"A", "100"}, {"B", "110"}}));
  EXPECT_TRUE(page.Net().AddSection("B", "C", kFixedPoint, kNodalPoint, 1.0, 1, 0));  // after the rebuild
  // The net as if read from a file, so that the refused sweep has nothing of its own to record.
  page.state.Changed = false;
  page.state.History.Reset(page.state);
  const std::vector<std::string> refusals = Refusals(EquateCurrentNet(page.state));
  EXPECT_EQ(page.state.IterationCounter, 0);
  EXPECT_EQ(page.Net().PointElevations.Items(), (std::vector<double>{100, 0, 110}));
  EXPECT_FALSE(page.state.Changed);
  ASSERT_EQ(refusals.size(), 1u);
  EXPECT_NE(refusals[0].find("«Создание нулевых отметок»"), std::string::npos);
}

TEST_P(AdjustmentCommands, WithoutACurrentNetEveryCommandSaysSoAndChangesNothing) {
  page.state.CurrentNetIndex = 3;  // stale: the list holds one net
  page.state.IterationCounter = 5;
  for (const Outcome& refused : {RebuildCurrentNetPoints(page.state), Outcome(OpenOriginAltitudes(page.state)),
                                 ApplyOriginAltitudes(page.state, {{"A", "1"}}), Outcome(EquateCurrentNet(page.state))})
    EXPECT_EQ(Refusals(refused), std::vector<std::string>{kNoCurrentNetMessage});
  EXPECT_EQ(page.state.IterationCounter, 5);
  EXPECT_EQ(page.Net().PointCount(), 0);
  EXPECT_FALSE(page.state.Changed);
}

TEST_P(AdjustmentCommands, NetUpdateCopiesTheCorrectedJournalIntoTheNet) {
  page.state.Journal.HeightDiffs.SetItem(1, 6.3);
  EXPECT_TRUE(UpdateNetsFromJournal(page.state));
  EXPECT_EQ(page.Net().SectionHeights.GetItem(1), 6.3);
  EXPECT_TRUE(page.state.Changed);

  AppState empty;
  EXPECT_TRUE(UpdateNetsFromJournal(empty));
  EXPECT_FALSE(empty.Changed);
}

KORVADO_WITH_BOTH_SEPARATORS(AdjustmentCommands);

}  // namespace
}  // namespace korvado
