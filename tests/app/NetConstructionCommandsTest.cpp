#include <gtest/gtest.h>

#include "ActiveSectionView.h"
#include "NetConstructionCommands.h"
#include "NetTestData.h"
#include "OutcomeTexts.h"
#include "SeparatorScope.h"

namespace korvado {

namespace {

const TKorNetDetailTable& Table(const AppState& state, int32_t net, int32_t section) {
  return state.Nets.NetAt(net).SectionTables.TableAt(section);
}

void Search(AppState& state, ConstructionPage& page, const std::string& point) {
  page.FindText = point;
  FindRuns(state, page);
}

// Picks the row leading to `fore` and answers the dialogs of "Добавить сеть".
void StartNet(AppState& state, ConstructionPage& page, const std::string& from, const std::string& fore,
              PointTypeChoice types) {
  Search(state, page, from);
  for (size_t r = 0; r < page.Rows.size(); ++r)
    if (page.Rows[r].ForePoint == fore) page.CurrentRow = static_cast<int32_t>(r);
  ASSERT_TRUE(PrepareAddNet(state, page));
  ASSERT_TRUE(CreateNetForPick(state, "Сеть"));
  ASSERT_TRUE(AddSectionFromPick(state, page, types));
}

TEST(NetConstruction, SearchListsTheRunsAtAPointWithTheirReferences) {
  AppState state;
  AddJournalRun(state.Journal, "A", "B", 2, 1.25);
  AddJournalRun(state.Journal, "K", "A", 3, -0.40);
  ConstructionPage page;
  Search(state, page, "A");
  ASSERT_EQ(page.Rows.size(), 2u);
  EXPECT_EQ(page.Rows[0].ForePoint, "B");
  EXPECT_EQ(page.Rows[0].HeightText, "1.25");
  EXPECT_EQ(page.Rows[1].ForePoint, "K");
  EXPECT_EQ(page.Rows[1].SetupsText, "3");
  EXPECT_EQ(page.Rows[1].HeightText, "0.40");
  EXPECT_EQ(state.SearchHits.Items(), (std::vector<int32_t>{1, -2}));
  EXPECT_EQ(page.CurrentRow, 0);

  Search(state, page, "nothing");
  EXPECT_TRUE(page.Rows.empty());
  EXPECT_EQ(state.SearchHits.Count(), 0) << "the hits always match the rows";
  EXPECT_EQ(Refusals(PrepareAddNet(state, page)), std::vector<std::string>{kStartRunNotFoundMessage});
  EXPECT_EQ(state.Nets.NetCount(), 0);
}

TEST(NetConstruction, AReversedRunIsStoredFromTheSearchedPointWithNegatedHeightAndReference) {
  for (const char separator : {'.', ','}) {
    SeparatorScope scope(separator, " ");
    AppState state;
    AddJournalRun(state.Journal, "A", "B", 2, 1.25);
    AddJournalRun(state.Journal, "X", "A", 4, 0.75);
    ConstructionPage page;
    Search(state, page, "A");
    page.CurrentRow = 1;
    const Result<PointTypeQuestion> question = PrepareAddNet(state, page);
    ASSERT_TRUE(question);
    EXPECT_EQ(question->BackLabel, "Задняя точка: A");
    EXPECT_EQ(question->ForeLabel, "Передняя точка: X");
    EXPECT_FALSE(question->BackTypeFixed);

    EXPECT_EQ(CreateNetForPick(state, "Первая").Value(), 0);
    EXPECT_EQ(state.CurrentNetIndex, 0);
    ASSERT_TRUE(AddSectionFromPick(state, page, {0, 1}));
    const TKorNet& net = state.Nets.NetAt(0);
    EXPECT_EQ(net.Name, "Первая");
    EXPECT_EQ(net.SectionStarts[0], "A");
    EXPECT_EQ(net.SectionEnds[0], "X");
    EXPECT_EQ(net.SectionStartTypes.GetItem(0), 0);
    EXPECT_EQ(net.SectionEndTypes.GetItem(0), 1);
    EXPECT_DOUBLE_EQ(net.SectionHeights.GetItem(0), -0.75);
    EXPECT_EQ(net.SectionSetups.GetItem(0), 4.0);
    EXPECT_EQ(Table(state, 0, 0).RunRefs.ListAt(0).Items(), std::vector<int32_t>{-2});
    EXPECT_EQ(state.ActiveSectionIndex, 0);
    EXPECT_TRUE(state.Changed);
  }
}

TEST(NetConstruction, TheNetHoldsTheHeightAsShownToTwoDecimals) {
  AppState state;
  AddJournalRun(state.Journal, "A", "B", 2, 1.255);
  ConstructionPage page;
  StartNet(state, page, "A", "B", {0, 2});
  EXPECT_DOUBLE_EQ(Table(state, 0, 0).RunHeights.GetItem(0), 1.26);
}

TEST(NetConstruction, ADoubleClickWalkExtendsAtIntermediatePointsAndStartsSectionsAtNodalOnes) {
  AppState state;
  AddJournalRun(state.Journal, "Rp1", "A", 2, 1.00);
  AddJournalRun(state.Journal, "A", "B", 3, 0.50);
  AddJournalRun(state.Journal, "C", "B", 2, 0.25);
  AddJournalRun(state.Journal, "C", "Rp2", 4, 0.30);
  ConstructionPage page;
  StartNet(state, page, "Rp1", "A", {kFixedPoint, kIntermediatePoint});

  // The search went on at A, past the run back to Rp1.
  EXPECT_EQ(page.FindText, "A");
  ASSERT_EQ(page.Rows.size(), 2u);
  EXPECT_EQ(page.CurrentRow, 1);
  EXPECT_TRUE(page.FocusResults);
  ASSERT_EQ(DoubleClickCommand(state).Value(), PickCommand::AddRun);
  const Result<PointTypeQuestion> runQuestion = PrepareAddRun(state, page);
  ASSERT_TRUE(runQuestion);
  EXPECT_EQ(runQuestion->BackLabel, "Задняя точка: A");
  EXPECT_TRUE(runQuestion->BackTypeFixed);
  EXPECT_EQ(runQuestion->BackType, kIntermediatePoint);
  ASSERT_TRUE(AppendRunFromPick(state, page, kNodalPoint));

  // B is nodal: the next pick starts a new section there.
  EXPECT_EQ(page.FindText, "B");
  EXPECT_EQ(page.Rows[page.CurrentRow].ForePoint, "C");
  ASSERT_EQ(DoubleClickCommand(state).Value(), PickCommand::AddSection);
  const Result<PointTypeQuestion> sectionQuestion = PrepareAddSection(state, page);
  ASSERT_TRUE(sectionQuestion);
  EXPECT_EQ(sectionQuestion->BackLabel, "Задняя точка: B");
  EXPECT_FALSE(sectionQuestion->BackTypeFixed);
  ASSERT_TRUE(AddSectionFromPick(state, page, {kNodalPoint, kIntermediatePoint}));

  const TKorNet& net = state.Nets.NetAt(0);
  ASSERT_EQ(net.SectionCount(), 2);
  EXPECT_EQ(net.SectionStarts[0], "Rp1");
  EXPECT_EQ(net.SectionEnds[0], "B");
  EXPECT_EQ(net.SectionEndTypes.GetItem(0), kNodalPoint);
  EXPECT_DOUBLE_EQ(net.SectionHeights.GetItem(0), 1.50);
  EXPECT_EQ(net.SectionSetups.GetItem(0), 5.0);
  EXPECT_EQ(Table(state, 0, 0).RunBackTypes.GetItem(1), kIntermediatePoint);
  EXPECT_EQ(Table(state, 0, 0).RunRefs.ListAt(1).Items(), std::vector<int32_t>{2});
  EXPECT_EQ(net.SectionStarts[1], "B");
  EXPECT_EQ(net.SectionEnds[1], "C");
  EXPECT_DOUBLE_EQ(net.SectionHeights.GetItem(1), -0.25);
  EXPECT_EQ(Table(state, 0, 1).RunRefs.ListAt(0).Items(), std::vector<int32_t>{-3});
  EXPECT_EQ(state.ActiveSectionIndex, 1);
  EXPECT_EQ(DoubleClickCommand(state).Value(), PickCommand::AddRun);
}

TEST(NetConstruction, ContinueSearchPreselectsTheRowAboveTheRunLeadingBack) {
  AppState state;
  AddJournalRun(state.Journal, "L", "M", 1, 0.1);
  AddJournalRun(state.Journal, "L", "N", 1, 0.2);
  AddJournalRun(state.Journal, "K", "L", 1, 0.3);
  ConstructionPage page;
  StartNet(state, page, "K", "L", {0, 2});
  EXPECT_EQ(page.FindText, "L");
  EXPECT_EQ(page.CurrentRow, 1) << "row 3 leads back to K: row 2 is preselected";
  EXPECT_EQ(page.Rows[page.CurrentRow].ForePoint, "N");

  AppState other;
  AddJournalRun(other.Journal, "K", "L", 1, 0.3);
  AddJournalRun(other.Journal, "L", "M", 1, 0.1);
  AddJournalRun(other.Journal, "L", "K", 1, 0.2);
  ConstructionPage otherPage;
  StartNet(other, otherPage, "K", "L", {0, 2});
  EXPECT_EQ(otherPage.CurrentRow, 1) << "row 1 leads back: row 2 is preselected";

  AppState dead;
  AddJournalRun(dead.Journal, "K", "L", 1, 0.3);
  ConstructionPage deadPage;
  StartNet(dead, deadPage, "K", "L", {0, 2});
  EXPECT_EQ(deadPage.CurrentRow, 0);
  EXPECT_FALSE(deadPage.FocusResults) << "one row only: the selection is left alone";
}

TEST(NetConstruction, AddRunStartsAtTheEndOfTheActiveSectionWhateverWasSearched) {
  AppState state;
  AddJournalRun(state.Journal, "Rp1", "A", 2, 1.00);
  AddJournalRun(state.Journal, "Z", "Y", 3, 0.20);
  ConstructionPage page;
  StartNet(state, page, "Rp1", "A", {0, 2});
  Search(state, page, "Z");
  const Result<PointTypeQuestion> question = PrepareAddRun(state, page);
  ASSERT_TRUE(question);
  EXPECT_EQ(question->BackLabel, "Задняя точка: A");
  EXPECT_EQ(question->ForeLabel, "Передняя точка: Y");
  ASSERT_TRUE(AppendRunFromPick(state, page, 1));
  const TKorNetDetailTable& table = Table(state, 0, 0);
  EXPECT_EQ(table.RunBackPoints[1], "A");
  EXPECT_EQ(table.RunForePoints[1], "Y");
  EXPECT_EQ(state.Nets.NetAt(0).SectionEnds[0], "Y");
}

TEST(NetConstruction, ARunPastAFixedOrNodalEndIsRefusedInFavourOfANewSection) {
  for (const int32_t endType : {kFixedPoint, kNodalPoint}) {
    AppState state;
    AddJournalRun(state.Journal, "Rp1", "N1", 2, 1.00);
    AddJournalRun(state.Journal, "N1", "B", 3, 0.50);
    ConstructionPage page;
    StartNet(state, page, "Rp1", "N1", {kFixedPoint, endType});
    const std::string refusal = PrepareAddRun(state, page).RefusalText();
    EXPECT_EQ(AppendRunFromPick(state, page, kIntermediatePoint).RefusalText(), refusal);
    EXPECT_NE(refusal.find("«N1»"), std::string::npos) << refusal;
    EXPECT_NE(refusal.find("«Добавить звено»"), std::string::npos) << refusal;
    EXPECT_EQ(Table(state, 0, 0).RunCount(), 1);
    EXPECT_EQ(state.Nets.NetAt(0).SectionEnds[0], "N1");
  }
}

TEST(NetConstruction, WithoutACurrentNetOrActiveSectionNothingIsAdded) {
  AppState state;
  AddJournalRun(state.Journal, "A", "B", 2, 1.0);
  ConstructionPage page;
  Search(state, page, "A");

  for (const Outcome& refused :
       {Outcome(PrepareAddSection(state, page)), AddSectionFromPick(state, page, {0, 1}),
        Outcome(PrepareAddRun(state, page)), AppendRunFromPick(state, page, 1), Outcome(DoubleClickCommand(state))})
    EXPECT_EQ(Refusals(refused), std::vector<std::string>{kNoCurrentNetMessage});
  EXPECT_EQ(state.Nets.NetCount(), 0);

  // A net whose type dialog was cancelled: current, but with no section.
  state.ActiveSectionIndex = 0;
  ASSERT_EQ(CreateNetForPick(state, "Пустая").Value(), 0);
  EXPECT_EQ(state.ActiveSectionIndex, -1) << "the old active section belonged to another net";
  for (const Outcome& refused : {Outcome(DoubleClickCommand(state)), AppendRunFromPick(state, page, 1)})
    EXPECT_NE(refused.RefusalText().find("Активное звено не выбрано"), std::string::npos);
  EXPECT_EQ(state.Nets.NetAt(0).SectionCount(), 0);

  // Stale positions left behind by deletions elsewhere.
  ASSERT_TRUE(AddSectionFromPick(state, page, {0, 2}));
  state.ActiveSectionIndex = 3;
  EXPECT_FALSE(AppendRunFromPick(state, page, 1));
  EXPECT_TRUE(ActiveSectionRows(state).empty());
  state.CurrentNetIndex = 5;
  EXPECT_FALSE(AddSectionFromPick(state, page, {0, 2}));
  EXPECT_EQ(state.Nets.NetAt(0).SectionCount(), 1);
  EXPECT_EQ(Table(state, 0, 0).RunCount(), 1);
}

TEST(NetConstruction, ARunThatFailedTheScaleCheckIsRefusedByName) {
  AppState state;
  AddJournalRun(state.Journal, "A", "B", 2, 1.0);
  AddJournalRun(state.Journal, "C", "A", 2, InvalidHeight);
  ConstructionPage page;
  Search(state, page, "A");
  page.CurrentRow = 1;
  const std::string refusal = PrepareAddNet(state, page).RefusalText();
  EXPECT_NE(refusal.find("A --> C"), std::string::npos) << refusal;
  EXPECT_NE(refusal.find("№ 2"), std::string::npos) << refusal;

  page.CurrentRow = 0;
  StartNet(state, page, "A", "B", {0, 2});
  Search(state, page, "C");
  EXPECT_FALSE(AppendRunFromPick(state, page, 1));
  EXPECT_EQ(Table(state, 0, 0).RunCount(), 1);
}

TEST(NetConstruction, APointTypeMustBeChosen) {
  AppState state;
  AddJournalRun(state.Journal, "A", "B", 2, 1.0);
  ConstructionPage page;
  Search(state, page, "A");
  ASSERT_EQ(CreateNetForPick(state, "Сеть").Value(), 0);
  for (const PointTypeChoice types : {PointTypeChoice{-1, 1}, PointTypeChoice{0, 255}})
    EXPECT_EQ(Refusals(AddSectionFromPick(state, page, types)).size(), 1u);
  EXPECT_EQ(state.Nets.NetAt(0).SectionCount(), 0);
}

TEST(NetConstruction, TheTypeQuestionOffersTheTypesThePointsHaveInTheCurrentNet) {
  AppState state;
  AddJournalRun(state.Journal, "Rp1", "p1", 2, 1.0);
  AddJournalRun(state.Journal, "p1", "N1", 3, 0.4);
  AddJournalRun(state.Journal, "N1", "p2", 2, -0.3);
  AddJournalRun(state.Journal, "p2", "p1", 2, 0.1);
  ConstructionPage page;
  const auto pick = [&](const std::string& from, const std::string& fore) {
    Search(state, page, from);
    for (size_t r = 0; r < page.Rows.size(); ++r)
      if (page.Rows[r].ForePoint == fore) page.CurrentRow = static_cast<int32_t>(r);
  };
  StartNet(state, page, "Rp1", "p1", {kFixedPoint, kIntermediatePoint});
  pick("p1", "N1");
  ASSERT_TRUE(AppendRunFromPick(state, page, kNodalPoint));

  // A section from nodal N1 to a point new to the net.
  pick("N1", "p2");
  Result<PointTypeQuestion> question = PrepareAddSection(state, page);
  ASSERT_TRUE(question);
  EXPECT_EQ(question->BackType, kNodalPoint);
  EXPECT_EQ(question->ForeType, -1) << "p2 is not in the net yet";
  // A run from p2 back to p1, which the net holds as intermediate.
  ASSERT_TRUE(AddSectionFromPick(state, page, {kNodalPoint, kIntermediatePoint}));
  pick("p2", "p1");
  question = PrepareAddRun(state, page);
  ASSERT_TRUE(question);
  EXPECT_TRUE(question->BackTypeFixed);
  EXPECT_EQ(question->ForeType, kIntermediatePoint);
  // Another net knows none of them.
  ASSERT_TRUE(CreateNetForPick(state, "Другая"));
  pick("N1", "p2");
  question = PrepareAddSection(state, page);
  ASSERT_TRUE(question);
  EXPECT_EQ(question->BackType, -1);
}

TEST(NetConstruction, TheCounterChoosesAmongTheSectionsOfTheCurrentNet) {
  AppState state;
  EXPECT_EQ(StepActiveSectionCounter(state, 2), 1);
  EXPECT_EQ(state.ActiveSectionIndex, -1);
  AddChainNet(state.Nets, "N", {{"A", "B"}, {"B", "C"}, {"C", "D"}});
  state.CurrentNetIndex = 0;
  EXPECT_EQ(ActiveSectionCounterMaximum(state), 3);
  EXPECT_EQ(StepActiveSectionCounter(state, 2), 2);
  EXPECT_EQ(state.ActiveSectionIndex, 1);
  EXPECT_EQ(StepActiveSectionCounter(state, 4), 3);
  EXPECT_EQ(state.ActiveSectionIndex, 2);
  EXPECT_EQ(StepActiveSectionCounter(state, 0), 1);
  EXPECT_EQ(state.ActiveSectionIndex, 0);
}

TEST(NetConstruction, TheRunListShowsTheActiveSectionsRuns) {
  for (const char separator : {'.', ','}) {
    SeparatorScope scope(separator, " ");
    const std::string dot(1, separator);
    AppState state;
    TKorNet& net = state.Nets.NetAt(*state.Nets.AddNet("N"));
    EXPECT_TRUE(net.AddSection("Rp1", "A", 0, 2, 0.4, 2.0, 1));
    EXPECT_TRUE(net.AppendRun(0, "B", 1, -1.005, 1.5, 2));
    state.CurrentNetIndex = 0;
    state.ActiveSectionIndex = 0;
    const std::vector<SectionRunRow> rows = ActiveSectionRows(state);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].BackIcon, 0);
    EXPECT_EQ(rows[0].BackPoint, "Rp1");
    EXPECT_EQ(rows[0].ForePoint, "A");
    EXPECT_EQ(rows[0].ForeIcon, 2);
    EXPECT_EQ(rows[0].SetupsText, "2");
    EXPECT_EQ(rows[0].HeightText, "0" + dot + "40");
    EXPECT_EQ(rows[1].BackIcon, 2);
    EXPECT_EQ(rows[1].ForeIcon, 1);
    EXPECT_EQ(rows[1].SetupsText, "1" + dot + "5");
    EXPECT_EQ(rows[1].HeightText, "-1" + dot + "00");
  }
}

TEST(NetConstruction, ADoubleClickFollowsTheTypeOfTheActiveSectionsEnd) {
  AppState state;
  TKorNet& net = state.Nets.NetAt(*state.Nets.AddNet("N"));
  for (uint8_t type : {0, 1, 2, 255}) EXPECT_TRUE(net.AddSection("A", "B", 0, type, 0.1, 1.0, 1));
  state.CurrentNetIndex = 0;
  const PickCommand expected[] = {PickCommand::AddSection, PickCommand::AddSection, PickCommand::AddRun,
                                  PickCommand::None};
  for (int32_t s = 0; s < 4; ++s) {
    state.ActiveSectionIndex = s;
    EXPECT_EQ(DoubleClickCommand(state).Value(), expected[s]) << "section " << s;
  }
}

}  // namespace
}  // namespace korvado
