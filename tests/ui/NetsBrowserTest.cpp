// The nets browser through its real widgets: opened from the main window,
// clicked in its tree and list, commanded from its menus.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QSettings>
#include <QTest>

#include "../app/NetTestData.h"
#include "MainForm.h"
#include "NetNameDlg.h"
#include "NetsBrowser.h"
#include "NetsBrowserSupport.h"
#include "SeparatorScope.h"
#include "UiTestSupport.h"

namespace korvado {

namespace {

// "Север": one section Rp1 - A - B - Rp2 of three runs, its second run taken
// against the journal, and two pendent runs. "Юг": three sections.
void FillNets(AppState& state) {
  AddChainNet(state.Nets, "Север", {{"Rp1", "A", "B", "Rp2"}});
  TKorNetDetailTable& table = state.Nets.NetAt(0).SectionTables.TableAt(0);
  table.RunRefs.ListAt(1).SetItem(0, -102);
  EXPECT_TRUE(table.AddPendentRun(kIntermediatePoint, "A", "P1", 2, 0.5, 7));
  EXPECT_TRUE(table.AddPendentRun(kNodalPoint, "Rp2", "P2", 1, -0.25, -8));
  AddChainNet(state.Nets, "Юг", {{"Rp2", "C", "D"}, {"D", "E"}, {"D", "F", "Rp3"}});
}

// Tree positions of the nodes of FillNets.
constexpr int kNorthNode = 0;
constexpr int kNorthSection = 1;
constexpr int kSouthNode = 2;
constexpr int kSouthSection1 = 3;
constexpr int kSouthSection2 = 4;

struct BrowserScene {
  WorkingFolder folder;
  std::unique_ptr<TMainForm> form = ShowMainForm();
  AppState expected;  // what the nets must be after the commands of a test

  BrowserScene() {
    FillNets(form->State());
    FillNets(expected);
    form->RefillNetSelector();
  }
  ~BrowserScene() { CloseWithoutQuestion(*form); }

