#include <gtest/gtest.h>

#include "NetTestData.h"
#include "NetsBrowserView.h"
#include "SeparatorScope.h"

namespace korvado {

namespace {

// Net 0: two sections; net 1: three, the third of three runs with two pendent runs.
AppState TwoNets() {
  AppState state;
  AddChainNet(state.Nets, "Северная", {{"A", "B", "C"}, {"C", "D"}});
  AddChainNet(state.Nets, "Южная", {{"K", "L"}, {"L", "M"}, {"M", "N", "O", "P"}});
  TKorNetDetailTable& table = state.Nets.NetAt(1).SectionTables.TableAt(2);
  table.RunRefs.ListAt(1).SetItem(0, -7);
  EXPECT_TRUE(table.AddPendentRun(1, "N", "V1", 3, 0.5, 11));
  EXPECT_TRUE(table.AddPendentRun(0, "M", "V2", 2, -1.25, -12));
  return state;
}

template <class Field>
std::vector<Field> Column(const std::vector<BrowserRow>& rows, Field BrowserRow::*field) {
  std::vector<Field> values;
  for (const BrowserRow& row : rows) values.push_back(row.*field);
  return values;
}

TEST(NetsBrowser, TheTreeListsNetsWithTheirSectionsInAbsoluteOrder) {
  const AppState state = TwoNets();
  const std::vector<TreeNodeView> nodes = NetsTreeNodes(state.Nets);
  ASSERT_EQ(nodes.size(), 7u);
  EXPECT_EQ(nodes[0].Text, "Северная");
  EXPECT_EQ(nodes[0].Icon, kNetIcon);
  EXPECT_EQ(nodes[1].Text, "1  [A --> C]");
  EXPECT_EQ(nodes[1].Icon, kSectionIcon);
  EXPECT_EQ(nodes[3].Text, "Южная");
  EXPECT_EQ(nodes[6].Text, "3  [M --> P]");
  for (int32_t a = 0; a < 7; ++a) {
    EXPECT_EQ(NodeAtAbsoluteIndex(state.Nets, a), nodes[a].Node);
    EXPECT_EQ(AbsoluteIndex(state.Nets, nodes[a].Node), a);
  }
  EXPECT_EQ(NodeAtAbsoluteIndex(state.Nets, 7), BrowserNode{});
  EXPECT_EQ(AbsoluteIndex(state.Nets, {1, 3}), -1);
  EXPECT_EQ(NetNames(state.Nets), (std::vector<std::string>{"Северная", "Южная"}));
}

TEST(NetsBrowser, ASectionListsItsRunsThenItsPendentRunsNumberedAgain) {
  for (const char separator : {'.', ','}) {
    SeparatorScope scope(separator, " ");
    const std::string dot(1, separator);
    const AppState state = TwoNets();
    NetsBrowserState browser;
    SelectNode(state, browser, {1, 2});
    const std::vector<BrowserRow> rows = BrowserRows(state, browser);
    EXPECT_EQ(Column(rows, &BrowserRow::Number), (std::vector<std::string>{"1", "2", "3", "1", "2"}));
    EXPECT_EQ(Column(rows, &BrowserRow::NumberIcon), (std::vector<int32_t>{5, 5, 5, 6, 6}));
    EXPECT_EQ(Column(rows, &BrowserRow::ForeIcon), (std::vector<int32_t>{2, 2, 1, 2, 2}));
    EXPECT_EQ(Column(rows, &BrowserRow::BackIcon), (std::vector<int32_t>{0, 2, 2, 1, 0}));
    EXPECT_EQ(Column(rows, &BrowserRow::IndexText), (std::vector<std::string>{"301", "-7", "303", "11", "-12"}));
    EXPECT_EQ(rows[1].HeightText, "0" + dot + "20");
    EXPECT_EQ(rows[4].BackPoint, "M");
    EXPECT_EQ(rows[4].ForePoint, "V2");
    EXPECT_EQ(rows[4].SetupsText, "2");
    EXPECT_EQ(rows[4].HeightText, "-1" + dot + "25");
    EXPECT_EQ(browser.Caption, "Броузер сетей: Южная; звено №3");
    EXPECT_EQ(browser.FirstColumnCaption, "№ штатива");
  }
}

TEST(NetsBrowser, ANetListsItsSectionsWithoutIndex) {
  for (const char separator : {'.', ','}) {
    SeparatorScope scope(separator, " ");
    AppState state = TwoNets();
    state.Nets.NetAt(0).SectionSetups.SetItem(1, 0.5);
    NetsBrowserState browser;
    EXPECT_EQ(browser.Caption, "Броузер сетей");
    SelectNode(state, browser, {0, -1});
    const std::vector<BrowserRow> rows = BrowserRows(state, browser);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(Column(rows, &BrowserRow::NumberIcon), (std::vector<int32_t>{4, 4}));
    EXPECT_EQ(Column(rows, &BrowserRow::IndexText), (std::vector<std::string>{"", ""}));
    EXPECT_EQ(rows[0].BackPoint, "A");
    EXPECT_EQ(rows[0].ForePoint, "C");
    EXPECT_EQ(rows[0].BackIcon, 0);
    EXPECT_EQ(rows[0].ForeIcon, 1);
    EXPECT_EQ(rows[0].SetupsText, "4");
    EXPECT_EQ(rows[0].HeightText, std::string("0") + separator + "30");
    EXPECT_EQ(rows[1].SetupsText, std::string("0") + separator + "5");
    EXPECT_EQ(browser.Caption, "Броузер сетей: Северная");
    EXPECT_EQ(browser.FirstColumnCaption, "№ звена");

    ShowBrowser(browser);
    EXPECT_TRUE(BrowserRows(state, browser).empty()) << "a new showing selects nothing";
    EXPECT_EQ(browser.Caption, "Броузер сетей: Северная") << "the caption stays";
  }
}

TEST(NetsBrowser, NavigationBetweenNetsAndSections) {
  const AppState state = TwoNets();
  NetsBrowserState browser;
  SelectNode(state, browser, {1, -1});
  SelectRow(state, browser, 2);
  ASSERT_TRUE(OpenSelectedRow(state, browser));
  EXPECT_EQ(browser.Selected, (BrowserNode{1, 2}));
  EXPECT_EQ(BrowserRows(state, browser).size(), 5u);
  EXPECT_EQ(browser.SelectedRow, -1);

  SelectRow(state, browser, 0);
  EXPECT_FALSE(OpenSelectedRow(state, browser)) << "nothing happens at the section level";
  EXPECT_EQ(browser.Selected, (BrowserNode{1, 2}));
  ASSERT_TRUE(GoToNetLevel(state, browser));
  EXPECT_EQ(browser.Selected, (BrowserNode{1, -1}));
  EXPECT_FALSE(OpenSelectedRow(state, browser)) << "no row selected";

  ASSERT_TRUE(PickNetInSelector(state, browser, 0));
  EXPECT_EQ(browser.Selected, (BrowserNode{0, -1}));
  SelectRow(state, browser, 9);
  EXPECT_EQ(browser.SelectedRow, -1);

  const AppState empty;
  NetsBrowserState emptyBrowser;
  EXPECT_TRUE(NetsTreeNodes(empty.Nets).empty());
  EXPECT_FALSE(PickNetInSelector(empty, emptyBrowser, 0));
  EXPECT_EQ(emptyBrowser.Selected, BrowserNode{});
}

TEST(NetsBrowser, EachCommandIsOfferedAtItsOwnLevelOnly) {
  const AppState state = TwoNets();
  NetsBrowserState browser;
  BrowserActions a = EnabledActions(state, browser);
  EXPECT_TRUE(a.AddNet);
  EXPECT_FALSE(a.RenameNet || a.DelNet || a.CopySec || a.DelDetSection || a.AddPendentPoint || a.NetsLevel);

  SelectNode(state, browser, {1, -1});
  a = EnabledActions(state, browser);
  EXPECT_TRUE(a.RenameNet && a.CopyNet && a.PasteNet && a.DelNet);
  EXPECT_FALSE(a.CopySec || a.PasteSec || a.DelSection) << "no section row selected";
  EXPECT_FALSE(a.CopyDetSec || a.DelDetSection || a.AddPendentPoint || a.NetsLevel);
  SelectRow(state, browser, 1);
  a = EnabledActions(state, browser);
  EXPECT_TRUE(a.CopySec && a.PasteSec && a.DelSection);

  SelectNode(state, browser, {1, 2});
  a = EnabledActions(state, browser);
  EXPECT_TRUE(a.NetsLevel && a.AddPendentPoint);
  EXPECT_FALSE(a.RenameNet || a.DelNet || a.CopySec || a.DelDetSection || a.DelPendentPoint);
  SelectRow(state, browser, 0);
  a = EnabledActions(state, browser);
  EXPECT_TRUE(a.CopyDetSec && a.PasteDetSec && a.DelDetSection);
  EXPECT_FALSE(a.DelPendentPoint);
  SelectRow(state, browser, 3);
  a = EnabledActions(state, browser);
  EXPECT_TRUE(a.DelDetSection && a.DelPendentPoint);
  EXPECT_FALSE(a.CopyDetSec || a.PasteDetSec) << "a pendent row is not a run";
}

}  // namespace
}  // namespace korvado
