// The merge of repeated runs into one equivalent run: the buttons
// "Эквивалентные штативы" of the net-construction page and the dialog TEquiDlg.

#include <gtest/gtest.h>

#include <QTest>
#include <optional>

#include "EquiDlg.h"
#include "MainForm.h"
#include "NetConstructionSupport.h"
#include "NetSystemPage.h"
#include "SeparatorScope.h"
#include "TypePointDlg.h"
#include "UiTestSupport.h"

namespace korvado {

namespace {

using namespace nettest;

class EquiDlgTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = ShowMainForm();
    page = form->netSystemPage;
    form->PageControl1->setCurrentWidget(page);
    separators.emplace(',', " ");
  }
  void TearDown() override { CloseWithoutQuestion(*form); }

  AppState& State() { return form->State(); }
  const TKorNetDetailTable& Table(int32_t section) { return State().Nets.NetAt(0).SectionTables.TableAt(section); }

  // A current net whose active section ends at `end`, a point of the given type.
  void NetEndingAt(const std::string& end, int32_t endType) {
    const int32_t net = *State().Nets.AddNet("Сеть");
    EXPECT_TRUE(
        State().Nets.NetAt(net).AddSection("Rp", end, kFixedPoint, static_cast<uint8_t>(endType), 0.5, 2.0, 99));
    form->RefillNetSelector();
    form->SelectNet(net);
    State().ActiveSectionIndex = 0;
  }
  void Search(const QString& point) {
    page->EditFindBP->setText(point);
    page->btnFind->click();
  }
  void Merge(QToolButton* glyph, QToolButton* merge, std::vector<ModalScript::Step> steps) {
    glyph->click();
    EXPECT_TRUE(merge->isVisible());
    ModalScript script(std::move(steps));
    script.Run([&] { merge->click(); });
    EXPECT_EQ(script.Unexpected(), 0);
    EXPECT_TRUE(merge->isHidden()) << "the merge button hides itself";
  }

  std::unique_ptr<TMainForm> form;
  NetSystemPage* page = nullptr;
  std::optional<SeparatorScope> separators;
};

TEquiDlg& Dialog(QWidget* window) {
  auto* dialog = qobject_cast<TEquiDlg*>(window);
  if (!dialog) throw std::runtime_error("expected the merge dialog");
  return *dialog;
}