  AppState& State() { return form->State(); }
  QStringList MainSelector() const {
    QStringList items;
    for (int i = 0; i < form->ComboBox1->count(); ++i) items << form->ComboBox1->itemText(i);
    return items;
  }
};

QStringList SelectorItems(const QComboBox& box) {
  QStringList items;
  for (int i = 0; i < box.count(); ++i) items << box.itemText(i);
  return items;
}

QStringList TreeTexts(const QTreeWidget& tree) {
  QStringList texts;
  for (const QTreeWidgetItem* item : AllItems(tree)) texts << item->text(0);
  return texts;
}

// The names of the browser's commands that are on offer.
QStringList OfferedCommands(const TNetsBrowser& b) {
  const std::pair<const char*, QAction*> commands[] = {{"AddNet", b.acAddNet},
                                                       {"RenameNet", b.acRenameNet},
                                                       {"CopyNet", b.acCopyNet},
                                                       {"PasteNet", b.acPasteNet},
                                                       {"DelNet", b.acDelNet},
                                                       {"CopySec", b.acCopySec},
                                                       {"PasteSec", b.acPasteSec},
                                                       {"DelSection", b.acDelSection},
                                                       {"CopyDetSec", b.acCopyDetSec},
                                                       {"PasteDetSec", b.acPasteDetSec},
                                                       {"DelDetSection", b.acDelDetSection},
                                                       {"AddPendentPoint", b.acAddPendentPoint},
                                                       {"DelPendentPoint", b.acDelPendentPoint},
                                                       {"NetsLevel", b.acNetsLevel}};
  QStringList offered;
  for (const auto& [name, action] : commands)
    if (action->isEnabled()) offered << name;
  return offered;
}

}  // namespace

TEST(NetsBrowser, ASectionListsItsRunsThenItsPendentRunsNumberedAfresh) {
  BrowserScene scene;
  const QStringList tree = {"Север", "1  [Rp1 --> Rp2]", "Юг", "1  [Rp2 --> D]", "2  [D --> E]", "3  [D --> Rp3]"};
  for (const char separator : {'.', ','}) {
    SeparatorScope scope(separator, " ");
    const QString sep(separator);
    ASSERT_TRUE(WithBrowser(*scene.form, [&](TNetsBrowser& b) {
      EXPECT_EQ(TreeTexts(*b.NetsTree), tree);
      EXPECT_EQ(b.ListView1->topLevelItemCount(), 0) << "nothing is selected when the browser opens";
      EXPECT_TRUE(SelectedTexts(*b.NetsTree).isEmpty());
      EXPECT_FALSE(b.acNetsLevel->isEnabled());
      EXPECT_EQ(SelectorItems(*b.ComboBox1), scene.MainSelector());

      ClickTreeNode(*b.NetsTree, kNorthSection);
      EXPECT_EQ(b.windowTitle(), "Броузер сетей: Север; звено №1");
      EXPECT_EQ(b.ListView1->headerItem()->text(0), "№ штатива");
      EXPECT_EQ(ColumnTexts(*b.ListView1, 0), QStringList({"1", "2", "3", "1", "2"}));
      EXPECT_EQ(ColumnIcons(*b.ListView1, 0), std::vector<int>({5, 5, 5, 6, 6}));
      EXPECT_EQ(ColumnTexts(*b.ListView1, 1), QStringList({"Rp1", "A", "B", "A", "Rp2"}));
      EXPECT_EQ(ColumnIcons(*b.ListView1, 1), std::vector<int>({0, 2, 2, 2, 1}));
      EXPECT_EQ(ColumnTexts(*b.ListView1, 2), QStringList({"A", "B", "Rp2", "P1", "P2"}));
      EXPECT_EQ(ColumnIcons(*b.ListView1, 2), std::vector<int>({2, 2, 1, 2, 2}))
          << "a pendent point is shown as an intermediate point";
      EXPECT_EQ(ColumnTexts(*b.ListView1, 3), QStringList({"2", "2", "2", "2", "1"}));
      EXPECT_EQ(ColumnTexts(*b.ListView1, 4), QStringList({"0" + sep + "10", "0" + sep + "20", "0" + sep + "30",
                                                           "0" + sep + "50", "-0" + sep + "25"}));
      EXPECT_EQ(ColumnTexts(*b.ListView1, 5), QStringList({"101", "-102", "103", "7", "-8"}))
          << "a reversed run shows a negative index";
      EXPECT_EQ(b.ComboBox1->currentText(), "Север");
      EXPECT_TRUE(b.acNetsLevel->isEnabled());

      b.acNetsLevel->trigger();
      EXPECT_EQ(SelectedTexts(*b.NetsTree), QStringList({"Север"}));
      EXPECT_EQ(b.windowTitle(), "Броузер сетей: Север");
      EXPECT_EQ(b.ListView1->headerItem()->text(0), "№ звена");
      EXPECT_EQ(ColumnTexts(*b.ListView1, 0), QStringList({"1"}));
      EXPECT_EQ(ColumnIcons(*b.ListView1, 0), std::vector<int>({4}));
      EXPECT_EQ(ColumnTexts(*b.ListView1, 3), QStringList({"6"}));
      EXPECT_EQ(ColumnTexts(*b.ListView1, 4), QStringList({"0" + sep + "60"}));
      EXPECT_EQ(ColumnTexts(*b.ListView1, 5), QStringList({""})) << "sections have no journal index";
      EXPECT_FALSE(b.acNetsLevel->isEnabled());
    }));
  }
  // Shown again, the browser keeps the caption of the last node until one is selected.
  ASSERT_TRUE(WithBrowser(*scene.form, [&](TNetsBrowser& b) {
    EXPECT_EQ(b.windowTitle(), "Броузер сетей: Север");
    EXPECT_EQ(b.ListView1->topLevelItemCount(), 0);
  }));
}

TEST(NetsBrowser, DoubleClickOnASectionRowOpensThatSection) {
  BrowserScene scene;
  ASSERT_TRUE(WithBrowser(*scene.form, [&](TNetsBrowser& b) {
    ClickTreeNode(*b.NetsTree, kSouthNode);
    ASSERT_EQ(b.ListView1->topLevelItemCount(), 3);
    DoubleClickItem(*b.ListView1, b.ListView1->topLevelItem(2));
    EXPECT_EQ(SelectedTexts(*b.NetsTree), QStringList({"3  [D --> Rp3]"}));
    EXPECT_EQ(b.windowTitle(), "Броузер сетей: Юг; звено №3");
    EXPECT_EQ(ColumnTexts(*b.ListView1, 1), QStringList({"D", "F"}));

    DoubleClickItem(*b.ListView1, b.ListView1->topLevelItem(0));
    EXPECT_EQ(SelectedTexts(*b.NetsTree), QStringList({"3  [D --> Rp3]"})) << "a run row opens nothing";

    b.acNetsLevel->trigger();
    EXPECT_EQ(SelectedTexts(*b.NetsTree), QStringList({"Юг"}));
    ClickRow(*b.ListView1, 1);
    b.ListView1->setFocus();
    PressKey(Qt::Key_Return);
    EXPECT_EQ(SelectedTexts(*b.NetsTree), QStringList({"2  [D --> E]"})) << "Enter opens the section as well";
    EXPECT_EQ(b.ComboBox1->currentText(), "Юг");

    // Picking a net in the browser's selector goes to that net's node.
    b.ComboBox1->setFocus();
    QTest::keyClick(b.ComboBox1, Qt::Key_Up);
    EXPECT_EQ(SelectedTexts(*b.NetsTree), QStringList({"Север"}));
    EXPECT_EQ(ColumnTexts(*b.ListView1, 1), QStringList({"Rp1"}));
  }));
}

TEST(NetsBrowser, CommandsAreOfferedOnlyWhereTheyApply) {
  BrowserScene scene;
  ASSERT_TRUE(WithBrowser(*scene.form, [&](TNetsBrowser& b) {
    EXPECT_EQ(OfferedCommands(b), QStringList({"AddNet"}));
    EXPECT_TRUE(b.acClose->isEnabled());
    ClickTreeNode(*b.NetsTree, kSouthNode);
    EXPECT_EQ(OfferedCommands(b), QStringList({"AddNet", "RenameNet", "CopyNet", "PasteNet", "DelNet"}));
    ClickRow(*b.ListView1, 0);
    EXPECT_EQ(OfferedCommands(b), QStringList({"AddNet", "RenameNet", "CopyNet", "PasteNet", "DelNet", "CopySec",
                                               "PasteSec", "DelSection"}));
    ClickTreeNode(*b.NetsTree, kNorthSection);
    EXPECT_EQ(OfferedCommands(b), QStringList({"AddNet", "AddPendentPoint", "NetsLevel"}));
    ClickRow(*b.ListView1, 1);
    EXPECT_EQ(OfferedCommands(b),
              QStringList({"AddNet", "CopyDetSec", "PasteDetSec", "DelDetSection", "AddPendentPoint", "NetsLevel"}));
    ClickRow(*b.ListView1, 4);
    EXPECT_EQ(OfferedCommands(b),
              QStringList({"AddNet", "DelDetSection", "AddPendentPoint", "DelPendentPoint", "NetsLevel"}));
  }));
  EXPECT_TRUE(scene.State().Nets == scene.expected.Nets);
}

TEST(NetsBrowser, PastingANetRenamesItEverywhere) {
  BrowserScene scene;
  scene.form->SelectNet(1);
  scene.State().ActiveSectionIndex = 2;
  ASSERT_TRUE(WithBrowser(*scene.form, [&](TNetsBrowser& b) {
    ClickTreeNode(*b.NetsTree, kNorthNode);
    b.acCopyNet->trigger();
    ClickTreeNode(*b.NetsTree, kSouthNode);
    b.acPasteNet->trigger();
    EXPECT_EQ(TreeTexts(*b.NetsTree), QStringList({"Север", "1  [Rp1 --> Rp2]", "Север", "1  [Rp1 --> Rp2]"}));
    EXPECT_EQ(SelectorItems(*b.ComboBox1), QStringList({"Север", "Север"}));
    EXPECT_EQ(scene.MainSelector(), QStringList({"Север", "Север"}));
    EXPECT_EQ(SelectedTexts(*b.NetsTree), QStringList({"Север"}));
    EXPECT_EQ(b.NetsTree->indexOfTopLevelItem(b.NetsTree->currentItem()), 1) << "the pasted net stays selected";
    EXPECT_EQ(b.windowTitle(), "Броузер сетей: Север");
  }));
  scene.expected.Nets.CopyNet(1, 0);
  EXPECT_TRUE(scene.State().Nets == scene.expected.Nets);
  EXPECT_EQ(scene.form->ComboBox1->currentIndex(), 1);
  EXPECT_EQ(scene.State().CurrentNetIndex, 1);
  EXPECT_EQ(scene.State().ActiveSectionIndex, -1) << "the replaced net's sections are not the old ones";
}

TEST(NetsBrowser, APasteWithoutACopyTakesTheFirstPositionsAndAPasteOntoItselfChangesNothing) {
  BrowserScene scene;
  AppState& expected = scene.expected;
  ASSERT_TRUE(WithBrowser(*scene.form, [&](TNetsBrowser& b) {
    ClickTreeNode(*b.NetsTree, kSouthNode);
    ClickRow(*b.ListView1, 2);
    b.acPasteSec->trigger();
    expected.Nets.CopySection(1, 2, 0, 0);
    EXPECT_TRUE(scene.State().Nets == expected.Nets) << "section 1 of the first net over section 3";
    EXPECT_EQ(ColumnTexts(*b.ListView1, 1), QStringList({"Rp2", "D", "Rp1"}));

    ClickTreeNode(*b.NetsTree, kSouthSection2);
    ClickRow(*b.ListView1, 0);
    b.acPasteDetSec->trigger();
    expected.Nets.CopyRun(1, 1, 0, 0, 0, 0);
    EXPECT_TRUE(scene.State().Nets == expected.Nets) << "run 1 of the first section over the selected run";
    EXPECT_EQ(ColumnTexts(*b.ListView1, 1), QStringList({"Rp1"}));

    ClickRow(*b.ListView1, 0);
    b.acCopyDetSec->trigger();
    b.acPasteDetSec->trigger();
    ClickTreeNode(*b.NetsTree, kSouthNode);
    ClickRow(*b.ListView1, 1);
    b.acCopySec->trigger();
    b.acPasteSec->trigger();
    b.acCopyNet->trigger();
    b.acPasteNet->trigger();
    EXPECT_TRUE(scene.State().Nets == expected.Nets) << "pastes onto themselves";

    ClickTreeNode(*b.NetsTree, kNorthNode);
    b.acPasteNet->trigger();
    expected.Nets.CopyNet(0, 1);
    EXPECT_EQ(TreeTexts(*b.NetsTree).first(), "Юг");
  }));
  EXPECT_TRUE(scene.State().Nets == expected.Nets);
}

TEST(NetsBrowser, TheCopyBufferOutlivesTheWindowsShowing) {
  BrowserScene scene;
  TNetsBrowser* first = nullptr;
  ASSERT_TRUE(WithBrowser(*scene.form, [&](TNetsBrowser& b) {
    first = &b;
    ClickTreeNode(*b.NetsTree, kSouthNode);
    b.acCopyNet->trigger();
  }));
  ASSERT_TRUE(WithBrowser(*scene.form, [&](TNetsBrowser& b) {
    EXPECT_EQ(&b, first) << "the browser is kept";
    ClickTreeNode(*b.NetsTree, kNorthNode);
    b.acPasteNet->trigger();
  }));
  EXPECT_EQ(scene.MainSelector(), QStringList({"Юг", "Юг"}));
}

TEST(NetsBrowser, APasteFromADeletedSourceChangesNothingAndSaysSo) {
  BrowserScene scene;
  ASSERT_TRUE(WithBrowser(*scene.form, [&](TNetsBrowser& b) {
    ClickTreeNode(*b.NetsTree, kSouthNode);
    ClickRow(*b.ListView1, 2);
    b.acCopySec->trigger();
    b.acDelSection->trigger();
    scene.expected.Nets.NetAt(1).DeleteSection(2);
    EXPECT_EQ(ColumnTexts(*b.ListView1, 0), QStringList({"1", "2"}));
    ClickRow(*b.ListView1, 0);
    const BoxesSeen boxes = AnswerMessageBoxes([&] { b.acPasteSec->trigger(); }, QMessageBox::Ok);
    EXPECT_EQ(boxes.count, 1);
    EXPECT_TRUE(boxes.text.contains("Скопируйте звено снова")) << boxes.text.toStdString();
  }));
  EXPECT_TRUE(scene.State().Nets == scene.expected.Nets);
}

TEST(NetsBrowser, DeletingTheFirstOfThreeRunsStartsTheSectionAtTheSecond) {
  for (const char separator : {'.', ','}) {
    SeparatorScope scope(separator, " ");
    BrowserScene scene;
    ASSERT_TRUE(WithBrowser(*scene.form, [&](TNetsBrowser& b) {
      ClickTreeNode(*b.NetsTree, kNorthSection);
      ClickRow(*b.ListView1, 0);
      b.acDelDetSection->trigger();
      EXPECT_EQ(ColumnTexts(*b.ListView1, 0), QStringList({"1", "2", "1", "2"}));
      EXPECT_EQ(TreeTexts(*b.NetsTree)[kNorthSection], "1  [A --> Rp2]");
      b.acNetsLevel->trigger();
      EXPECT_EQ(ColumnTexts(*b.ListView1, 1), QStringList({"A"}));
      EXPECT_EQ(ColumnTexts(*b.ListView1, 3), QStringList({"4"}));
      EXPECT_EQ(ColumnTexts(*b.ListView1, 4), QStringList({"0" + QString(separator) + "50"}));

      // A section keeps its only run.
      ClickTreeNode(*b.NetsTree, kSouthSection2);
      ClickRow(*b.ListView1, 0);
      const BoxesSeen boxes = AnswerMessageBoxes([&] { b.acDelDetSection->trigger(); }, QMessageBox::Ok);
      EXPECT_EQ(boxes.count, 1);
      EXPECT_EQ(boxes.text, "Нельзя удалить единственный штатив в звене!");
      EXPECT_EQ(ColumnTexts(*b.ListView1, 1), QStringList({"D"}));
    }));
    const TKorNet& north = scene.State().Nets.NetAt(0);
    EXPECT_EQ(north.SectionStarts[0], "A");
    EXPECT_DOUBLE_EQ(north.SectionSetups.GetItem(0), 4.0);
    EXPECT_DOUBLE_EQ(north.SectionHeights.GetItem(0), 0.5);
    EXPECT_TRUE(scene.State().Nets.NetAt(1) == scene.expected.Nets.NetAt(1));
  }
}

TEST(NetsBrowser, APendentPointIsRemovedByItsOwnCommand) {
  BrowserScene scene;
  ASSERT_TRUE(WithBrowser(*scene.form, [&](TNetsBrowser& b) {
    EXPECT_TRUE(b.PendentMenu->actions().contains(b.acDelPendentPoint));
    EXPECT_EQ(b.acDelPendentPoint->text(), "Уд&алить висячую точку");
    ClickTreeNode(*b.NetsTree, kNorthSection);
    ClickRow(*b.ListView1, 3);
    const BoxesSeen boxes = AnswerMessageBoxes([&] { b.acDelDetSection->trigger(); }, QMessageBox::Ok);
    EXPECT_EQ(boxes.count, 1);
    EXPECT_TRUE(boxes.text.contains("Удалить висячую точку")) << "names the command that does it";
    EXPECT_EQ(b.ListView1->topLevelItemCount(), 5);

    ClickRow(*b.ListView1, 3);
    b.acDelPendentPoint->trigger();
    EXPECT_EQ(ColumnTexts(*b.ListView1, 0), QStringList({"1", "2", "3", "1"}));
    EXPECT_EQ(ColumnTexts(*b.ListView1, 2).last(), "P2");
  }));
  const TKorNetDetailTable& table = scene.State().Nets.NetAt(0).SectionTables.TableAt(0);
  EXPECT_EQ(table.RunCount(), 3);
  ASSERT_EQ(table.PendentCount(), 1);
  EXPECT_EQ(table.PendentForePoints[0], "P2");
}

TEST(NetsBrowser, DeletingTheLastNetEmptiesEverything) {
  WorkingFolder folder;
  std::unique_ptr<TMainForm> form = ShowMainForm();
  AddChainNet(form->State().Nets, "Единственная", {{"Rp1", "A", "Rp2"}});
  form->RefillNetSelector();
  form->SelectNet(0);
  form->State().ActiveSectionIndex = 0;
  ASSERT_TRUE(WithBrowser(*form, [&](TNetsBrowser& b) {
    ClickTreeNode(*b.NetsTree, 0);
    b.acDelNet->trigger();
    EXPECT_EQ(b.NetsTree->topLevelItemCount(), 0);
    EXPECT_EQ(b.ListView1->topLevelItemCount(), 0);
    EXPECT_EQ(b.ComboBox1->count(), 0);
    EXPECT_EQ(OfferedCommands(b), QStringList({"AddNet"}));
    EXPECT_EQ(form->ComboBox1->count(), 0);
  }));
  EXPECT_EQ(form->State().Nets.NetCount(), 0);
  EXPECT_EQ(form->ComboBox1->count(), 0);
  EXPECT_EQ(form->State().CurrentNetIndex, -1);
  EXPECT_EQ(form->State().ActiveSectionIndex, -1);
  CloseWithoutQuestion(*form);
}

TEST(NetsBrowser, DeletingAnEarlierNetKeepsTheMainWindowOnItsNet) {
  BrowserScene scene;
  scene.form->SelectNet(1);
  scene.State().ActiveSectionIndex = 2;
  ASSERT_TRUE(WithBrowser(*scene.form, [&](TNetsBrowser& b) {
    ClickTreeNode(*b.NetsTree, kNorthNode);
    b.acDelNet->trigger();
    EXPECT_EQ(SelectedTexts(*b.NetsTree), QStringList({"Юг"})) << "the first node is selected";
    EXPECT_EQ(ColumnTexts(*b.ListView1, 0), QStringList({"1", "2", "3"}));
  }));
  EXPECT_EQ(scene.MainSelector(), QStringList({"Юг"}));
  EXPECT_EQ(scene.form->ComboBox1->currentText(), "Юг");
  EXPECT_EQ(scene.State().CurrentNetIndex, 0);
  EXPECT_EQ(scene.State().ActiveSectionIndex, 2);

  // A deleted section before the active one moves the active index with it.
  ASSERT_TRUE(WithBrowser(*scene.form, [&](TNetsBrowser& b) {
    ClickTreeNode(*b.NetsTree, 0);
    ClickRow(*b.ListView1, 0);
    b.acDelSection->trigger();
  }));
  EXPECT_EQ(scene.State().ActiveSectionIndex, 1);
}

TEST(NetsBrowser, RenamingAndAddingNetsGoThroughTheNameDialog) {
  BrowserScene scene;
  ASSERT_TRUE(WithBrowser(*scene.form, [&](TNetsBrowser& b) {
    ClickTreeNode(*b.NetsTree, kSouthNode);
    ASSERT_TRUE(WhileModal<TNetNameDlg>([&] { b.acRenameNet->trigger(); },
                                        [](TNetNameDlg& dialog) {
                                          EXPECT_EQ(dialog.windowTitle(), "Переименовать сеть");
                                          EXPECT_EQ(dialog.edNameNet->text(), "Юг");
                                          dialog.edNameNet->setFocus();
                                          dialog.edNameNet->selectAll();
                                          TypeKeys("Восток");
                                          dialog.btnOk->click();
                                        }));
    EXPECT_EQ(TreeTexts(*b.NetsTree)[kSouthNode], "Восток");
    EXPECT_EQ(b.windowTitle(), "Броузер сетей: Восток");
    EXPECT_EQ(scene.MainSelector(), QStringList({"Север", "Восток"}));

    ASSERT_TRUE(WhileModal<TNetNameDlg>([&] { b.acAddNet->trigger(); },
                                        [](TNetNameDlg& dialog) {
                                          EXPECT_EQ(dialog.windowTitle(), "Новая сеть");
                                          EXPECT_EQ(dialog.edNameNet->text(), "Восток")
                                              << "the field keeps its last text";
                                          dialog.btnCancel->click();
                                        }));
    EXPECT_EQ(scene.State().Nets.NetCount(), 2);

    ASSERT_TRUE(WhileModal<TNetNameDlg>([&] { b.acAddNet->trigger(); },
                                        [](TNetNameDlg& dialog) {
                                          dialog.edNameNet->setFocus();
                                          dialog.edNameNet->selectAll();
                                          TypeKeys("Запад");
                                          dialog.btnOk->click();
                                        }));
    EXPECT_EQ(TreeTexts(*b.NetsTree).last(), "Запад");
    EXPECT_EQ(SelectedTexts(*b.NetsTree), QStringList({"Запад"}));
    EXPECT_EQ(b.ListView1->topLevelItemCount(), 0);
  }));
  EXPECT_EQ(scene.MainSelector(), QStringList({"Север", "Восток", "Запад"}));
}

TEST(NetsBrowser, ItsSettingsAreWrittenOnlyAfterItWasOpened) {
  WorkingFolder folder;
  const QString ini = folder.Path("Korvado.ini");
  {
    std::unique_ptr<TMainForm> form = ShowMainForm();
    CloseWithoutQuestion(*form);
  }
  {
    QSettings stored(ini, QSettings::IniFormat);
    EXPECT_TRUE(stored.childGroups().contains("WindowState"));
    EXPECT_FALSE(stored.childGroups().contains("NetsBrowser"));
  }
  {
    std::unique_ptr<TMainForm> form = ShowMainForm();
    ASSERT_TRUE(WithBrowser(*form, [&](TNetsBrowser& b) {
      EXPECT_EQ(b.size(), QSize(600, 450));
      EXPECT_EQ(b.NetsTree->width(), 160);
      b.resize(640, 470);
      b.Splitter1->setSizes({190, 440});
    }));
    CloseWithoutQuestion(*form);
  }
  QSettings stored(ini, QSettings::IniFormat);
  stored.beginGroup("NetsBrowser");
  EXPECT_EQ(stored.value("wsMaximized").toString(), "0");
  EXPECT_EQ(stored.value("WindowWidth").toInt(), 640);
  EXPECT_EQ(stored.value("WindowHeight").toInt(), 470);
  EXPECT_EQ(stored.value("TreeWidth").toInt(), 190);
}

TEST(NetsBrowser, OpensWithTheStoredSizeOrMaximized) {
  WorkingFolder folder;
  const QString ini = folder.Path("Korvado.ini");
  {
    QSettings stored(ini, QSettings::IniFormat);
    stored.setValue("NetsBrowser/WindowWidth", 700);
    stored.setValue("NetsBrowser/WindowHeight", 500);
    stored.setValue("NetsBrowser/TreeWidth", 210);
  }
  {
    std::unique_ptr<TMainForm> form = ShowMainForm();
    ASSERT_TRUE(WithBrowser(*form, [&](TNetsBrowser& b) {
      EXPECT_FALSE(b.isMaximized());
      EXPECT_EQ(b.size(), QSize(700, 500));
      EXPECT_EQ(b.NetsTree->width(), 210);
    }));
    CloseWithoutQuestion(*form);
  }
  {
    QSettings stored(ini, QSettings::IniFormat);
    stored.setValue("NetsBrowser/wsMaximized", 1);
    stored.setValue("NetsBrowser/WindowWidth", 650);
  }
  {
    std::unique_ptr<TMainForm> form = ShowMainForm();
    ASSERT_TRUE(WithBrowser(*form, [&](TNetsBrowser& b) { EXPECT_TRUE(b.isMaximized()); }));
    CloseWithoutQuestion(*form);
  }
  QSettings stored(ini, QSettings::IniFormat);
  EXPECT_EQ(stored.value("NetsBrowser/wsMaximized").toString(), "1");
  EXPECT_EQ(stored.value("NetsBrowser/WindowWidth").toInt(), 650) << "a maximized window keeps the stored size";
}

}  // namespace korvado
