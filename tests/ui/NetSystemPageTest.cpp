// The page "Система нивелирных ходов" through its real widgets: the search,
// the walk of a line by double clicks, the buttons and the active-section counter.

#include <gtest/gtest.h>

#include <QTest>
#include <optional>

#include "MainForm.h"
#include "NetConstructionCommands.h"
#include "NetConstructionSupport.h"
#include "NetSystemPage.h"
#include "SeparatorScope.h"
#include "TypePointDlg.h"
#include "UiTestSupport.h"

namespace korvado {

namespace {

using namespace nettest;

class NetSystemPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = ShowMainForm();
    page = form->netSystemPage;
    form->PageControl1->setCurrentWidget(page);
    // After the application took the locale's separators.
    separators.emplace('.', " ");
  }
  void TearDown() override { CloseWithoutQuestion(*form); }

  AppState& State() { return form->State(); }
  const TKorNet& Net(int32_t index) { return State().Nets.NetAt(index); }
  const TKorNetDetailTable& Table(int32_t net, int32_t section) {
    return State().Nets.NetAt(net).SectionTables.TableAt(section);
  }

  // Types the point into the search box and presses Enter, as the surveyor does.
  void Search(const QString& point) {
    page->EditFindBP->clear();
    TypeInto(page->EditFindBP, point);
    QTest::keyClick(page->EditFindBP, Qt::Key_Return);
  }
  // Selects the result row leading to `fore`.
  void SelectRun(const QString& fore) {
    for (int r = 0; r < page->FindStringGrid->rowCount(); ++r)
      if (page->FindStringGrid->item(r, 0) && page->FindStringGrid->item(r, 0)->text() == fore) {
        page->FindStringGrid->setCurrentCell(r, 0);
        return;
      }
    ADD_FAILURE() << "no run to " << fore.toStdString();
  }
  // Runs action with its dialogs answered by steps; returns how many were answered.
  int Answer(std::vector<ModalScript::Step> steps, const std::function<void()>& action) {
    ModalScript script(std::move(steps));
    script.Run(action);
    EXPECT_EQ(script.Unexpected(), 0) << "a dialog or message that was not expected";
    return script.Answered();
  }
  // The text of the one message box the action shows.
  QString Message(const std::function<void()>& action) {
    QString text;
    EXPECT_EQ(Answer({AcceptMessage(&text)}, action), 1) << "no message shown";
    return text;
  }

  std::unique_ptr<TMainForm> form;
  NetSystemPage* page = nullptr;
  std::optional<SeparatorScope> separators;
};

// Rp1 - p1 - N1 - p2 - Rp2: intermediate points between a benchmark, a nodal point and a benchmark.
const std::vector<JournalRun> kLine = {
    {"Rp1", "p1", 2, 1.00}, {"N1", "p1", 3, 0.40}, {"N1", "p2", 2, -0.30}, {"p2", "Rp2", 4, 0.25}};

TEST_F(NetSystemPageTest, SearchListsTheRunsAtThePointReadFromIt) {
  for (const char separator : {'.', ','}) {
    SeparatorScope scope(separator, " ");
    SetJournal(State(), {{"A", "B", 2, 1.25}, {"K", "A", 3, -0.40}});
    Search(QStringLiteral("A"));
    const QString s(separator);
    EXPECT_EQ(GridRows(*page->FindStringGrid), QStringList({"B|2|1" + s + "25|", "K|3|0" + s + "40|"}));
    EXPECT_EQ(State().SearchHits.Items(), (std::vector<int32_t>{1, -2}));
    EXPECT_EQ(page->FindStringGrid->currentRow(), 0);

    Search(QStringLiteral("Z"));
    EXPECT_EQ(GridRows(*page->FindStringGrid), QStringList({"|||"})) << "one empty row when nothing is found";
    EXPECT_EQ(State().SearchHits.Count(), 0);
    EXPECT_EQ(Message([&] { page->btnAddNet->click(); }), QString::fromUtf8(kStartRunNotFoundMessage));
    EXPECT_EQ(State().Nets.NetCount(), 0);
  }
}

