#include <gtest/gtest.h>

#include "NetTestData.h"
#include "NetsBrowserCommands.h"
#include "OutcomeTexts.h"

namespace korvado {

namespace {

// Net 0 "Первая": sections A-B-C-D and D-E; net 1 "Вторая": K-L and L-M; net 2 "Третья": X-Y.
void AddThreeNets(TNetList& nets) {
  AddChainNet(nets, "Первая", {{"A", "B", "C", "D"}, {"D", "E"}});
  AddChainNet(nets, "Вторая", {{"K", "L"}, {"L", "M"}});
  AddChainNet(nets, "Третья", {{"X", "Y"}});
  EXPECT_TRUE(nets.NetAt(0).SectionTables.TableAt(0).AddPendentRun(0, "B", "V", 2, 0.7, 9));
}

AppState ThreeNets() {
  AppState state;
  AddThreeNets(state.Nets);
  return state;
}

// The nets as they were before any command: compared with the state afterwards.
bool Unchanged(const AppState& state) {
  TNetList original;
  AddThreeNets(original);
  return state.Nets == original;
}

NetsBrowserState SelectedAt(const AppState& state, BrowserNode node, int32_t row = -1) {
  NetsBrowserState browser;
  SelectNode(state, browser, node);
  SelectRow(state, browser, row);
  return browser;
}

TEST(NetsBrowserCommands, APasteWithNoCopyMadeTakesTheFirstNetSectionAndRun) {
  AppState state = ThreeNets();
  NetsBrowserState browser = SelectedAt(state, {2, -1});
  ASSERT_TRUE(BrowserPasteNet(state, browser));
  EXPECT_EQ(state.Nets.NetAt(2), state.Nets.NetAt(0));

  state = ThreeNets();
  browser = SelectedAt(state, {1, -1}, 1);
  ASSERT_TRUE(BrowserPasteSection(state, browser));
  const TKorNet& second = state.Nets.NetAt(1);
  EXPECT_EQ(second.SectionStarts[1], "A");
  EXPECT_EQ(second.SectionEnds[1], "D");
  EXPECT_EQ(second.SectionTables.TableAt(1), state.Nets.NetAt(0).SectionTables.TableAt(0));

  state = ThreeNets();
  browser = SelectedAt(state, {1, 1}, 0);
  ASSERT_TRUE(BrowserPasteRun(state, browser));
  const TKorNetDetailTable& table = state.Nets.NetAt(1).SectionTables.TableAt(1);
  EXPECT_EQ(table.RunBackPoints[0], "A");
  EXPECT_EQ(table.RunForePoints[0], "B");
  EXPECT_EQ(table.RunRefs.ListAt(0).Items(), std::vector<int32_t>{101});
  EXPECT_EQ(state.Nets.NetAt(1).SectionStarts[1], "A") << "the section's summary follows its runs";
  EXPECT_EQ(browser.Selected, (BrowserNode{1, 1})) << "the same node is selected again";
}

TEST(NetsBrowserCommands, PastingOntoItselfChangesNothing) {
  AppState state = ThreeNets();
  NetsBrowserState browser = SelectedAt(state, {0, -1});
  ASSERT_TRUE(BrowserCopyNet(state, browser));
  EXPECT_TRUE(Silent(BrowserPasteNet(state, browser)));
  SelectRow(state, browser, 1);
  ASSERT_TRUE(BrowserCopySection(state, browser));
  EXPECT_TRUE(Silent(BrowserPasteSection(state, browser)));
  SelectNode(state, browser, {0, 0});
  SelectRow(state, browser, 2);
  ASSERT_TRUE(BrowserCopyRun(state, browser));
  EXPECT_TRUE(Silent(BrowserPasteRun(state, browser)));
  EXPECT_TRUE(Unchanged(state));
  EXPECT_FALSE(state.Changed);
}

TEST(NetsBrowserCommands, APastedNetBearsTheSourceNameEverywhere) {
  AppState state = ThreeNets();
  state.CurrentNetIndex = 0;
  state.ActiveSectionIndex = 1;
  NetsBrowserState browser = SelectedAt(state, {2, -1});
  ASSERT_TRUE(BrowserCopyNet(state, browser));
  SelectNode(state, browser, {0, -1});
  ASSERT_TRUE(BrowserPasteNet(state, browser));
  EXPECT_EQ(NetNames(state.Nets), (std::vector<std::string>{"Третья", "Вторая", "Третья"}));
  EXPECT_EQ(NetsTreeNodes(state.Nets)[0].Text, "Третья");
  EXPECT_EQ(browser.Caption, "Броузер сетей: Третья");
  EXPECT_EQ(state.Nets.NetAt(0).SectionCount(), 1);
  EXPECT_EQ(state.CurrentNetIndex, 0);
  EXPECT_EQ(state.ActiveSectionIndex, -1) << "the active section was replaced";
  EXPECT_TRUE(state.Changed);
}

TEST(NetsBrowserCommands, APasteFromAPositionThatNoLongerExistsIsRefused) {
  AppState state = ThreeNets();
  NetsBrowserState browser = SelectedAt(state, {1, 1}, 0);
  ASSERT_TRUE(BrowserCopyRun(state, browser));
  EXPECT_EQ(browser.Copy.CopiedNetIndex, 1);
  EXPECT_EQ(browser.Copy.CopiedSectionIndex, 1);
  EXPECT_EQ(browser.Copy.CopiedRunIndex, 0);
  // The copied section goes, and so does the last net.
  state.Nets.NetAt(1).DeleteSection(1);
  state.Nets.DeleteNet(2);
  AppState reference = ThreeNets();
  reference.Nets.NetAt(1).DeleteSection(1);
  reference.Nets.DeleteNet(2);

  browser = SelectedAt(state, {0, 0}, 0);
  browser.Copy = {1, 1, 0};
  const std::string noRun = BrowserPasteRun(state, browser).RefusalText();
  EXPECT_NE(noRun.find("скопированного штатива больше нет"), std::string::npos) << noRun;
  browser.Copy = {0, 0, 7};
  EXPECT_EQ(BrowserPasteRun(state, browser).RefusalText(), noRun);
  browser = SelectedAt(state, {0, -1}, 0);
  browser.Copy = {1, 1, 0};
  EXPECT_NE(BrowserPasteSection(state, browser).RefusalText().find("скопированного звена больше нет"),
            std::string::npos);
  browser.Copy = {2, 0, 0};
  EXPECT_NE(BrowserPasteNet(state, browser).RefusalText().find("скопированной сети больше нет"), std::string::npos);
  EXPECT_TRUE(state.Nets == reference.Nets);
  EXPECT_FALSE(state.Changed);
}

TEST(NetsBrowserCommands, RenamingANetShowsTheNewNameEverywhere) {
  AppState state = ThreeNets();
  NetsBrowserState browser = SelectedAt(state, {1, -1});
  EXPECT_EQ(RenameNetPreset(state, browser), "Вторая");
  ASSERT_TRUE(BrowserRenameNet(state, browser, "Главная"));
  EXPECT_EQ(NetNames(state.Nets)[1], "Главная");
  EXPECT_EQ(NetsTreeNodes(state.Nets)[3].Text, "Главная");
  EXPECT_EQ(browser.Caption, "Броузер сетей: Главная");
  EXPECT_EQ(browser.Selected, (BrowserNode{1, -1}));

  SelectNode(state, browser, {1, 0});
  EXPECT_FALSE(RenameNetPreset(state, browser)) << "renaming is a net-level command";
  EXPECT_TRUE(Silent(BrowserRenameNet(state, browser, "Другая")));
  EXPECT_EQ(state.Nets.NetAt(1).Name, "Главная");
}

TEST(NetsBrowserCommands, DeletingTheFirstOfThreeRunsStartsTheSectionAtTheSecond) {
  AppState state = ThreeNets();
  NetsBrowserState browser = SelectedAt(state, {0, 0}, 0);
  ASSERT_TRUE(BrowserDeleteRun(state, browser));
  const TKorNet& net = state.Nets.NetAt(0);
  EXPECT_EQ(net.SectionStarts[0], "B");
  EXPECT_EQ(net.SectionStartTypes.GetItem(0), kIntermediatePoint);
  EXPECT_DOUBLE_EQ(net.SectionHeights.GetItem(0), 0.2 + 0.3);
  EXPECT_EQ(net.SectionSetups.GetItem(0), 4.0);
  EXPECT_EQ(net.SectionTables.TableAt(0).RunCount(), 2);
  EXPECT_EQ(browser.Selected, (BrowserNode{0, 0}));
  EXPECT_EQ(NetsTreeNodes(state.Nets)[1].Text, "1  [B --> D]");
}

TEST(NetsBrowserCommands, TheOnlyRunAndPendentRowsAreNotDeletedAsRuns) {
  AppState state = ThreeNets();
  NetsBrowserState browser = SelectedAt(state, {0, 1}, 0);
  EXPECT_EQ(Warnings(BrowserDeleteRun(state, browser)), std::vector<std::string>{kOnlyRunMessage});

  browser = SelectedAt(state, {0, 0}, 3);
  const Outcome pendent = BrowserDeleteRun(state, browser);
  ASSERT_EQ(Warnings(pendent).size(), 1u);
  EXPECT_NE(Warnings(pendent)[0].find("Удалить висячую точку"), std::string::npos) << Warnings(pendent)[0];
  EXPECT_TRUE(Refusals(pendent).empty()) << "no index message";
  EXPECT_TRUE(Unchanged(state));

  ASSERT_TRUE(BrowserDeletePendentRun(state, browser));
  EXPECT_EQ(state.Nets.NetAt(0).SectionTables.TableAt(0).PendentCount(), 0);
  EXPECT_EQ(state.Nets.NetAt(0).SectionTables.TableAt(0).RunCount(), 3);
  EXPECT_EQ(BrowserRows(state, browser).size(), 3u);
  SelectRow(state, browser, 0);
  EXPECT_TRUE(Silent(BrowserDeletePendentRun(state, browser))) << "a run row is not a pendent run";
}

TEST(NetsBrowserCommands, DeletingTheLastNetEmptiesEverything) {
  AppState state;
  AddChainNet(state.Nets, "Единственная", {{"A", "B"}});
  state.CurrentNetIndex = 0;
  state.ActiveSectionIndex = 0;
  NetsBrowserState browser = SelectedAt(state, {0, -1});
  ASSERT_TRUE(BrowserDeleteNet(state, browser));
  EXPECT_TRUE(NetsTreeNodes(state.Nets).empty());
  EXPECT_TRUE(BrowserRows(state, browser).empty());
  EXPECT_EQ(browser.Selected, BrowserNode{});
  EXPECT_TRUE(NetNames(state.Nets).empty());
  EXPECT_EQ(state.CurrentNetIndex, -1);
  EXPECT_EQ(state.ActiveSectionIndex, -1);
}

TEST(NetsBrowserCommands, TheMainWindowsPositionsFollowDeletedNetsAndSections) {
  AppState state = ThreeNets();
  state.CurrentNetIndex = 2;
  state.ActiveSectionIndex = 0;
  NetsBrowserState browser = SelectedAt(state, {0, -1});
  ASSERT_TRUE(BrowserDeleteNet(state, browser));
  EXPECT_EQ(state.CurrentNetIndex, 1) << "still the net \"Третья\"";
  EXPECT_EQ(state.ActiveSectionIndex, 0);
  EXPECT_EQ(state.Nets.NetAt(state.CurrentNetIndex).Name, "Третья");
  EXPECT_EQ(browser.Selected, (BrowserNode{0, -1})) << "the first node is selected";

  state = ThreeNets();
  state.CurrentNetIndex = 0;
  state.ActiveSectionIndex = 1;
  browser = SelectedAt(state, {0, -1}, 0);
  ASSERT_TRUE(BrowserDeleteSection(state, browser));
  EXPECT_EQ(state.ActiveSectionIndex, 0) << "still the section D-E";
  EXPECT_EQ(state.Nets.NetAt(0).SectionCount(), 1);
  EXPECT_EQ(browser.Selected, (BrowserNode{0, -1}));
  SelectRow(state, browser, 0);
  ASSERT_TRUE(BrowserDeleteSection(state, browser));
  EXPECT_EQ(state.ActiveSectionIndex, -1) << "the active section is gone";

  state = ThreeNets();
  state.CurrentNetIndex = 1;
  state.ActiveSectionIndex = 1;
  browser = SelectedAt(state, {1, -1}, 1);
  ASSERT_TRUE(BrowserPasteSection(state, browser));
  EXPECT_EQ(state.ActiveSectionIndex, -1) << "the active section was replaced";
  SelectNode(state, browser, {1, -1});
  state.ActiveSectionIndex = 0;
  ASSERT_TRUE(BrowserDeleteNet(state, browser));
  EXPECT_EQ(state.CurrentNetIndex, -1);
  EXPECT_EQ(state.ActiveSectionIndex, -1);
}

TEST(NetsBrowserCommands, CommandsAwayFromTheirLevelChangeNothing) {
  AppState state = ThreeNets();
  NetsBrowserState browser;
  EXPECT_TRUE(Silent(BrowserDeleteNet(state, browser))) << "nothing selected";
  EXPECT_FALSE(BrowserCopyNet(state, browser));
  browser = SelectedAt(state, {0, 0}, 0);
  EXPECT_TRUE(Silent(BrowserDeleteNet(state, browser)));
  EXPECT_TRUE(Silent(BrowserPasteNet(state, browser)));
  EXPECT_TRUE(Silent(BrowserDeleteSection(state, browser)));
  EXPECT_FALSE(BrowserCopySection(state, browser));
  browser = SelectedAt(state, {0, -1});
  EXPECT_TRUE(Silent(BrowserDeleteSection(state, browser))) << "no section row selected";
  EXPECT_TRUE(Silent(BrowserDeleteRun(state, browser)));
  EXPECT_TRUE(Silent(BrowserPasteRun(state, browser)));
  EXPECT_TRUE(Silent(BrowserDeletePendentRun(state, browser)));
  EXPECT_FALSE(BrowserCopyRun(state, browser));
  EXPECT_EQ(browser.Copy.CopiedNetIndex, 0);
  EXPECT_TRUE(Unchanged(state));
}

TEST(NetsBrowserCommands, AnAddedNetIsSelected) {
  AppState state = ThreeNets();
  NetsBrowserState browser;
  ASSERT_TRUE(BrowserAddNet(state, browser, ""));
  EXPECT_EQ(state.Nets.NetCount(), 4);
  EXPECT_EQ(browser.Selected, (BrowserNode{3, -1}));
  ASSERT_TRUE(BrowserAddNet(state, browser, "Первая")) << "a repeated name is accepted";
  EXPECT_EQ(NetNames(state.Nets).back(), "Первая");
  EXPECT_EQ(browser.Caption, "Броузер сетей: Первая");
  EXPECT_EQ(state.CurrentNetIndex, -1);
}

}  // namespace
}  // namespace korvado
