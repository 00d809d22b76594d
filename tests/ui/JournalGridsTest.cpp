// The journal grids typed into as a surveyor types: keystroke write-through,
// key filters, formats, the edit-finished behaviour and input mode.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QTableView>
#include <QTreeView>

#include "JournalPage.h"
#include "MainForm.h"
#include "NumberColumns.h"
#include "SeparatorScope.h"
#include "UiTestSupport.h"

namespace korvado {
namespace {

class JournalGrids : public ::testing::Test {
 protected:
  void SetUp() override {
    form = ShowMainForm();
    page = form->journalPage;
  }
  void TearDown() override { CloseWithoutQuestion(*form); }

  const TKorData& Journal() { return form->State().Journal; }
  static QString Cell(JournalGridView* grid, int row, int column) {
    return grid->model()->index(row, column).data().toString();
  }
  QString Main(int row, int column) { return Cell(page->MainStringGrid, row, column); }
  QString Detail(int row, int column) { return Cell(page->DetailStringGrid, row, column); }
  QString Tech(int row, int column) { return Cell(page->TechStringGrid, row, column); }
  // Rows as the grid shows them, title row included.
  static int ShownRows(JournalGridView* grid) { return grid->model()->rowCount() + 1; }

  static void StartAt(JournalGridView* grid, int row, int column) {
    grid->setFocus();
    grid->SelectCell(row, column);
  }
  static void TypeCell(JournalGridView* grid, int row, int column, const QString& text) {
    StartAt(grid, row, column);
    TypeKeys(text);
    PressKey(Qt::Key_Return);
  }
  static QString EditorText(JournalGridView* grid) { return grid->Editor() ? grid->Editor()->text() : QString(); }