TEST_F(NetSystemPageTest, DoubleClicksEnterAndKeysWalkALineRunByRunAndStartASectionAtTheNodalPoint) {
  SetJournal(State(), kLine);
  Search(QStringLiteral("Rp1"));
  Answer({NameNet(QStringLiteral("Линия 1")), ChooseTypes(kFixedPoint, kIntermediatePoint)},
         [&] { page->btnAddNet->click(); });
  ASSERT_EQ(State().Nets.NetCount(), 1);
  EXPECT_EQ(Net(0).Name, "Линия 1");
  EXPECT_EQ(form->ComboBox1->currentText(), QStringLiteral("Линия 1"));
  EXPECT_EQ(State().CurrentNetIndex, 0);
  EXPECT_EQ(ListRows(*page->DetSecListView), QStringList({"Rp1|p1|2|1.00"}));
  // The search went on from p1 and rests on the run that does not lead back to Rp1.
  EXPECT_EQ(page->EditFindBP->text(), QStringLiteral("p1"));
  EXPECT_EQ(GridRows(*page->FindStringGrid), QStringList({"Rp1|2|-1.00|", "N1|3|-0.40|"}));
  EXPECT_EQ(page->FindStringGrid->currentRow(), 1);
  // The grid holds the focus of the window, for the double click or Enter that follows.
  EXPECT_EQ(form->focusWidget(), page->FindStringGrid);

  // p1 is intermediate: the double click extends the section; the back type is the section's end.
  const int answered = Answer({[](QWidget* window) {
                                auto* dialog = qobject_cast<TTypePointDlg*>(window);
                                ASSERT_NE(dialog, nullptr);
                                EXPECT_EQ(dialog->Label1->text(), QStringLiteral("Задняя точка: p1"));
                                EXPECT_EQ(dialog->Label2->text(), QStringLiteral("Передняя точка: N1"));
                                EXPECT_FALSE(dialog->ComboBox1->isEnabled());
                                EXPECT_EQ(dialog->ComboBox1->currentIndex(), kIntermediatePoint);
                                ChooseTypes(-1, kNodalPoint)(window);
                              }},
                              [&] { DoubleClickRow(*page->FindStringGrid, page->FindStringGrid->currentRow()); });
  EXPECT_EQ(answered, 1);
  EXPECT_EQ(Net(0).SectionCount(), 1);
  EXPECT_EQ(Table(0, 0).RunCount(), 2);
  EXPECT_EQ(Net(0).SectionEnds[0], "N1");
  EXPECT_EQ(Net(0).SectionEndTypes.GetItem(0), kNodalPoint);
  EXPECT_EQ(Table(0, 0).RunRefs.ListAt(1).Items(), std::vector<int32_t>{-2});
  EXPECT_EQ(ListRows(*page->DetSecListView), QStringList({"Rp1|p1|2|1.00", "p1|N1|3|-0.40"}));
  EXPECT_EQ(GridRows(*page->FindStringGrid), QStringList({"p1|3|0.40|", "p2|2|-0.30|"}));
  EXPECT_EQ(page->FindStringGrid->currentRow(), 1);

  // N1 is nodal: the double click starts a new section there, its back type to be chosen.
  Answer({[](QWidget* window) {
           auto* dialog = qobject_cast<TTypePointDlg*>(window);
           ASSERT_NE(dialog, nullptr);
           EXPECT_TRUE(dialog->ComboBox1->isEnabled());
           EXPECT_EQ(dialog->ComboBox1->currentIndex(), kNodalPoint) << "N1 is already nodal in this net";
           ChooseTypes(-1, kIntermediatePoint)(window);
         }},
         // Enter on the row does what the double click does.
         [&] { QTest::keyClick(page->FindStringGrid, Qt::Key_Return); });
  ASSERT_EQ(Net(0).SectionCount(), 2);
  EXPECT_EQ(State().ActiveSectionIndex, 1);
  EXPECT_EQ(ListRows(*page->DetSecListView), QStringList({"N1|p2|2|-0.30"}));

  // «Добавить штатив» from the keyboard, the key shown in its tooltip.
  EXPECT_TRUE(page->btnAddNetDTSection->toolTip().contains(QKeySequence(Qt::CTRL | Qt::Key_3).toString(
      QKeySequence::NativeText)));
  // Shortcuts reach the active window; offscreen, a closed dialog does not hand activation back.
  form->activateWindow();
  ASSERT_TRUE(WaitUntilActive(form.get()));
  // A button's key presses it as a click does, a moment later.
  EXPECT_EQ(Answer({ChooseTypes(-1, kFixedPoint)},
                   [&] {
                     QTest::keyClick(page->FindStringGrid, Qt::Key_3, Qt::ControlModifier);
                     EXPECT_TRUE(QTest::qWaitFor([&] { return Table(0, 1).RunCount() == 2; }));
                   }),
            1);
  EXPECT_EQ(Table(0, 1).RunCount(), 2);
  EXPECT_EQ(Net(0).SectionStarts[1], "N1");
  EXPECT_EQ(Net(0).SectionEnds[1], "Rp2");
  EXPECT_EQ(Net(0).SectionEndTypes.GetItem(1), kFixedPoint);
  EXPECT_NEAR(Net(0).SectionHeights.GetItem(1), -0.05, 1e-9);
  EXPECT_EQ(ListRows(*page->DetSecListView), QStringList({"N1|p2|2|-0.30", "p2|Rp2|4|0.25"}));
  EXPECT_EQ(page->EditFindBP->text(), QStringLiteral("Rp2"));
}