TEST_F(EquiDlgTest, TwoRunsOfFourAndSixSetupsMergeInto2Comma4SetupsAnd10Comma12) {
  // The second run was recorded from B to A; the one between A and C is not a repeat.
  SetJournal(State(), {{"A", "B", 4, 10.00}, {"A", "C", 5, 1.00}, {"B", "A", 6, -10.30}});
  NetEndingAt("A", kNodalPoint);
  Search(QStringLiteral("A"));
  page->FindStringGrid->setCurrentCell(2, 0);  // the reversed run is the one picked

  Merge(page->AddEquiSecSpeedButton, page->EquiSecSpeedButton,
        {[](QWidget* window) {
           TEquiDlg& dialog = Dialog(window);
           EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Эквивалентные штативы"));
           EXPECT_EQ(GridRows(*dialog.EquiStringGrid1), QStringList({"A|B|4|10,00|", "A|B|6|10,30|"}));
           EXPECT_EQ(GridRows(*dialog.EquiStringGrid2), QStringList({"||||"}));
           EXPECT_TRUE(dialog.lbEquiSection->text().isEmpty());
           EXPECT_FALSE(dialog.OKBtn->isEnabled()) << "nothing merged yet";

           dialog.btnAdd->click();
           EXPECT_EQ(dialog.lbEquiSection->text(), QStringLiteral("A --> B:  4 шт.   10 мм"));
           EXPECT_TRUE(dialog.lbSpread->text().isEmpty());
           EXPECT_TRUE(dialog.OKBtn->isEnabled());
           dialog.btnAdd->click();
           EXPECT_EQ(dialog.lbEquiSection->text(), QStringLiteral("A --> B:  2,4 шт.   10,12 мм"));
           // Before OK: how far the two runs disagree, against the technical class's 10·√10.
           EXPECT_EQ(dialog.lbSpread->text(),
                     QStringLiteral("Расхождение 0,30 мм, допуск 31,62 мм (Техническое, n = 10): в допуске"));
           EXPECT_TRUE(dialog.lbSpread->isVisible());
           EXPECT_EQ(GridRows(*dialog.EquiStringGrid1), QStringList({"||||"}));
           EXPECT_EQ(GridRows(*dialog.EquiStringGrid2), QStringList({"A|B|4|10,00|", "A|B|6|10,30|"}));
           dialog.btnAdd->click();  // nothing left to move
           EXPECT_EQ(dialog.EquiStringGrid2->rowCount(), 2);
           EXPECT_EQ(dialog.lbEquiSection->text(), QStringLiteral("A --> B:  2,4 шт.   10,12 мм"));
           dialog.OKBtn->click();
         },
         [](QWidget* window) {
           auto* types = qobject_cast<TTypePointDlg*>(window);
           ASSERT_NE(types, nullptr);
           EXPECT_EQ(types->Label1->text(), QStringLiteral("Задняя точка: A"));
           EXPECT_EQ(types->Label2->text(), QStringLiteral("Передняя точка: B"));
           EXPECT_TRUE(types->ComboBox1->isEnabled());
           ChooseTypes(kNodalPoint, kNodalPoint)(window);
         }});

  ASSERT_EQ(State().Nets.NetAt(0).SectionCount(), 2);
  EXPECT_EQ(State().ActiveSectionIndex, 1);
  const TKorNetDetailTable& merged = Table(1);
  ASSERT_EQ(merged.RunCount(), 1);
  EXPECT_DOUBLE_EQ(merged.RunSetups.GetItem(0), 2.4);
  EXPECT_DOUBLE_EQ(merged.RunHeights.GetItem(0), 10.12);
  EXPECT_EQ(merged.RunRefs.ListAt(0).Items(), (std::vector<int32_t>{-3, 1})) << "the picked run first";
  EXPECT_EQ(ListRows(*page->DetSecListView), QStringList({"A|B|2,4|10,12"}));
  EXPECT_EQ(page->EditFindBP->text(), QStringLiteral("B")) << "the search goes on from the merged run's end";
}

TEST_F(EquiDlgTest, ThreeRunsOfTwoSetupsAppendedToTheActiveSectionFromItsEnd) {
  SetJournal(State(), {{"A", "B", 2, 1.00}, {"A", "B", 2, 1.01}, {"A", "B", 2, 1.03}});
  NetEndingAt("Q", kIntermediatePoint);
  Search(QStringLiteral("A"));

  Merge(page->AddEquiSpeedButton, page->EquiSpeedButton,
        {[](QWidget* window) {
           TEquiDlg& dialog = Dialog(window);
           for (int k = 0; k < 3; ++k) dialog.btnAdd->click();
           EXPECT_EQ(dialog.lbEquiSection->text(), QStringLiteral("A --> B:  0,666666666666667 шт.   1,01 мм"));
           dialog.OKBtn->click();
         },
         [](QWidget* window) {
           auto* types = qobject_cast<TTypePointDlg*>(window);
           ASSERT_NE(types, nullptr);
           EXPECT_EQ(types->Label1->text(), QStringLiteral("Задняя точка: A"));
           EXPECT_FALSE(types->ComboBox1->isEnabled());
           EXPECT_EQ(types->ComboBox1->currentIndex(), kIntermediatePoint);
           ChooseTypes(-1, kFixedPoint)(window);
         }});

  const TKorNetDetailTable& section = Table(0);
  ASSERT_EQ(section.RunCount(), 2);
  EXPECT_EQ(section.RunBackPoints[1], "Q") << "the merged run starts at the section's end";
  EXPECT_EQ(section.RunForePoints[1], "B");
  EXPECT_NEAR(section.RunSetups.GetItem(1), 2.0 / 3.0, 1e-15);
  EXPECT_EQ(section.RunRefs.ListAt(1).Items(), (std::vector<int32_t>{1, 2, 3}));
  EXPECT_EQ(section.RunRefs.ListAt(0).Items(), std::vector<int32_t>{99}) << "other runs keep one reference";
  EXPECT_EQ(ListRows(*page->DetSecListView), QStringList({"Rp|Q|2|0,50", "Q|B|0,666666666666667|1,01"}));
}

