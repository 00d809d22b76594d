// Attaching a pendent point from the nets browser, through the dialog's own
// edit field, search button, result list and buttons.

#include <gtest/gtest.h>

#include <QTest>

#include "../app/NetTestData.h"
#include "AddPendentPointDlg.h"
#include "KorIcons.h"
#include "MainForm.h"
#include "NetsBrowser.h"
#include "NetsBrowserSupport.h"
#include "SeparatorScope.h"
#include "UiTestSupport.h"

namespace korvado {

namespace {

// A journal with an unrelated run Q -> R and the run A -> B (+1.25, 3 setups);
// one net whose only section runs along `chain`.
struct PendentScene {
  WorkingFolder folder;
  std::unique_ptr<TMainForm> form = ShowMainForm();

  explicit PendentScene(const std::vector<std::string>& chain) {
    AppState& state = form->State();
    state.Journal.Clear();
    AddJournalRun(state.Journal, "Q", "R", 1, 9.0);
    AddJournalRun(state.Journal, "A", "B", 3, 1.25, "на марку");
    AddChainNet(state.Nets, "Сеть", {chain});
    form->RefillNetSelector();
  }
  ~PendentScene() { CloseWithoutQuestion(*form); }

  const TKorNetDetailTable& Section() { return form->State().Nets.NetAt(0).SectionTables.TableAt(0); }