TEST_F(NetSystemPageTest, CancellingEitherDialogOfANewNetCreatesNothingAndChangesNothing) {
  SetJournal(State(), kLine);
  State().Changed = false;
  State().History.Reset(State());  // as if the journal came from a file
  Search(QStringLiteral("Rp1"));
  const std::vector<std::vector<ModalScript::Step>> cancels = {{CancelDialog()},
                                                               {NameNet(QStringLiteral("Линия 1")), CancelDialog()}};
  for (const std::vector<ModalScript::Step>& steps : cancels) {
    EXPECT_EQ(Answer(steps, [&] { page->btnAddNet->click(); }), static_cast<int>(steps.size()));
    EXPECT_EQ(State().Nets.NetCount(), 0);
    EXPECT_EQ(form->ComboBox1->count(), 0);
    EXPECT_FALSE(State().Changed);
    EXPECT_FALSE(form->isWindowModified());
    EXPECT_FALSE(State().History.CanUndo()) << "no step for what did not happen";
  }
}

TEST_F(NetSystemPageTest, AddRunTakesItsBackPointFromTheActiveSectionNotFromTheSearchBox) {
  SetJournal(State(), {{"Rp1", "p1", 2, 1.00}, {"X", "p2", 3, 0.50}});
  Search(QStringLiteral("Rp1"));
  Answer({NameNet(QStringLiteral("Net")), ChooseTypes(kFixedPoint, kIntermediatePoint)},
         [&] { page->btnAddNet->click(); });
  Search(QStringLiteral("X"));
  page->EquiSpeedButton->show();
  Answer({[](QWidget* window) {
           auto* dialog = qobject_cast<TTypePointDlg*>(window);
           ASSERT_NE(dialog, nullptr);
           EXPECT_EQ(dialog->Label1->text(), QStringLiteral("Задняя точка: p1"));
           ChooseTypes(-1, kNodalPoint)(window);
         }},
         [&] { page->btnAddNetDTSection->click(); });
  EXPECT_TRUE(page->EquiSpeedButton->isHidden()) << "the run button hides its merge button";
  ASSERT_EQ(Table(0, 0).RunCount(), 2);
  EXPECT_EQ(Table(0, 0).RunBackPoints[1], "p1");
  EXPECT_EQ(Table(0, 0).RunForePoints[1], "p2");
  EXPECT_EQ(ListRows(*page->DetSecListView), QStringList({"Rp1|p1|2|1.00", "p1|p2|3|0.50"}));
}

TEST_F(NetSystemPageTest, AddSectionButtonStartsASectionAtTheSearchedPointAndTheCounterChoosesTheActiveOne) {
  SetJournal(State(), kLine);
  Search(QStringLiteral("Rp1"));
  Answer({NameNet(QStringLiteral("Net")), ChooseTypes(kFixedPoint, kIntermediatePoint)},
         [&] { page->btnAddNet->click(); });
  Search(QStringLiteral("Rp2"));
  page->EquiSecSpeedButton->show();
  Answer({ChooseTypes(kFixedPoint, kIntermediatePoint)}, [&] { page->btnAddNetSection->click(); });
  EXPECT_TRUE(page->EquiSecSpeedButton->isHidden());
  ASSERT_EQ(Net(0).SectionCount(), 2);
  EXPECT_EQ(Net(0).SectionStarts[1], "Rp2");
  EXPECT_EQ(Net(0).SectionEnds[1], "p2");
  EXPECT_DOUBLE_EQ(Net(0).SectionHeights.GetItem(1), -0.25) << "the run is read from the searched point";
  EXPECT_EQ(State().ActiveSectionIndex, 1);
  EXPECT_EQ(page->Edit1->text(), QStringLiteral("2")) << "the counter shows the section just added";

  page->UpDown1->DownButton->click();
  EXPECT_EQ(page->Edit1->text(), QStringLiteral("1"));
  EXPECT_EQ(State().ActiveSectionIndex, 0);
  EXPECT_EQ(ListRows(*page->DetSecListView), QStringList({"Rp1|p1|2|1.00"})) << "moving it shows that section";
  page->UpDown1->UpButton->click();
  EXPECT_EQ(page->Edit1->text(), QStringLiteral("2"));
  EXPECT_EQ(State().ActiveSectionIndex, 1);
  EXPECT_EQ(ListRows(*page->DetSecListView), QStringList({"Rp2|p2|4|-0.25"}));
  page->UpDown1->UpButton->click();
  EXPECT_EQ(page->Edit1->text(), QStringLiteral("2")) << "no further than the net's sections";
  EXPECT_EQ(State().ActiveSectionIndex, 1);

  // Counter at 1 again, then the first section is extended from its end p1.
  page->UpDown1->DownButton->click();
  Search(QStringLiteral("p1"));
  SelectRun(QStringLiteral("N1"));
  Answer({ChooseTypes(-1, kNodalPoint)}, [&] { page->btnAddNetDTSection->click(); });
  EXPECT_EQ(Table(0, 0).RunCount(), 2);
  EXPECT_EQ(Table(0, 1).RunCount(), 1);
}

