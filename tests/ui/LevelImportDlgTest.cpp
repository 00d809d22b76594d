// Import of a digital level's file through the File menu: the file dialog,
// the preview and the journal the main window shows afterwards.

#include <gtest/gtest.h>

#include <QApplication>
#include <QRadioButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include "JournalGridView.h"
#include "JournalPage.h"
#include "LevelImportDlg.h"
#include "MainForm.h"
#include "UiTestSupport.h"

namespace korvado {
namespace {

// Runs check on the preview dialog once it is the active modal window.
class PreviewAnswer {
 public:
  explicit PreviewAnswer(std::function<void(LevelImportDlg&)> check) : check_(std::move(check)) {
    timer_.setInterval(10);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      auto* dialog = qobject_cast<LevelImportDlg*>(QApplication::activeModalWidget());
      if (!dialog) return;
      timer_.stop();
      check_(*dialog);
      seen_ = true;
    });
    timer_.start();
  }
  bool Seen() const { return seen_; }

 private:
  std::function<void(LevelImportDlg&)> check_;
  QTimer timer_;
  bool seen_ = false;
};

TEST(LevelImportDlg, FileMenuPreviewTicksAndPlaceReachTheJournal) {
  WorkingFolder folder;
  std::unique_ptr<TMainForm> form = ShowMainForm();
  form->acNewExecute();
  const AppState& state = form->State();
  ASSERT_EQ(state.Journal.RecordCount(), 1);

  PreviewAnswer preview([](LevelImportDlg& dialog) {
    EXPECT_EQ(dialog.windowTitle(), "Импорт измерений");
    QAbstractItemModel& rows = *dialog.LinesView->model();
    ASSERT_EQ(rows.rowCount(), 3);
    auto shown = [&rows](int row, int column) { return rows.index(row, column).data().toString(); };
    EXPECT_EQ(shown(0, 1) + ">" + shown(0, 2) + " " + shown(0, 3) + " " + shown(0, 5), "RP10>RP11 BFFB 599.96");
    EXPECT_EQ(shown(2, 5) + " " + shown(2, 9), "Ошибка 1");
    EXPECT_EQ(shown(1, 11).toStdString(), kOneReadingRefusal);
    EXPECT_EQ(rows.index(1, 0).data(Qt::CheckStateRole), Qt::Unchecked);
    EXPECT_FALSE(rows.flags(rows.index(1, 0)) & Qt::ItemIsUserCheckable) << "a refused line cannot be ticked";
    EXPECT_EQ(rows.index(2, 0).data(Qt::CheckStateRole), Qt::Checked);
    // Untick the failing line as a click on its box does, and insert before the current record.
    const QRect box = dialog.LinesView->visualRect(rows.index(2, 0));
    QTest::mouseClick(dialog.LinesView->viewport(), Qt::LeftButton, {}, QPoint(box.left() + 8, box.center().y()));
    EXPECT_EQ(rows.index(2, 0).data(Qt::CheckStateRole), Qt::Unchecked);
    dialog.rbBeforeCurrent->click();
    dialog.accept();
  });
  QStringList filters;
  AnswerFileDialog([&] { form->acImportLevel->trigger(); }, QString(KORVADO_LEVEL_SAMPLES) + "/dini.dat", nullptr,
                   &filters);
  EXPECT_TRUE(preview.Seen());
  EXPECT_EQ(filters, QStringList({"Leica GSI (*.gsi *.txt)", "DiNi M5 (*.dat *.m5)", "Все файлы (*)"}));
  ASSERT_EQ(state.Journal.RecordCount(), 2);
  EXPECT_EQ(state.Journal.BackPoints[0] + ">" + state.Journal.ForePoints[0], "RP10>RP11");
  EXPECT_EQ(state.Journal.BackPoints[1], "Rp1");
  EXPECT_EQ(form->journalPage->MainStringGrid->model()->index(0, 3).data().toString().trimmed(), "599.96");
  CloseWithoutQuestion(*form);
}

}  // namespace
}  // namespace korvado
