#include <gtest/gtest.h>

#include "NetTestData.h"
#include "OutcomeTexts.h"
#include "PendentPointCommands.h"
#include "SeparatorScope.h"

namespace korvado {

namespace {

// A journal record A -> B (+1.25, 3 setups) after an unrelated one, and a
// net whose only section runs Rp1 - A - C, shown at the section level.
struct PendentScene {
  AppState state;
  NetsBrowserState browser;
  PendentPointDialog dialog;

  PendentScene() {
    AddJournalRun(state.Journal, "Q", "R", 1, 9.0);
    AddJournalRun(state.Journal, "A", "B", 3, 1.25, "на марку");
    AddChainNet(state.Nets, "Сеть", {{"Rp1", "A", "C"}});
    SelectNode(state, browser, {0, 0});
    ShowPendentDialog(dialog);
  }

  const TKorNetDetailTable& Table() const { return state.Nets.NetAt(0).SectionTables.TableAt(0); }

  void Find(const std::string& name) {
    dialog.FindText = name;
    FindPendentRuns(state, browser, dialog);
  }
};

TEST(PendentPoints, ASpurFoundFromThePendentPointIsAddedFromTheSectionsPoint) {
  for (const char separator : {'.', ','}) {
    SeparatorScope scope(separator, " ");
    PendentScene scene;
    scene.Find("B");
    ASSERT_EQ(scene.dialog.Rows.size(), 1u);
    EXPECT_EQ(scene.dialog.Rows[0].Point, "A");
    EXPECT_EQ(scene.dialog.Rows[0].Icon, kIntermediatePoint) << "A's icon in the browser's list";
    EXPECT_EQ(scene.dialog.Rows[0].SetupsText, "3");
    EXPECT_EQ(scene.dialog.Rows[0].HeightText, "1" + std::string(1, separator) + "25");
    EXPECT_EQ(scene.dialog.Rows[0].Note, "на марку");
    EXPECT_EQ(scene.dialog.PendentHits.Items(), std::vector<int32_t>{2});
    EXPECT_EQ(scene.dialog.SelectedRow, 0);
    ASSERT_TRUE(PendentAddEnabled(scene.dialog));

    ASSERT_TRUE(AddPendentPoint(scene.state, scene.browser, scene.dialog));
    const TKorNetDetailTable& table = scene.Table();
    ASSERT_EQ(table.PendentCount(), 1);
    EXPECT_EQ(table.PendentTypes.GetItem(0), kIntermediatePoint);
    EXPECT_EQ(table.PendentBackPoints[0], "A");
    EXPECT_EQ(table.PendentForePoints[0], "B");
    EXPECT_EQ(table.PendentSetups.GetItem(0), 3);
    EXPECT_DOUBLE_EQ(table.PendentHeights.GetItem(0), 1.25);
    EXPECT_EQ(table.PendentRefs.ListAt(0).Items(), std::vector<int32_t>{2});
    const std::vector<BrowserRow> rows = BrowserRows(scene.state, scene.browser);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows.back().Kind, BrowserRowKind::Pendent);
    EXPECT_EQ(rows.back().ForePoint, "B");
    EXPECT_TRUE(scene.state.Changed);
  }
}

TEST(PendentPoints, ASpurToAPointOfTheSectionIsReadAgainstTheRecord) {
  PendentScene scene;
  scene.state.Journal.HeightDiffs.SetItem(1, 1.25);
  scene.state.Journal.ForePoints.Set(1, "C");
  scene.state.Journal.BackPoints.Set(1, "W");
  AddJournalRun(scene.state.Journal, "C", "W", 2, 0.5);
  scene.Find("W");
  ASSERT_EQ(scene.dialog.Rows.size(), 2u);
  EXPECT_EQ(scene.dialog.Rows[0].Point, "C");
  EXPECT_EQ(scene.dialog.Rows[0].Icon, kNodalPoint) << "C stands only under the fore point";
  EXPECT_EQ(scene.dialog.Rows[0].HeightText, "-1.25");
  EXPECT_EQ(scene.dialog.PendentHits.Items(), (std::vector<int32_t>{-2, 3}));
  EXPECT_EQ(scene.dialog.SelectedRow, 0) << "the first of several rows is selected";
  ASSERT_TRUE(AddPendentPoint(scene.state, scene.browser, scene.dialog));
  EXPECT_DOUBLE_EQ(scene.Table().PendentHeights.GetItem(0), -1.25);
  EXPECT_EQ(scene.Table().PendentRefs.ListAt(0).Items(), std::vector<int32_t>{-2});
  EXPECT_EQ(scene.Table().PendentTypes.GetItem(0), kNodalPoint);
}

TEST(PendentPoints, NothingFoundMeansNothingToAdd) {
  PendentScene scene;
  scene.Find("B");
  ASSERT_EQ(scene.dialog.Rows.size(), 1u);
  scene.Find("R");
  EXPECT_TRUE(scene.dialog.Rows.empty()) << "Q is not a point of the section";
  EXPECT_EQ(scene.dialog.PendentHits.Count(), 0) << "the earlier hits are gone";
  EXPECT_FALSE(PendentAddEnabled(scene.dialog));
  EXPECT_TRUE(Silent(AddPendentPoint(scene.state, scene.browser, scene.dialog)));

  scene.Find("B");
  scene.dialog.SelectedRow = -1;
  EXPECT_FALSE(PendentAddEnabled(scene.dialog));
  EXPECT_TRUE(Silent(AddPendentPoint(scene.state, scene.browser, scene.dialog)));
  EXPECT_EQ(scene.Table().PendentCount(), 0);
}

TEST(PendentPoints, TheNamesAsEditedAreStored) {
  PendentScene scene;
  scene.Find("B");
  scene.dialog.FindText = "B-марка";
  scene.dialog.Rows[0].Point = "A1";
  ASSERT_TRUE(AddPendentPoint(scene.state, scene.browser, scene.dialog));
  EXPECT_EQ(scene.Table().PendentForePoints[0], "B-марка");
  EXPECT_EQ(scene.Table().PendentBackPoints[0], "A1");

  ShowPendentDialog(scene.dialog);
  EXPECT_TRUE(scene.dialog.Rows.empty());
  EXPECT_EQ(scene.dialog.FindText, "B-марка") << "the typed name is kept between showings";
}

TEST(PendentPoints, AnInvalidRunOrANetLevelSelectionAddsNothing) {
  PendentScene scene;
  scene.state.Journal.HeightDiffs.SetItem(1, InvalidHeight);
  scene.Find("B");
  ASSERT_EQ(scene.dialog.Rows.size(), 1u) << "listed like any other run";
  EXPECT_EQ(scene.dialog.Rows[0].HeightText, "1234567");
  EXPECT_NE(AddPendentPoint(scene.state, scene.browser, scene.dialog).RefusalText().find("A --> B"), std::string::npos);

  scene.state.Journal.HeightDiffs.SetItem(1, 1.25);
  scene.Find("B");
  SelectNode(scene.state, scene.browser, {0, -1});
  EXPECT_TRUE(Silent(AddPendentPoint(scene.state, scene.browser, scene.dialog)));
  EXPECT_EQ(scene.Table().PendentCount(), 0);
}

}  // namespace
}  // namespace korvado