  // With the section shown in the browser, runs acAddPendentPoint and `body` in its dialog.
  void AddPendentPoint(const std::function<void(TAddPendentPointDlg&)>& body,
                       const std::function<void(TNetsBrowser&)>& after = {}) {
    ASSERT_TRUE(WithBrowser(*form, [&](TNetsBrowser& b) {
      ClickTreeNode(*b.NetsTree, 1);
      ASSERT_TRUE(b.acAddPendentPoint->isEnabled());
      EXPECT_TRUE(WhileModal<TAddPendentPointDlg>([&] { b.acAddPendentPoint->trigger(); }, body));
      if (after) after(b);
    }));
  }
};

void Search(TAddPendentPointDlg& dialog, const QString& name) {
  dialog.EditFindPP->setFocus();
  dialog.EditFindPP->selectAll();
  TypeKeys(name);
  PressKey(Qt::Key_Return);
}

}  // namespace

TEST(PendentPointDialog, ASpurFoundFromThePendentPointIsAddedFromTheSectionsPoint) {
  for (const char separator : {'.', ','}) {
    SeparatorScope scope(separator, " ");
    const QString height = "1" + QString(separator) + "25";
    PendentScene scene({"Rp1", "A", "C"});
    scene.AddPendentPoint(
        [&](TAddPendentPointDlg& dialog) {
          EXPECT_EQ(dialog.windowTitle(), "Добавление висячей точки");
          EXPECT_EQ(dialog.FindPPListView->topLevelItemCount(), 0);
          EXPECT_FALSE(dialog.btnOk->isEnabled());
          Search(dialog, "B");
          EXPECT_TRUE(dialog.isVisible()) << "Enter in the field searches, it does not close";
          EXPECT_EQ(ColumnTexts(*dialog.FindPPListView, 0), QStringList({"A"}));
          EXPECT_EQ(ColumnIcons(*dialog.FindPPListView, 0), std::vector<int>({kIntermediatePoint}));
          EXPECT_EQ(ColumnTexts(*dialog.FindPPListView, 1), QStringList({"3"}));
          EXPECT_EQ(ColumnTexts(*dialog.FindPPListView, 2), QStringList({height}));
          EXPECT_EQ(ColumnTexts(*dialog.FindPPListView, 3), QStringList({"на марку"}));
          EXPECT_EQ(SelectedTexts(*dialog.FindPPListView), QStringList({"A"})) << "the first row is selected";
          ASSERT_TRUE(dialog.btnOk->isEnabled());
          dialog.btnOk->click();
        },
        [&](TNetsBrowser& b) {
          EXPECT_EQ(ColumnTexts(*b.ListView1, 0), QStringList({"1", "2", "1"}));
          EXPECT_EQ(ColumnIcons(*b.ListView1, 0).back(), kPendentIcon);
          EXPECT_EQ(ColumnTexts(*b.ListView1, 1).last(), "A");
          EXPECT_EQ(ColumnTexts(*b.ListView1, 2).last(), "B");
          EXPECT_EQ(ColumnTexts(*b.ListView1, 4).last(), height);
          EXPECT_EQ(ColumnTexts(*b.ListView1, 5).last(), "2");
        });
    const TKorNetDetailTable& table = scene.Section();
    ASSERT_EQ(table.PendentCount(), 1);
    EXPECT_EQ(table.PendentBackPoints[0], "A");
    EXPECT_EQ(table.PendentForePoints[0], "B");
    EXPECT_EQ(table.PendentTypes.GetItem(0), kIntermediatePoint);
    EXPECT_EQ(table.PendentSetups.GetItem(0), 3);
    EXPECT_DOUBLE_EQ(table.PendentHeights.GetItem(0), 1.25);
    EXPECT_EQ(table.PendentRefs.ListAt(0).Items(), std::vector<int32_t>{2});
  }
}

TEST(PendentPointDialog, SearchingFromTheBackPointReversesTheRun) {
  PendentScene scene({"Rp1", "B", "C"});
  scene.AddPendentPoint([&](TAddPendentPointDlg& dialog) {
    Search(dialog, "A");
    EXPECT_EQ(ColumnTexts(*dialog.FindPPListView, 0), QStringList({"B"}));
    EXPECT_EQ(ColumnTexts(*dialog.FindPPListView, 2), QStringList({"-1.25"}));
    dialog.btnOk->click();
  });
  const TKorNetDetailTable& table = scene.Section();
  ASSERT_EQ(table.PendentCount(), 1);
  EXPECT_EQ(table.PendentBackPoints[0], "B");
  EXPECT_EQ(table.PendentForePoints[0], "A");
  EXPECT_DOUBLE_EQ(table.PendentHeights.GetItem(0), -1.25);
  EXPECT_EQ(table.PendentRefs.ListAt(0).Items(), std::vector<int32_t>{-2});
}

TEST(PendentPointDialog, APointListedOnlyAsAForePointIsFoundWithItsIcon) {
  PendentScene scene({"Rp1", "A", "C"});
  AddJournalRun(scene.form->State().Journal, "C", "W", 2, 0.5);
  scene.AddPendentPoint([&](TAddPendentPointDlg& dialog) {
    Search(dialog, "W");
    EXPECT_EQ(ColumnTexts(*dialog.FindPPListView, 0), QStringList({"C"}));
    EXPECT_EQ(ColumnIcons(*dialog.FindPPListView, 0), std::vector<int>({kNodalPoint}))
        << "C stands in the list only as the fore point of the last run";
    dialog.btnCancel->click();
  });
  EXPECT_EQ(scene.Section().PendentCount(), 0) << "cancelled";
}

TEST(PendentPointDialog, NothingIsAddedWithoutAChosenRow) {
  PendentScene scene({"Rp1", "A", "C"});
  scene.AddPendentPoint([&](TAddPendentPointDlg& dialog) {
    Search(dialog, "R");
    EXPECT_EQ(dialog.FindPPListView->topLevelItemCount(), 0) << "Q is not a point of the section";
    EXPECT_FALSE(dialog.btnOk->isEnabled());
    dialog.btnOk->click();
    EXPECT_TRUE(dialog.isVisible());

    Search(dialog, "B");
    ASSERT_EQ(dialog.FindPPListView->topLevelItemCount(), 1);
    EXPECT_TRUE(dialog.btnOk->isEnabled());
    // Ctrl+Space takes the selection away.
    dialog.FindPPListView->setFocus();
    QTest::keyClick(dialog.FindPPListView, Qt::Key_Space, Qt::ControlModifier);
    EXPECT_TRUE(SelectedTexts(*dialog.FindPPListView).isEmpty());
    EXPECT_FALSE(dialog.btnOk->isEnabled());
    dialog.FindPPListView->setFocus();
    PressKey(Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible()) << "Enter does not add either";
    dialog.btnCancel->click();
  });
  EXPECT_EQ(scene.Section().PendentCount(), 0);
}

TEST(PendentPointDialog, TheEditedNamesAreTheOnesAdded) {
  PendentScene scene({"Rp1", "A", "C"});
  scene.AddPendentPoint([&](TAddPendentPointDlg& dialog) {
    Search(dialog, "B");
    ASSERT_EQ(dialog.FindPPListView->topLevelItemCount(), 1);
    // The pendent point is named by the field as it is when "Добавить" is pressed.
    dialog.EditFindPP->setFocus();
    dialog.EditFindPP->selectAll();
    TypeKeys("B2");
    // The section's point can be corrected in the row itself.
    dialog.FindPPListView->editItem(dialog.FindPPListView->topLevelItem(0), 0);
    QWidget* editor = QApplication::focusWidget();
    ASSERT_NE(editor, nullptr);
    ASSERT_NE(editor, dialog.EditFindPP) << "no editor opened in the row";
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    TypeKeys("A1");
    PressKey(Qt::Key_Return);
    EXPECT_EQ(ColumnTexts(*dialog.FindPPListView, 0), QStringList({"A1"}));
    EXPECT_TRUE(dialog.isVisible()) << "Enter in the row's editor ends the edit only";
    dialog.btnOk->click();
  });
  const TKorNetDetailTable& table = scene.Section();
  ASSERT_EQ(table.PendentCount(), 1);
  EXPECT_EQ(table.PendentBackPoints[0], "A1");
  EXPECT_EQ(table.PendentForePoints[0], "B2");
}

TEST(PendentPointDialog, EachSearchAndEachShowingStartsWithoutOldResults) {
  PendentScene scene({"Rp1", "A", "C"});
  AddJournalRun(scene.form->State().Journal, "B", "A", 2, -1.3);
  scene.AddPendentPoint([&](TAddPendentPointDlg& dialog) {
    Search(dialog, "B");
    EXPECT_EQ(ColumnTexts(*dialog.FindPPListView, 2), QStringList({"1.25", "1.3"})) << "journal order";
    EXPECT_EQ(SelectedTexts(*dialog.FindPPListView), QStringList({"A"}));
    Search(dialog, "Z");
    EXPECT_EQ(dialog.FindPPListView->topLevelItemCount(), 0);
    Search(dialog, "B");
    dialog.btnCancel->click();
  });
  scene.AddPendentPoint([&](TAddPendentPointDlg& dialog) {
    EXPECT_EQ(dialog.FindPPListView->topLevelItemCount(), 0);
    EXPECT_EQ(dialog.EditFindPP->text(), "B") << "the typed name is kept";
    EXPECT_FALSE(dialog.btnOk->isEnabled());
  });
  EXPECT_EQ(scene.Section().PendentCount(), 0);
}

TEST(PendentPointDialog, IsOfferedOnlyForASection) {
  PendentScene scene({"Rp1", "A", "C"});
  ASSERT_TRUE(WithBrowser(*scene.form, [&](TNetsBrowser& b) {
    EXPECT_FALSE(b.acAddPendentPoint->isEnabled());
    ClickTreeNode(*b.NetsTree, 0);
    EXPECT_FALSE(b.acAddPendentPoint->isEnabled());
    ClickTreeNode(*b.NetsTree, 1);
    EXPECT_TRUE(b.acAddPendentPoint->isEnabled());
  }));
}

}  // namespace korvado