TEST_F(EquiDlgTest, CancelOrAnOldMergeAddsNothing) {
  SetJournal(State(), {{"A", "B", 4, 10.00}, {"A", "B", 6, 10.30}});
  NetEndingAt("A", kNodalPoint);
  Search(QStringLiteral("A"));

  // Merged, then cancelled.
  Merge(page->AddEquiSecSpeedButton, page->EquiSecSpeedButton, {[](QWidget* window) {
          TEquiDlg& dialog = Dialog(window);
          dialog.btnAdd->click();
          dialog.CancelBtn->click();
        }});
  // The next showing starts afresh: OK stays disabled although a merge is kept from before.
  Merge(page->AddEquiSecSpeedButton, page->EquiSecSpeedButton, {[](QWidget* window) {
          TEquiDlg& dialog = Dialog(window);
          EXPECT_EQ(dialog.EquiStringGrid1->rowCount(), 2);
          EXPECT_TRUE(dialog.lbEquiSection->text().isEmpty());
          EXPECT_FALSE(dialog.OKBtn->isEnabled());
          dialog.reject();
        }});
  // Merged and confirmed, then the point types cancelled.
  Merge(page->AddEquiSecSpeedButton, page->EquiSecSpeedButton,
        {[](QWidget* window) {
           TEquiDlg& dialog = Dialog(window);
           dialog.btnAdd->click();
           dialog.OKBtn->click();
         },
         CancelDialog()});
  EXPECT_EQ(State().Nets.NetAt(0).SectionCount(), 1);
  EXPECT_EQ(Table(0).RunCount(), 1);
}

TEST_F(EquiDlgTest, ARunWithoutAValidHeightIsNotMerged) {
  SetJournal(State(), {{"A", "B", 4, 10.00}, {"A", "B", 6, InvalidHeight}});
  NetEndingAt("A", kNodalPoint);
  Search(QStringLiteral("A"));
  page->FindStringGrid->setCurrentCell(1, 0);
  QString message;
  Merge(page->AddEquiSecSpeedButton, page->EquiSecSpeedButton,
        {[](QWidget* window) {
           TEquiDlg& dialog = Dialog(window);
           dialog.EquiStringGrid1->setCurrentCell(1, 0);
           dialog.btnAdd->click();  // the message is answered by the next step
           EXPECT_EQ(GridRows(*dialog.EquiStringGrid2), QStringList({"||||"}));
           EXPECT_EQ(dialog.EquiStringGrid1->rowCount(), 2);
           EXPECT_FALSE(dialog.OKBtn->isEnabled());
           dialog.EquiStringGrid1->setCurrentCell(0, 0);
           dialog.btnAdd->click();
           EXPECT_EQ(dialog.lbEquiSection->text(), QStringLiteral("A --> B:  4 шт.   10 мм"));
           dialog.reject();
         },
         AcceptMessage(&message)});
  EXPECT_TRUE(message.contains(QStringLiteral("A --> B"))) << message.toStdString();
  EXPECT_EQ(State().Nets.NetAt(0).SectionCount(), 1);
}

TEST_F(EquiDlgTest, MergeButtonsWithoutANetSayWhatIsMissing) {
  SetJournal(State(), {{"A", "B", 4, 10.00}});
  Search(QStringLiteral("A"));
  for (QToolButton* merge : {page->EquiSecSpeedButton, page->EquiSpeedButton}) {
    merge->show();
    QString text;
    ModalScript script({AcceptMessage(&text)});
    script.Run([&] { merge->click(); });
    EXPECT_EQ(script.Answered(), 1);
    EXPECT_EQ(script.Unexpected(), 0);
    EXPECT_TRUE(text.startsWith(QStringLiteral("Сеть не выбрана."))) << text.toStdString();
  }
  EXPECT_EQ(State().Nets.NetCount(), 0);
}

}  // namespace

}  // namespace korvado
