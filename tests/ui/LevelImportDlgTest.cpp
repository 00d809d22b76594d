// The preview of a digital level's file: what the rows show and what the ticks give back.

#include <QApplication>
#include <QRadioButton>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "LevelImportDlg.h"
#include "UiTestSupport.h"

namespace korvado {
namespace {

TEST(LevelImportDlg, RefusedLinesCannotBeTickedAndTheChoiceComesBack) {
  AppState state;
  const LevelImport import = PrepareLevelImport(state, std::string(KORVADO_LEVEL_SAMPLES) + "/dini.dat");
  LevelImportDlg dialog(nullptr, import, "dini.dat", true);
  EXPECT_EQ(dialog.windowTitle(), "Импорт измерений");
  QAbstractItemModel& rows = *dialog.LinesView->model();
  ASSERT_EQ(rows.rowCount(), 3);
  auto shown = [&rows](int row, int column) { return rows.index(row, column).data().toString(); };
  EXPECT_EQ(shown(0, 1) + ">" + shown(0, 2) + " " + shown(0, 3) + " " + shown(0, 5), "RP10>RP11 BFFB 599.96");
  EXPECT_EQ(shown(2, 5), "Ошибка");
  EXPECT_EQ(shown(2, 9), "1");
  EXPECT_EQ(shown(1, 11).toStdString(), kOneReadingRefusal);
  EXPECT_EQ(rows.index(1, 0).data(Qt::CheckStateRole), Qt::Unchecked);
  EXPECT_FALSE(rows.setData(rows.index(1, 0), Qt::Checked, Qt::CheckStateRole)) << "a refused line stays unticked";

  QTimer::singleShot(0, &dialog, [&] {
    EXPECT_TRUE(WaitUntilActive(&dialog));
    EXPECT_TRUE(rows.setData(rows.index(0, 0), Qt::Unchecked, Qt::CheckStateRole));
    QTest::mouseClick(dialog.rbBeforeCurrent, Qt::LeftButton);
    QTest::keyClick(&dialog, Qt::Key_Return);
  });
  ASSERT_EQ(dialog.exec(), QDialog::Accepted);
  EXPECT_EQ(dialog.Ticked(), (std::vector<bool>{false, false, true}));
  EXPECT_TRUE(dialog.BeforeCurrent());
}

}  // namespace
}  // namespace korvado
