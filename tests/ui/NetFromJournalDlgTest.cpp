// «Построить сеть по журналу...» from the «Сеть» menu: the benchmarks pasted
// from a spreadsheet, the preview, and the net the main window then shows.

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QTest>

#include "AdjustmentPage.h"
#include "JournalPage.h"
#include "MainForm.h"
#include "NetConstructionSupport.h"
#include "NetFromJournalDlg.h"
#include "NetPlanPreview.h"
#include "NetSystemPage.h"
#include "SeparatorScope.h"
#include "UiTestSupport.h"

namespace korvado {

namespace {

using namespace nettest;

QStringList ModelRows(const QAbstractItemModel& model) {
  QStringList rows;
  for (int r = 0; r < model.rowCount(); ++r) {
    QStringList cells;
    for (int c = 0; c < model.columnCount(); ++c) {
      const QModelIndex index = model.index(r, c);
      const QVariant check = index.data(Qt::CheckStateRole);
      cells << (check.isValid() ? (check.toInt() == Qt::Checked ? "[x]" : "[ ]") : index.data().toString());
    }
    rows << cells.join(QLatin1Char('|'));
  }
  return rows;
}

TEST(NetFromJournalDlg, PastedBenchmarksPreviewAndBuildGiveTheCurrentNet) {
  std::unique_ptr<TMainForm> form = ShowMainForm();
  const SeparatorScope separators('.', " ");
  AppState& state = form->State();
  SetJournal(state, {{"Rp1", "A", 4, 1.00},
                     {"A", "Rp2", 3, 0.50},
                     {"Rp2", "A", 3, -0.52},
                     {"A", "B", 2, 0.20},
                     {"B", "Rp1", 2, -1.21},
                     {"A", "P", 1, 0.05}});
  form->journalPage->RefillMainGrid();
  QGuiApplication::clipboard()->setText(QStringLiteral("Rp1\t100,000\nRp2\t101.5\nRp9\t99\n"));

  ModalScript script({[&](QWidget* window) {
    auto* dialog = qobject_cast<NetFromJournalDlg*>(window);
    ASSERT_NE(dialog, nullptr) << "expected the dialog «Построить сеть по журналу»";
    EXPECT_TRUE(dialog->rbWholeJournal->isChecked());
    dialog->btnPasteHeights->click();
    EXPECT_EQ(ModelRows(*dialog->BenchmarkGrid->model()),
              QStringList({"Rp1|[x]|100", "A|[ ]|", "Rp2|[x]|101.5", "B|[ ]|", "P|[ ]|"}));
    EXPECT_TRUE(dialog->lbUnknownNames->isVisibleTo(dialog));
    EXPECT_TRUE(dialog->lbUnknownNames->text().contains("Rp9")) << dialog->lbUnknownNames->text().toStdString();
    dialog->edNetName->clear();
    TypeInto(dialog->edNetName, QStringLiteral("Север"));
    dialog->btnNext->click();

    EXPECT_TRUE(dialog->cbAdjustAfterBuild->isChecked());
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Новая сеть"));
    EXPECT_EQ(ModelRows(*dialog->Preview->SectionsView->model()),
              QStringList({"1|Rp1|A|1|4|1.00", "2|A|Rp2|1|1.5|0.51", "3|Rp1|A|2|4|1.01"}));
    EXPECT_EQ(ModelRows(*dialog->Preview->RepeatedView->model()), QStringList({"A|Rp2|2, 3|0.02|24.49|в допуске|"}));
    EXPECT_EQ(ModelRows(*dialog->Preview->PendentView->model()), QStringList({"1|A|P|6"}));
    dialog->btnBuild->click();
  }});
  script.Run([&] { form->acBuildNetFromJournal->trigger(); });
  EXPECT_EQ(script.Answered(), 1);
  EXPECT_EQ(script.Unexpected(), 0);

  // Built as one step, then adjusted by least squares at once (the tick's default).
  ASSERT_EQ(state.Nets.NetCount(), 1);
  const TKorNet& net = state.Nets.NetAt(0);
  EXPECT_EQ(net.Name, "Север");
  EXPECT_EQ(net.PointNames.Items(), (std::vector<std::string>{"Rp1", "A", "Rp2"}));
  EXPECT_EQ(net.PointElevations.GetItem(0), 100.0);
  EXPECT_NEAR(net.PointElevations.GetItem(1), (101.00 / 4 + 100.99 / 1.5 + 101.01 / 4) / (0.5 + 1 / 1.5), 1e-9);
  EXPECT_EQ(net.PointElevations.GetItem(2), 101.5);
  EXPECT_EQ(form->ComboBox1->currentText(), QStringLiteral("Север"));
  EXPECT_EQ(form->PageControl1->currentWidget(), form->adjustmentPage);
  EXPECT_EQ(form->netSystemPage->Edit1->text(), QStringLiteral("1"));
  EXPECT_EQ(ListRows(*form->netSystemPage->DetSecListView), QStringList({"Rp1|A|4|1.00"}));
  EXPECT_EQ(state.History.UndoName(), "уравнивание по МНК");
  form->acUndo->trigger();
  EXPECT_EQ(state.History.UndoName(), "построение сети по журналу");
  CloseWithoutQuestion(*form);
}

}  // namespace

}  // namespace korvado
