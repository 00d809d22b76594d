#include <gtest/gtest.h>

#include "EquivalentCommands.h"
#include "NetTestData.h"
#include "OutcomeTexts.h"
#include "SeparatorScope.h"

namespace korvado {

namespace {

// The runs A -> B observed twice (records 1 and 2), and A -> C once.
AppState TwiceLevelledLine() {
  AppState state;
  AddJournalRun(state.Journal, "A", "B", 4, 10.00);
  AddJournalRun(state.Journal, "A", "C", 2, 1.00);
  AddJournalRun(state.Journal, "A", "B", 6, 10.30);
  return state;
}

ConstructionPage SearchedAt(AppState& state, const std::string& point, int32_t row) {
  ConstructionPage page;
  page.FindText = point;
  FindRuns(state, page);
  page.CurrentRow = row;
  return page;
}

// Merges every run of the dialog's upper list, top first.
void MergeAll(EquiDialog& dialog, EquiResult& result) {
  while (!dialog.Upper.empty()) ASSERT_TRUE(EquiAddSelected(dialog, result));
}

TEST(EquivalentSetups, TwoRunsOfFourAndSixSetupsMergeToTwoPointFour) {
  for (const char separator : {'.', ','}) {
    SeparatorScope scope(separator, " ");
    const std::string dot(1, separator);
    AppState state = TwiceLevelledLine();
    ConstructionPage page = SearchedAt(state, "A", 0);
    EquiDialog dialog = OpenEquiDialog(state, page);
    ASSERT_EQ(dialog.Upper.size(), 2u) << "only the runs to the picked run's fore point";
    EXPECT_EQ(dialog.Upper[1].BackPoint, "A");
    EXPECT_EQ(dialog.Upper[1].SetupsText, "6");
    EXPECT_FALSE(EquiOkEnabled(dialog));

    EquiResult result;
    ASSERT_TRUE(EquiAddSelected(dialog, result));
    EXPECT_EQ(dialog.ResultLabel, "A --> B:  4 шт.   10 мм") << "one run alone keeps its own values";
    ASSERT_TRUE(EquiAddSelected(dialog, result));
    EXPECT_DOUBLE_EQ(result.EquiSetups, 2.4);
    EXPECT_DOUBLE_EQ(result.EquiHeight, 10.12);
    EXPECT_DOUBLE_EQ(result.EquiWeightSum, 1.0 / 4 + 1.0 / 6);
    EXPECT_EQ(dialog.ResultLabel, "A --> B:  2" + dot + "4 шт.   10" + dot + "12 мм");
    EXPECT_EQ(dialog.Lower.size(), 2u);
    EXPECT_TRUE(dialog.Upper.empty());
    EXPECT_TRUE(EquiOkEnabled(dialog));

    EXPECT_TRUE(Silent(EquiAddSelected(dialog, result))) << "nothing left to merge";
    EXPECT_DOUBLE_EQ(result.EquiSetups, 2.4);
  }
}

// The two runs furthest apart close a loop: its misclosure against k·√n of the
// class chosen for the misclosures, n their setups together.
TEST(EquivalentSetups, TheRunsDisagreementIsShownAgainstTheClassTolerance) {
  const struct {
    ToleranceClass levelClass;
    std::vector<double> heights;  // A -> B, 2 setups each
    std::string label;            // after the last merge
    bool within;
  } cases[] = {
      {ToleranceClass::Technical,
       {10.00, 10.30},
       "Расхождение 0.30 мм, допуск 20.00 мм (Техническое, n = 4): в допуске",
       true},
      // Not 1.00 − 31.00 in the order merged: the highest minus the lowest.
      {ToleranceClass::FourthClass,
       {1.00, 31.00, 20.00},
       "Расхождение 30.00 мм, допуск 10.00 мм (IV класс, n = 4): превышает допуск",
       false},
      // Exactly at the limit passes, as in «Невязки».
      {ToleranceClass::FourthClass,
       {0.00, -10.00},
       "Расхождение 10.00 мм, допуск 10.00 мм (IV класс, n = 4): в допуске",
       true},
  };
  SeparatorScope scope('.', " ");
  for (const auto& c : cases) {
    AppState state;
    for (const double height : c.heights) AddJournalRun(state.Journal, "A", "B", 2, height);
    state.LoopTolerance.levelClass = c.levelClass;
    ConstructionPage page = SearchedAt(state, "A", 0);
    EquiDialog dialog = OpenEquiDialog(state, page);
    EquiResult result;
    ASSERT_TRUE(EquiAddSelected(dialog, result));
    EXPECT_EQ(dialog.SpreadLabel, "") << "one run disagrees with nothing";
    EXPECT_TRUE(dialog.SpreadWithinTolerance);
    MergeAll(dialog, result);
    EXPECT_EQ(dialog.SpreadLabel, c.label);
    EXPECT_EQ(dialog.SpreadWithinTolerance, c.within) << c.label;
  }
}

TEST(EquivalentSetups, ThreeRunsOfTwoSetupsShowTwoThirdsToFifteenDigits) {
  for (const char separator : {'.', ','}) {
    SeparatorScope scope(separator, " ");
    AppState state;
    for (double h : {1.00, 1.01, 1.04}) AddJournalRun(state.Journal, "P", "Q", 2, h);
    ConstructionPage page = SearchedAt(state, "P", 2);
    EquiDialog dialog = OpenEquiDialog(state, page);
    EquiResult result;
    MergeAll(dialog, result);
    EXPECT_EQ(dialog.ResultLabel, "P --> Q:  0" + std::string(1, separator) + "666666666666667 шт.   1" +
                                      std::string(1, separator) + "02 мм");
  }
}

TEST(EquivalentSetups, TheMergedRunGoesInAsANewSectionKeepingEveryReference) {
  AppState state = TwiceLevelledLine();
  ASSERT_EQ(AddChainNet(state.Nets, "N", {{"Rp1", "A"}}), 0);
  state.CurrentNetIndex = 0;
  // The surveyor picked the second observation (record 3) but merged record 1 first.
  ConstructionPage page = SearchedAt(state, "A", 2);
  ASSERT_TRUE(CanMergeForNewSection(state, page));
  EquiDialog dialog = OpenEquiDialog(state, page);
  EquiResult result;
  MergeAll(dialog, result);
  EXPECT_EQ(result.Refs, (std::vector<int32_t>{3, 1}));

  const Result<PointTypeQuestion> question = PrepareEquiSection(state, result);
  ASSERT_TRUE(question);
  EXPECT_EQ(question->BackLabel, "Задняя точка: A");
  EXPECT_EQ(question->ForeLabel, "Передняя точка: B");
  EXPECT_FALSE(question->BackTypeFixed);
  ASSERT_TRUE(AddEquiSection(state, page, result, {kNodalPoint, kNodalPoint}));

  const TKorNet& net = state.Nets.NetAt(0);
  ASSERT_EQ(net.SectionCount(), 2);
  EXPECT_EQ(state.ActiveSectionIndex, 1);
  const TKorNetDetailTable& table = net.SectionTables.TableAt(1);
  EXPECT_EQ(table.RunBackPoints[0], "A");
  EXPECT_EQ(table.RunForePoints[0], "B");
  EXPECT_DOUBLE_EQ(table.RunSetups.GetItem(0), 2.4);
  EXPECT_DOUBLE_EQ(table.RunHeights.GetItem(0), 10.12);
  EXPECT_EQ(table.RunRefs.ListAt(0).Items(), (std::vector<int32_t>{3, 1}));
  EXPECT_EQ(net.SectionTables.TableAt(0).RunRefs.ListAt(0).Count(), 1) << "other runs keep one reference";
  EXPECT_EQ(page.FindText, "B") << "the search goes on from the new end";
}

TEST(EquivalentSetups, TheMergedRunIsAppendedFromTheEndOfTheActiveSection) {
  AppState state = TwiceLevelledLine();
  AddChainNet(state.Nets, "N", {{"Rp1", "Q"}});
  state.Nets.NetAt(0).SectionEndTypes.SetItem(0, kIntermediatePoint);
  state.Nets.NetAt(0).SectionTables.TableAt(0).RunForeTypes.SetItem(0, kIntermediatePoint);
  state.CurrentNetIndex = 0;
  state.ActiveSectionIndex = 0;
  ConstructionPage page = SearchedAt(state, "A", 0);
  ASSERT_TRUE(CanMergeForActiveSection(state, page));
  EquiDialog dialog = OpenEquiDialog(state, page);
  EquiResult result;
  MergeAll(dialog, result);
  EXPECT_EQ(result.Refs, (std::vector<int32_t>{1, 3}));

  const Result<PointTypeQuestion> question = PrepareEquiRun(state, result);
  ASSERT_TRUE(question);
  EXPECT_TRUE(question->BackTypeFixed);
  EXPECT_EQ(question->BackType, kIntermediatePoint);
  ASSERT_TRUE(AppendEquiRun(state, page, result, kNodalPoint));

  const TKorNet& net = state.Nets.NetAt(0);
  const TKorNetDetailTable& table = net.SectionTables.TableAt(0);
  ASSERT_EQ(table.RunCount(), 2);
  EXPECT_EQ(table.RunBackPoints[1], "Q") << "the run starts where the section ended";
  EXPECT_EQ(table.RunForePoints[1], "B");
  EXPECT_EQ(table.RunBackTypes.GetItem(1), kIntermediatePoint);
  EXPECT_EQ(table.RunRefs.ListAt(1).Items(), (std::vector<int32_t>{1, 3}));
  EXPECT_EQ(net.SectionEnds[0], "B");
  EXPECT_DOUBLE_EQ(net.SectionSetups.GetItem(0), 2.0 + 2.4);
}

TEST(EquivalentSetups, RowsThatCannotBeMergedAreRefusedWithAMessage) {
  EquiDialog dialog;
  dialog.Upper.push_back({"A", "B", "", "", "", 0});
  dialog.Upper.push_back({"A", "B", "0", "1.00", "", 2});
  dialog.Upper.push_back({"A", "B", "3", "1234567.00", "", -4});
  dialog.Upper.push_back({"A", "B", "3", "1.50", "", 5});
  EquiResult result;
  std::vector<std::string> refusals;
  for (int32_t row = 0; row < 3; ++row) {
    dialog.UpperRow = row;
    const Outcome added = EquiAddSelected(dialog, result);
    EXPECT_FALSE(added) << "row " << row;
    refusals.push_back(added.RefusalText());
  }
  EXPECT_NE(refusals[2].find("№ 4"), std::string::npos) << refusals[2];
  EXPECT_TRUE(dialog.Lower.empty());
  EXPECT_FALSE(EquiOkEnabled(dialog));
  EXPECT_EQ(result.EquiSetups, 0.0);

  dialog.UpperRow = 3;
  ASSERT_TRUE(EquiAddSelected(dialog, result));
  EXPECT_EQ(dialog.Upper.size(), 3u);
  EXPECT_EQ(dialog.UpperRow, 2) << "the selection stays on a row that exists";
}

TEST(EquivalentSetups, NothingIsAddedWithoutANetASectionOrAMerge) {
  AppState state = TwiceLevelledLine();
  ConstructionPage page = SearchedAt(state, "A", 0);
  EXPECT_FALSE(CanMergeForNewSection(state, page));
  EXPECT_FALSE(CanMergeForActiveSection(state, page));

  AddChainNet(state.Nets, "N", {{"Rp1", "A"}});
  state.CurrentNetIndex = 0;
  state.ActiveSectionIndex = 1;
  EXPECT_FALSE(CanMergeForActiveSection(state, page)) << "stale active section";
  const EquiResult none;
  EXPECT_FALSE(PrepareEquiSection(state, none));
  EXPECT_FALSE(AddEquiSection(state, page, none, {0, 1}));
  state.ActiveSectionIndex = 0;
  EXPECT_FALSE(AppendEquiRun(state, page, none, 1));
  EXPECT_EQ(state.Nets.NetAt(0).SectionCount(), 1);
  EXPECT_EQ(state.Nets.NetAt(0).SectionTables.TableAt(0).RunCount(), 1);

  page.CurrentRow = -1;
  EXPECT_EQ(CanMergeForNewSection(state, page).RefusalText(), kStartRunNotFoundMessage);
}

TEST(EquivalentSetups, APickedRunLeftOutOfTheMergeIsNotReferenced) {
  AppState state = TwiceLevelledLine();
  ConstructionPage page = SearchedAt(state, "A", 0);
  EquiDialog dialog = OpenEquiDialog(state, page);
  dialog.UpperRow = 1;
  EquiResult result;
  ASSERT_TRUE(EquiAddSelected(dialog, result));
  EXPECT_EQ(result.Refs, std::vector<int32_t>{3});
  EXPECT_DOUBLE_EQ(result.EquiSetups, 6.0);
}

}  // namespace
}  // namespace korvado
