// The journal's paste from a spreadsheet, through the menu command and the real grids.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>

#include "JournalGridView.h"
#include "JournalPage.h"
#include "MainForm.h"
#include "UiTestSupport.h"

namespace korvado {
namespace {

class SpreadsheetPaste : public ::testing::Test {
 protected:
  void SetUp() override {
    form = ShowMainForm();
    page = form->journalPage;
    for (int k = 0; k < 5; ++k) page->AddRecordAtEnd();  // records 0..5
    page->MainStringGrid->setFocus();
    page->SelectMainCell(4, 0);
  }
  void TearDown() override { CloseWithoutQuestion(*form); }

  QString Main(int record, int column) {
    return page->MainStringGrid->model()->index(record, column).data().toString();
  }

  std::unique_ptr<TMainForm> form;
  JournalPage* page = nullptr;
};

TEST_F(SpreadsheetPaste, RecordsLandBeforeTheCurrentOneAndTheGridsFollow) {
  // As a spreadsheet on this platform copies: LF line ends, one after the last row too.
  QApplication::clipboard()->setText(
      QStringLiteral("Rp1\t1000\t7000\nRp2\t500\t6500\nx\t1\n"
                     "Рп3\t1500\t7500\nРп4\t1400\t7405\nx\t2\n"));
  const int before = form->State().Journal.RecordCount();
  form->acPasteDataFromClipbrdExcel->trigger();
  const TKorData& journal = form->State().Journal;
  ASSERT_EQ(journal.RecordCount(), before + 2);
  EXPECT_EQ(Main(4, 0), "Rp1");
  EXPECT_EQ(Main(5, 0), "Рп3");
  EXPECT_EQ(Main(5, 2), "2");
  EXPECT_EQ(Main(4, 3).trimmed(), page->MainStringGrid->locale().toString(25.0, 'f', 2));
  EXPECT_EQ(page->CurrentRecord(), 5);
  EXPECT_EQ(page->DetailStringGrid->model()->index(0, 0).data().toString(), "Рп3");
  EXPECT_TRUE(form->State().Changed);
}

TEST_F(SpreadsheetPaste, ABadCellInsertsNothingAndSaysWhere) {
  QApplication::clipboard()->setText(QStringLiteral("Rp1\t1000\t7000\nRp2\tабв\t6500\nx\t1\n"));
  const int before = form->State().Journal.RecordCount();
  const BoxesSeen boxes = AnswerMessageBoxes([&] { form->acPasteDataFromClipbrdExcel->trigger(); }, QMessageBox::Ok);
  EXPECT_EQ(boxes.count, 1);
  EXPECT_TRUE(boxes.text.contains(QStringLiteral("абв"))) << boxes.text.toStdString();
  EXPECT_EQ(form->State().Journal.RecordCount(), before);
  EXPECT_FALSE(form->acCopyDataToClipbrdExcel->isEnabled());
}

}  // namespace
}  // namespace korvado