TEST_F(NetSystemPageTest, WithoutCurrentNetOrActiveSectionTheCommandsSayWhatIsMissingAndChangeNothing) {
  SetJournal(State(), kLine);
  Search(QStringLiteral("Rp1"));
  for (QPushButton* button : {page->btnAddNetSection, page->btnAddNetDTSection}) {
    const QString text = Message([&] { button->click(); });
    EXPECT_TRUE(text.startsWith(QStringLiteral("Сеть не выбрана."))) << text.toStdString();
  }
  EXPECT_TRUE(
      Message([&] { DoubleClickRow(*page->FindStringGrid, 0); }).startsWith(QStringLiteral("Сеть не выбрана.")));
  EXPECT_EQ(State().Nets.NetCount(), 0);

  // An empty net, current, with no active section.
  ASSERT_TRUE(State().Nets.AddNet("Пустая"));
  form->RefillNetSelector();
  form->SelectNet(0);
  ASSERT_EQ(State().Nets.NetCount(), 1);
  const QString noSection = Message([&] { page->btnAddNetDTSection->click(); });
  EXPECT_TRUE(noSection.startsWith(QStringLiteral("Активное звено не выбрано."))) << noSection.toStdString();
  EXPECT_EQ(Net(0).SectionCount(), 0);

  // A run cancelled at its type dialog changes nothing either.
  Answer({CancelDialog()}, [&] { page->btnAddNetSection->click(); });
  EXPECT_EQ(Net(0).SectionCount(), 0);
}

TEST_F(NetSystemPageTest, ARunThatFailedTheTwoScaleCheckIsNotPutIntoANet) {
  SetJournal(State(), {{"Rp1", "p1", 2, InvalidHeight}});
  Search(QStringLiteral("Rp1"));
  EXPECT_EQ(GridRows(*page->FindStringGrid), QStringList({"p1|2|1234567.00|"}));
  const QString text = Message([&] { page->btnAddNet->click(); });
  EXPECT_TRUE(text.contains(QStringLiteral("Rp1 --> p1"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("№ 1")));
  EXPECT_EQ(State().Nets.NetCount(), 0);
}

TEST_F(NetSystemPageTest, ThePointTypeDialogCannotBeConfirmedWithoutAChoice) {
  SetJournal(State(), kLine);
  Search(QStringLiteral("Rp1"));
  Answer({NameNet(QStringLiteral("Net")),
          [](QWidget* window) {
            auto* dialog = qobject_cast<TTypePointDlg*>(window);
            ASSERT_NE(dialog, nullptr);
            dialog->ComboBox1->setCurrentIndex(-1);
            dialog->ComboBox2->setCurrentIndex(-1);
            EXPECT_FALSE(dialog->btnOk->isEnabled());
            dialog->ComboBox1->setCurrentIndex(kFixedPoint);
            EXPECT_FALSE(dialog->btnOk->isEnabled()) << "the fore point has no type yet";
            dialog->ComboBox2->setCurrentIndex(kNodalPoint);
            EXPECT_TRUE(dialog->btnOk->isEnabled());
            dialog->btnOk->click();
          }},
         [&] { page->btnAddNet->click(); });
  EXPECT_EQ(Net(0).SectionEndTypes.GetItem(0), kNodalPoint);
}

}  // namespace

}  // namespace korvado