  WorkingFolder folder;
  std::unique_ptr<TMainForm> form;
  JournalPage* page = nullptr;
};

TEST_F(JournalGrids, TwelveSetupsTypedKeyByKeyGrowTheReadingGrid) {
  ASSERT_EQ(Journal().RecordCount(), 1) << "the program starts with one run";
  EXPECT_EQ(Main(0, 0), "Rp1");
  StartAt(page->MainStringGrid, 0, kMainSetups);
  TypeKeys("1");
  EXPECT_EQ(Journal().SetupCounts.GetItem(0), 1);
  EXPECT_EQ(ShownRows(page->DetailStringGrid), 3);
  TypeKeys("2");
  EXPECT_EQ(Journal().SetupCounts.GetItem(0), 12);
  EXPECT_EQ(ShownRows(page->DetailStringGrid), 25);
  EXPECT_EQ(Detail(23, 0), "Rp2");
  PressKey(Qt::Key_Return);
  EXPECT_FALSE(page->MainStringGrid->IsEditing());
  EXPECT_EQ(Main(0, kMainSetups), "12");

  StartAt(page->MainStringGrid, 0, kMainSetups);
  PressKey(Qt::Key_Backspace);
  EXPECT_EQ(Journal().SetupCounts.GetItem(0), 1) << "a cleared count means one setup";
  EXPECT_EQ(ShownRows(page->DetailStringGrid), 3);
  PressKey(Qt::Key_Return);
}

TEST_F(JournalGrids, NumbersAreRightAlignedAndNeverCutToAShorterNumber) {
  SeparatorScope separators('.', " ");
  // 24453 divisions of 0.05 mm on both scales.
  TypeCell(page->DetailStringGrid, 0, 1, "30000");
  TypeCell(page->DetailStringGrid, 0, 2, "90650");
  TypeCell(page->DetailStringGrid, 1, 1, "5547");
  TypeCell(page->DetailStringGrid, 1, 2, "66197");
  page->RefillMainGrid();
  const QModelIndex height = page->MainModel()->index(0, kMainHeight);
  ASSERT_EQ(height.data().toString().trimmed(), "1 222.65");
  EXPECT_GE(page->MainStringGrid->columnWidth(kMainHeight), CellWidthFor(page->MainStringGrid, "1 222.65"))
      << "the default width shows the number whole";
  const auto alignment = [](const QModelIndex& index) {
    return index.data(Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignHorizontal_Mask;
  };
  EXPECT_EQ(alignment(height), Qt::AlignRight);
  EXPECT_EQ(alignment(page->MainModel()->index(0, kMainSetups)), Qt::AlignRight);
  EXPECT_EQ(alignment(page->MainModel()->index(0, kMainBack)), Qt::AlignLeft);
  EXPECT_EQ(alignment(page->DetailModel()->index(0, 1)), Qt::AlignRight) << "a reading";
  EXPECT_EQ(alignment(page->DetailModel()->index(0, 3)), Qt::AlignRight) << "the setup's height";
  EXPECT_EQ(alignment(page->DetailModel()->index(1, 3)), Qt::AlignLeft) << "the setup's note";

  // Word wrap would show "1 222" of 1 222,65, and a clipped cell a shorter
  // number: every list of every page shows one line, elided with "…".
  for (QAbstractItemView* view : form->findChildren<QAbstractItemView*>()) {
    const auto* table = qobject_cast<QTableView*>(view);
    const auto* tree = qobject_cast<QTreeView*>(view);
    if (!table && !tree) continue;
    EXPECT_FALSE(table ? table->wordWrap() : tree->wordWrap()) << view->objectName().toStdString();
    EXPECT_EQ(view->textElideMode(), Qt::ElideRight) << view->objectName().toStdString();
  }
}

TEST_F(JournalGrids, KeyFiltersRefuseWhatAColumnCannotHold) {
  SeparatorScope separators(',', " ");
  StartAt(page->MainStringGrid, 0, kMainBack);
  TypeKeys(QString(25, QLatin1Char('A')));
  EXPECT_EQ(EditorText(page->MainStringGrid).size(), 20);
  PressKey(Qt::Key_Backspace);
  EXPECT_EQ(EditorText(page->MainStringGrid).size(), 19) << "Backspace still works at the limit";
  PressKey(Qt::Key_Return);
  EXPECT_EQ(Journal().BackPoints[0], std::string(19, 'A'));

  TypeCell(page->MainStringGrid, 0, kMainNote, QString(35, QLatin1Char('n')));
  EXPECT_EQ(Journal().Notes[0], std::string(30, 'n'));

  StartAt(page->MainStringGrid, 0, kMainSetups);
  TypeKeys("3x-,5");
  EXPECT_EQ(EditorText(page->MainStringGrid), "35");
  PressKey(Qt::Key_Return);
  EXPECT_EQ(Journal().SetupCounts.GetItem(0), 35);

  StartAt(page->MainStringGrid, 0, kMainHeight);
  TypeKeys("12");
  EXPECT_FALSE(page->MainStringGrid->IsEditing()) << "the height difference is never typed";

  StartAt(page->DetailStringGrid, 0, 1);
  TypeKeys("1804.5,7a");
  EXPECT_EQ(EditorText(page->DetailStringGrid), "1804,57") << "a dot is taken as the separator, never dropped";
  PressKey(Qt::Key_Return);
  EXPECT_EQ(Journal().BackMainReading.GetItem(0), 1804.57);
  StartAt(page->DetailStringGrid, 1, 1);
  TypeKeys(".5");
  EXPECT_EQ(EditorText(page->DetailStringGrid), ",5") << "also as the key that opens the edit";
  PressKey(Qt::Key_Return);
  EXPECT_EQ(Journal().ForeMainReading.GetItem(0), 0.5);

  TypeCell(page->DetailStringGrid, 1, 3, QString(22, QLatin1Char('z')));
  EXPECT_EQ(Journal().SetupNotes[0], std::string(20, 'z'));
}

TEST_F(JournalGrids, PreciseReadingsShowTheSetupHeightWhileTypingAndAfter) {
  TypeCell(page->DetailStringGrid, 0, 1, "1000");
  TypeCell(page->DetailStringGrid, 0, 2, "7000");
  TypeCell(page->DetailStringGrid, 1, 1, "500");
  StartAt(page->DetailStringGrid, 1, 2);
  TypeKeys("6500");
  EXPECT_EQ(Detail(0, 3), "25") << "while typing, the shortest form";
  EXPECT_EQ(Main(0, kMainHeight), "25");
  PressKey(Qt::Key_Return);
  EXPECT_EQ(Detail(0, 3), "25.00") << "after the edit, two decimals";
  EXPECT_EQ(Main(0, kMainHeight), "25") << "the main grid keeps the typed form until its next refill";
  TypeCell(page->MainStringGrid, 0, kMainNote, "x");
  EXPECT_EQ(Main(0, kMainHeight), "      25.00");

  StartAt(page->DetailStringGrid, 1, 2);
  TypeKeys("6493");
  EXPECT_EQ(Detail(0, 3), "Ошибка");
  EXPECT_EQ(Main(0, kMainHeight), "Ошибка");
  PressKey(Qt::Key_Return);
  EXPECT_EQ(Detail(0, 3), "Ошибка");
  EXPECT_EQ(Journal().ForeAuxReading.GetItem(0), 6493.0) << "the journal keeps the readings";
}

TEST_F(JournalGrids, TechnicalTableTakesOneReadingPerStaff) {
  form->acTechTableKor->trigger();
  EXPECT_TRUE(Journal().TechMode);
  EXPECT_TRUE(page->TechStringGrid->isVisible());
  EXPECT_FALSE(page->DetailStringGrid->isVisible());
  TypeCell(page->TechStringGrid, 0, 1, "1523");
  StartAt(page->TechStringGrid, 1, 1);
  TypeKeys("1402");
  EXPECT_EQ(Tech(0, 2), "121");
  PressKey(Qt::Key_Return);
  EXPECT_EQ(Tech(0, 2), "121.00");
  EXPECT_EQ(Journal().HeightDiffs.GetItem(0), 121.0);

  // Back to the precise table the heights change, so the switch is asked first.
  const BoxesSeen declined = AnswerMessageBoxes([&] { form->acTechTableKor->trigger(); }, QMessageBox::No);
  EXPECT_EQ(declined.count, 1);
  EXPECT_TRUE(declined.text.contains("пересчитаны")) << declined.text.toStdString();
  EXPECT_TRUE(Journal().TechMode && form->acTechTableKor->isChecked()) << "No keeps the technical table";
  EXPECT_EQ(Journal().HeightDiffs.GetItem(0), 121.0);

  EXPECT_EQ(AnswerMessageBoxes([&] { form->acTechTableKor->trigger(); }, QMessageBox::Yes).count, 1);
  EXPECT_FALSE(Journal().TechMode);
  EXPECT_TRUE(page->DetailStringGrid->isVisible());
  EXPECT_EQ(Detail(0, 2), "0") << "the additional scale of a technical setup reads 0";
  EXPECT_EQ(Main(0, kMainHeight), "Ошибка") << "121 on one scale and 0 on the other disagree";
}

TEST_F(JournalGrids, InputModeWalksThroughARecordAndOnToANewOne) {
  form->acInputMode->trigger();
  ASSERT_TRUE(form->acInputMode->isChecked());
  TypeCell(page->MainStringGrid, 0, kMainBack, "A");
  EXPECT_EQ(page->MainStringGrid->currentIndex().column(), kMainFore);
  TypeKeys("B");
  PressKey(Qt::Key_Return);
  EXPECT_EQ(page->MainStringGrid->currentIndex().column(), kMainSetups);
  TypeKeys("1");
  PressKey(Qt::Key_Return);
  ASSERT_TRUE(page->DetailStringGrid->hasFocus()) << "after the count, the first reading";
  EXPECT_EQ(page->DetailStringGrid->currentIndex(), page->DetailStringGrid->model()->index(0, 1));
  for (const char* reading : {"1000", "7000", "500", "6500"}) {
    TypeKeys(reading);
    PressKey(Qt::Key_Return);
  }
  EXPECT_EQ(Journal().HeightDiffs.GetItem(0), 25.0);
  ASSERT_EQ(Journal().RecordCount(), 2) << "after the last reading of the journal, a new record";
  EXPECT_TRUE(page->MainStringGrid->hasFocus());
  EXPECT_EQ(page->MainStringGrid->currentIndex(), page->MainStringGrid->model()->index(1, kMainBack));
  EXPECT_EQ(Main(1, kMainBack), "Задн.");
}

TEST_F(JournalGrids, InputModeMovesFromTheLastReadingToTheNextRecord) {
  page->MainStringGrid->setFocus();
  form->acAdd->trigger();
  ASSERT_EQ(Journal().RecordCount(), 2);
  form->acInputMode->trigger();
  page->SelectMainCell(0, 0);
  TypeCell(page->DetailStringGrid, 1, 2, "6500");
  EXPECT_TRUE(page->MainStringGrid->hasFocus());
  EXPECT_EQ(page->MainStringGrid->currentIndex(), page->MainStringGrid->model()->index(1, kMainBack));
  EXPECT_EQ(Journal().RecordCount(), 2);
}

TEST_F(JournalGrids, AddContinuesANumberedForePointOrStartsFromPlaceholders) {
  page->MainStringGrid->setFocus();
  form->acAdd->trigger();
  ASSERT_EQ(Journal().RecordCount(), 2);
  EXPECT_EQ(Main(1, kMainBack), "Задн.");
  EXPECT_EQ(Main(1, kMainFore), "Пер.");
  EXPECT_EQ(page->MainStringGrid->currentIndex(), page->MainStringGrid->model()->index(1, kMainBack));

  TypeCell(page->MainStringGrid, 1, kMainFore, "17");
  page->MainStringGrid->setFocus();
  form->acAdd->trigger();
  ASSERT_EQ(Journal().RecordCount(), 3);
  EXPECT_EQ(Main(2, kMainBack), "17");
  EXPECT_EQ(Main(2, kMainFore), "18");
  EXPECT_EQ(Main(2, kMainSetups), "1");

  page->DetailStringGrid->setFocus();
  form->acAdd->trigger();
  EXPECT_EQ(Journal().RecordCount(), 3) << "acAdd acts only from the main grid";
}

TEST_F(JournalGrids, InsertPutsTheNewRecordInTheCurrentRow) {
  page->MainStringGrid->setFocus();
  form->acAdd->trigger();
  TypeCell(page->MainStringGrid, 1, kMainSetups, "3");
  page->SelectMainCell(1, kMainSetups);
  form->acInsert->trigger();
  ASSERT_EQ(Journal().RecordCount(), 3);
  EXPECT_EQ(Main(1, kMainBack), "Задн.");
  EXPECT_EQ(Main(2, kMainSetups), "3");
  EXPECT_EQ(page->MainStringGrid->currentIndex(), page->MainStringGrid->model()->index(1, kMainBack));
  EXPECT_EQ(ShownRows(page->DetailStringGrid), 3) << "the reading grid shows the inserted record";
}

TEST_F(JournalGrids, DeletingAsksFirstAndNeverRemovesTheOnlyRecord) {
  page->MainStringGrid->setFocus();
  const BoxesSeen none = AnswerMessageBoxes([&] { form->acDeleteRec->trigger(); }, QMessageBox::Yes);
  EXPECT_EQ(none.count, 0);
  EXPECT_EQ(Journal().RecordCount(), 1);

  form->acAdd->trigger();
  TypeCell(page->MainStringGrid, 1, kMainSetups, "4");
  page->SelectMainCell(1, kMainBack);
  const BoxesSeen no = AnswerMessageBoxes([&] { form->acDeleteRec->trigger(); }, QMessageBox::No);
  EXPECT_EQ(no.text, "Удалить запись?");
  EXPECT_TRUE(no.buttons.contains("&Да") && no.buttons.contains("&Нет")) << no.buttons.join(",").toStdString();
  EXPECT_EQ(Journal().RecordCount(), 2);
  AnswerMessageBoxes([&] { form->acDeleteRec->trigger(); }, QMessageBox::Yes);
  ASSERT_EQ(Journal().RecordCount(), 1);
  EXPECT_EQ(page->MainStringGrid->model()->rowCount(), 1);
  EXPECT_EQ(ShownRows(page->DetailStringGrid), 3) << "the deleted record's setups are not left on screen";
}

TEST_F(JournalGrids, EscapePutsBackTheTextTheCellHad) {
  StartAt(page->MainStringGrid, 0, kMainFore);
  TypeKeys("Q7");
  EXPECT_EQ(Journal().ForePoints[0], "Q7");
  PressKey(Qt::Key_Escape);
  EXPECT_EQ(Journal().ForePoints[0], "Rp2");
  EXPECT_EQ(Main(0, kMainFore), "Rp2");
}

TEST_F(JournalGrids, PastedTextTheDataFileCannotHoldIsRefused) {
  StartAt(page->MainStringGrid, 0, kMainBack);
  TypeKeys("R");
  QApplication::clipboard()->setText(QStringLiteral("п日"));
  const BoxesSeen seen = AnswerMessageBoxes([&] { page->MainStringGrid->Editor()->paste(); }, QMessageBox::Ok);
  EXPECT_EQ(seen.count, 1);
  EXPECT_TRUE(seen.text.contains(QStringLiteral("日"))) << seen.text.toStdString();
  EXPECT_EQ(EditorText(page->MainStringGrid), "R") << "the cell shows what is stored";
  EXPECT_EQ(Journal().BackPoints[0], "R");
  PressKey(Qt::Key_Return);
}

TEST_F(JournalGrids, AnUnfinishedNumberIsReportedOnceWhenTheEditEnds) {
  StartAt(page->DetailStringGrid, 0, 1);
  const BoxesSeen typing = AnswerMessageBoxes([] { TypeKeys("12.5.5"); }, QMessageBox::Ok);
  EXPECT_EQ(typing.count, 0);
  EXPECT_EQ(EditorText(page->DetailStringGrid), "12.55") << "a second separator is refused";
  PressKey(Qt::Key_Return);
  EXPECT_EQ(Journal().BackMainReading.GetItem(0), 12.55);

  StartAt(page->DetailStringGrid, 0, 1);
  TypeKeys("12");
  QApplication::clipboard()->setText(QStringLiteral(".5."));
  const BoxesSeen pasted = AnswerMessageBoxes([&] { page->DetailStringGrid->Editor()->paste(); }, QMessageBox::Ok);
  EXPECT_EQ(pasted.count, 0) << "no box while the number is being typed";
  EXPECT_EQ(Journal().BackMainReading.GetItem(0), 12.0) << "the faulty text is not written";
  const BoxesSeen ended = AnswerMessageBoxes([] { PressKey(Qt::Key_Return); }, QMessageBox::Ok);
  EXPECT_EQ(ended.count, 1);
  EXPECT_EQ(ended.title, "Korvado 1.02");
  EXPECT_EQ(ended.text, "«12.5.» не является числом");
  EXPECT_EQ(Detail(0, 1), "12");

  StartAt(page->MainStringGrid, 0, kMainSetups);
  const BoxesSeen zero = AnswerMessageBoxes([] { TypeKeys("0"); }, QMessageBox::Ok);
  EXPECT_EQ(zero.count, 0) << "no box while the count is being typed";
  EXPECT_EQ(EditorText(page->MainStringGrid), "0");
  EXPECT_EQ(Journal().SetupCounts.GetItem(0), 1);
  const BoxesSeen zeroEnded = AnswerMessageBoxes([] { PressKey(Qt::Key_Return); }, QMessageBox::Ok);
  EXPECT_EQ(zeroEnded.count, 1);
  EXPECT_EQ(zeroEnded.text, "Число штативов должно быть больше нуля");
  EXPECT_EQ(Main(0, kMainSetups), "1") << "the stored count is shown again";
}

TEST_F(JournalGrids, ArrowKeysMoveTheFocusBetweenTheGridsButNotOutOfAnEdit) {
  StartAt(page->MainStringGrid, 0, kMainNote);
  PressKey(Qt::Key_Right);
  EXPECT_TRUE(page->DetailStringGrid->hasFocus());
  page->DetailStringGrid->SelectCell(0, 0);
  PressKey(Qt::Key_Left);
  EXPECT_TRUE(page->MainStringGrid->hasFocus());

  TypeCell(page->MainStringGrid, 0, kMainSetups, "3");
  StartAt(page->DetailStringGrid, 2, 1);
  TypeKeys("5");
  PressKey(Qt::Key_Down);
  EXPECT_TRUE(page->DetailStringGrid->IsEditing()) << "Down neither ends the edit nor moves";
  EXPECT_EQ(page->DetailStringGrid->currentIndex().row(), 2);
  PressKey(Qt::Key_Return);
}

}  // namespace
}  // namespace korvado
