// The page "Уравнивание нивелирной сети" used as a surveyor uses it: zero
// elevations, the benchmark dialog typed into, sweeps, refusals, and the net
// update from the journal.

#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QTest>
#include <QTimer>

#include "../processing/AdjustmentNets.h"
#include "AdjustmentPage.h"
#include "LocaleSeparatorTest.h"
#include "MainForm.h"
#include "NumberColumns.h"
#include "OriginAltitudeForm.h"
#include "UiTestSupport.h"

namespace korvado {
namespace {

using testnets::AddOneRunSection;
using testnets::Elevation;

// What the fixed-elevation dialog showed when it came up.
struct DialogSeen {
  int shown = 0;
  QString title;
  std::vector<AltitudeRow> rows;
  bool leftOpen = false;
};

std::vector<AltitudeRow> GridRows(const QTableWidget& grid) {
  std::vector<AltitudeRow> rows;
  const auto text = [&](int r, int c) { return grid.item(r, c) ? grid.item(r, c)->text().toStdString() : ""; };
  for (int r = 0; r < grid.rowCount(); ++r) rows.push_back({text(r, 0), text(r, 1)});
  return rows;
}

// Runs action; each time the fixed-elevation dialog comes up, `handle` works
// it and must close it (a dialog left open is closed and noted).
DialogSeen AnswerOriginAltitudeForm(const std::function<void()>& action,
                                    const std::function<void(TOriginAltitudeForm&)>& handle) {
  DialogSeen seen;
  QTimer timer;
  timer.setInterval(10);
  QObject::connect(&timer, &QTimer::timeout, [&] {
    auto* dialog = qobject_cast<TOriginAltitudeForm*>(QApplication::activeModalWidget());
    if (!dialog) return;
    timer.stop();
    ++seen.shown;
    seen.title = dialog->windowTitle();
    seen.rows = GridRows(*dialog->StringGrid1);
    EXPECT_TRUE(WaitUntilActive(dialog));
    handle(*dialog);
    if (dialog->isVisible()) {
      seen.leftOpen = true;
      dialog->reject();
    }
    timer.start();
  });
  timer.start();
  action();
  QCoreApplication::processEvents();
  timer.stop();
  return seen;
}

// Typed as a surveyor types: the cell made current, the keys, Enter.
void TypeCell(QTableWidget* grid, int row, int column, const QString& text) {
  grid->setFocus();
  grid->setCurrentCell(row, column);
  TypeKeys(text);
  PressKey(Qt::Key_Return);
}

void Click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

class adjustmentPage : public LocaleSeparatorTest {
 protected:
  void SetUp() override {
    form = ShowMainForm();
    page = form->adjustmentPage;
    form->PageControl1->setCurrentWidget(page);
  }
  void TearDown() override { CloseWithoutQuestion(*form); }

  AppState& State() { return form->State(); }
  TKorNet& Net() { return State().Nets.NetAt(0); }

  // A (fixed) -> K (nodal) -> B (fixed): 4.000 over 2 setups, 6.100 over 2 setups; no point table yet.
  void ChooseTwoBenchmarkNet() {
    TKorNet& net = State().Nets.NetAt(*State().Nets.AddNet("Сеть 1"));
    AddOneRunSection(net, "A", "K", 4.000, 2, kFixedPoint, kNodalPoint);
    AddOneRunSection(net, "K", "B", 6.100, 2, kNodalPoint, kFixedPoint);
    form->RefillNetSelector();
    form->SelectNet(0);
  }

  // "Создание нулевых отметок", then the benchmarks typed into the dialog and OK.
  DialogSeen ZeroElevationsWithBenchmarks(const QString& a, const QString& b) {
    return AnswerOriginAltitudeForm([&] { Click(page->btnUpDateSeries); },
                                    [&](TOriginAltitudeForm& dialog) {
                                      TypeCell(dialog.StringGrid1, 0, 1, a);
                                      TypeCell(dialog.StringGrid1, 1, 1, b);
                                      Click(dialog.btnOk);
                                    });
  }

  QString Shown(int row, int column) { return page->EquateListView->topLevelItem(row)->text(column); }
  QString Caption(int column) { return page->EquateListView->headerItem()->text(column); }

  WorkingFolder folder;
  std::unique_ptr<TMainForm> form;
  AdjustmentPage* page = nullptr;
};

TEST_P(adjustmentPage, TwoBenchmarksCarryTheirElevationToTheNodalPointInOneSweep) {
  ChooseTwoBenchmarkNet();
  const DialogSeen dialog = ZeroElevationsWithBenchmarks("100", "110");
  ASSERT_EQ(dialog.shown, 1) << "the dialog follows the zero elevations at once";
  EXPECT_EQ(dialog.title, "Отметки жестких точек   Сеть 1");
  const std::vector<AltitudeRow> fixedOnly{{"A", "0"}, {"B", "0"}};
  EXPECT_EQ(dialog.rows, fixedOnly) << "only the fixed points, at zero";
  EXPECT_FALSE(dialog.leftOpen);
  EXPECT_EQ(Elevation(Net(), "A"), 100.0);
  EXPECT_EQ(Elevation(Net(), "B"), 110.0);
  EXPECT_EQ(Elevation(Net(), "K"), 0.0);

  Click(page->btnEquate);
  ASSERT_EQ(page->EquateListView->topLevelItemCount(), 3);
  EXPECT_EQ(Shown(0, 0), "A");
  EXPECT_EQ(Shown(1, 0), "K");
  EXPECT_EQ(Shown(2, 0), "B");
  EXPECT_EQ(Shown(1, 1).toStdString(), Dec("103.95"));
  EXPECT_EQ(Shown(0, 1).toStdString(), Dec("100.00"));
  EXPECT_FALSE(page->EquateListView->topLevelItem(1)->icon(0).isNull()) << "a point shows its type's icon";
  EXPECT_EQ(Caption(0), "Название точки");
  EXPECT_EQ(Caption(1), "Отметка");
  EXPECT_EQ(Caption(2), "Итерация: 1");
  EXPECT_EQ(Caption(3).toStdString(), Dec("СКО: 0.05 мм"));

  Click(page->btnEquate);
  EXPECT_EQ(Caption(2), "Итерация: 2");
  EXPECT_EQ(Shown(1, 1).toStdString(), Dec("103.95")) << "a second sweep changes nothing";
  EXPECT_EQ(Caption(3).toStdString(), Dec("СКО: 0.05 мм"));
}

TEST_P(adjustmentPage, BenchmarkInputShowsTheCurrentElevationsAndRestartsTheIterationCount) {
  ChooseTwoBenchmarkNet();
  ZeroElevationsWithBenchmarks("100", "110");
  Click(page->btnEquate);
  Click(page->btnEquate);
  ASSERT_EQ(Caption(2), "Итерация: 2");

  const DialogSeen cancelled = AnswerOriginAltitudeForm([&] { Click(page->btnInputAltitude); },
                                                        [&](TOriginAltitudeForm& dialog) {
                                                          TypeCell(dialog.StringGrid1, 0, 1, "5");
                                                          QTest::keyClick(dialog.StringGrid1, Qt::Key_Escape);
                                                        });
  const std::vector<AltitudeRow> entered{{"A", "100"}, {"B", "110"}};
  EXPECT_EQ(cancelled.rows, entered);
  EXPECT_FALSE(cancelled.leftOpen) << "Escape cancels the dialog";
  EXPECT_EQ(Elevation(Net(), "A"), 100.0) << "Cancel changes no elevation";
  EXPECT_EQ(State().IterationCounter, 0) << "Cancel restarts the count too";
  Click(page->btnEquate);
  EXPECT_EQ(Caption(2), "Итерация: 1");
  EXPECT_EQ(Shown(1, 1).toStdString(), Dec("103.95")) << "the adjusted point kept its elevation";

  // The name of a nodal point typed over a benchmark's gives it a starting value.
  AnswerOriginAltitudeForm([&] { Click(page->btnInputAltitude); },
                           [&](TOriginAltitudeForm& dialog) {
                             TypeCell(dialog.StringGrid1, 1, 0, "K");
                             TypeCell(dialog.StringGrid1, 1, 1, "50");
                             Click(dialog.btnOk);
                           });
  EXPECT_EQ(Elevation(Net(), "K"), 50.0);
  EXPECT_EQ(Elevation(Net(), "B"), 110.0);
}

TEST_P(adjustmentPage, AnElevationTypedAtOnceAfterAClickOnItsCellIsKept) {
  ChooseTwoBenchmarkNet();
  AnswerOriginAltitudeForm([&] { Click(page->btnUpDateSeries); },
                           [&](TOriginAltitudeForm& dialog) {
                             // The dialog opens with the first elevation selected; the click lands on it.
                             for (int row : {0, 1}) {
                               QTableWidget* grid = dialog.StringGrid1;
                               QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                                                 grid->visualRect(grid->model()->index(row, 1)).center());
                               TypeKeys(row == 0 ? "100" : "110");
                               PressKey(Qt::Key_Return);
                             }
                             Click(dialog.btnOk);
                           });
  EXPECT_EQ(Elevation(Net(), "A"), 100.0) << "no keystroke lost to the click";
  EXPECT_EQ(Elevation(Net(), "B"), 110.0);
}

TEST_P(adjustmentPage, ElevationThatIsNotANumberIsRefusedWithItsRowAndNothingIsStored) {
  ChooseTwoBenchmarkNet();
  BoxesSeen boxes;
  bool openAfterRefusal = false;
  QString keptText;
  const DialogSeen dialog =
      AnswerOriginAltitudeForm([&] { Click(page->btnUpDateSeries); },
                               [&](TOriginAltitudeForm& form) {
                                 TypeCell(form.StringGrid1, 0, 1, "100");
                                 TypeCell(form.StringGrid1, 1, 1, "11o");
                                 boxes = AnswerMessageBoxes([&] { Click(form.btnOk); }, QMessageBox::Ok);
                                 openAfterRefusal = form.isVisible();
                                 keptText = form.StringGrid1->item(0, 1)->text();
                                 EXPECT_EQ(Elevation(Net(), "A"), 0.0) << "the valid row is not stored either";
                                 TypeCell(form.StringGrid1, 1, 1, "110");
                                 Click(form.btnOk);
                               });
  EXPECT_EQ(boxes.count, 1);
  EXPECT_TRUE(boxes.text.contains("Строка 2")) << boxes.text.toStdString();
  EXPECT_TRUE(boxes.text.contains("11o")) << boxes.text.toStdString();
  EXPECT_TRUE(openAfterRefusal) << "the dialog stays open for the correction";
  EXPECT_EQ(keptText, "100") << "what was typed is kept";
  EXPECT_FALSE(dialog.leftOpen) << "the corrected rows are taken";
  EXPECT_EQ(Elevation(Net(), "A"), 100.0);
  EXPECT_EQ(Elevation(Net(), "B"), 110.0);
}

TEST_P(adjustmentPage, WithoutACurrentNetEveryButtonSaysSoAndNothingOpens) {
  ASSERT_FALSE(State().HasCurrentNet());
  for (QPushButton* button : {page->btnUpDateSeries, page->btnInputAltitude, page->btnEquate}) {
    BoxesSeen boxes;
    const DialogSeen dialog =
        AnswerOriginAltitudeForm([&] { boxes = AnswerMessageBoxes([&] { Click(button); }, QMessageBox::Ok); },
                                 [](TOriginAltitudeForm& form) { form.reject(); });
    EXPECT_EQ(boxes.count, 1) << button->text().toStdString();
    EXPECT_EQ(boxes.text.toStdString(), kNoCurrentNetMessage);
    EXPECT_EQ(dialog.shown, 0) << button->text().toStdString();
  }
  EXPECT_EQ(page->EquateListView->topLevelItemCount(), 0);
  EXPECT_EQ(Caption(2), "");
  EXPECT_EQ(State().IterationCounter, 0);
}

TEST_P(adjustmentPage, SweepOverSectionsChangedSinceTheZeroElevationsIsRefused) {
  ChooseTwoBenchmarkNet();
  ZeroElevationsWithBenchmarks("100", "110");
  Click(page->btnEquate);
  AddOneRunSection(Net(), "K", "M", 1.0, 2, kNodalPoint, kNodalPoint);
  const BoxesSeen boxes = AnswerMessageBoxes([&] { Click(page->btnEquate); }, QMessageBox::Ok);
  EXPECT_EQ(boxes.count, 1);
  EXPECT_TRUE(boxes.text.contains("Создание нулевых отметок")) << boxes.text.toStdString();
  EXPECT_EQ(Caption(2), "Итерация: 1") << "the count does not move";
  EXPECT_EQ(State().IterationCounter, 1);
}

TEST_P(adjustmentPage, UpdateNetsMenuCopiesTheCorrectedJournalIntoTheNets) {
  TKorData& journal = State().Journal;
  ASSERT_EQ(journal.RecordCount(), 1);
  EXPECT_TRUE(journal.AddRecord("X", "Y", 4, ""));
  journal.HeightDiffs.SetItem(1, 2.10);
  TKorNet& net = State().Nets.NetAt(*State().Nets.AddNet("Сеть 1"));
  EXPECT_TRUE(net.AddSection("Y", "X", kFixedPoint, kNodalPoint, 0.0, 1.0, -2));
  form->RefillNetSelector();

  const BoxesSeen quiet = AnswerMessageBoxes([&] { form->acUpDateNets->trigger(); }, QMessageBox::Ok);
  EXPECT_EQ(quiet.count, 0);
  const TKorNetDetailTable& runs = net.SectionTables.TableAt(0);
  EXPECT_EQ(runs.RunBackPoints[0], "Y");
  EXPECT_EQ(runs.RunForePoints[0], "X");
  EXPECT_EQ(runs.RunSetups.GetItem(0), 4.0);
  EXPECT_EQ(runs.RunHeights.GetItem(0), -2.10);
  EXPECT_EQ(net.SectionHeights.GetItem(0), -2.10);
  EXPECT_EQ(net.SectionSetups.GetItem(0), 4.0);

  // A run whose journal record is gone is left alone and reported once.
  EXPECT_TRUE(net.AddSection("X", "Z", kNodalPoint, kNodalPoint, 0.5, 3.0, 7));
  const BoxesSeen missing = AnswerMessageBoxes([&] { form->acUpDateNets->trigger(); }, QMessageBox::Ok);
  EXPECT_EQ(missing.count, 1);
  EXPECT_TRUE(missing.text.contains("Сеть 1")) << missing.text.toStdString();
  EXPECT_EQ(net.SectionTables.TableAt(1).RunHeights.GetItem(0), 0.5);
}

// Elevations of any size are shown as everywhere else, to two decimals, the
// full value in the tooltip; the captions above them are read whole; and an
// undone sweep takes its captions along.
TEST_P(adjustmentPage, ElevationsShowTwoDecimalsCaptionsShowWholeAndUndoClearsThem) {
  TKorNet& net = State().Nets.NetAt(*State().Nets.AddNet("Сеть 1"));
  // K is carried from three benchmarks, a third of a hundredth apart: 152318.39666…
  AddOneRunSection(net, "A", "K", 5.00, 2, kFixedPoint, kNodalPoint);
  AddOneRunSection(net, "K", "B", 5.00, 2, kNodalPoint, kFixedPoint);
  AddOneRunSection(net, "K", "C", 15.01, 2, kNodalPoint, kFixedPoint);
  form->RefillNetSelector();
  form->SelectNet(0);
  AnswerOriginAltitudeForm([&] { Click(page->btnUpDateSeries); },
                           [&](TOriginAltitudeForm& dialog) {
                             TypeCell(dialog.StringGrid1, 0, 1, QString::fromStdString(Dec("152313.4")));
                             TypeCell(dialog.StringGrid1, 1, 1, QString::fromStdString(Dec("152323.4")));
                             TypeCell(dialog.StringGrid1, 2, 1, QString::fromStdString(Dec("152333.4")));
                             Click(dialog.btnOk);
                           });
  State().Changed = false;
  State().History.Reset(State());
  Click(page->btnEquate);
  ASSERT_EQ(page->EquateListView->topLevelItemCount(), 4);
  QTreeWidgetItem* k = page->EquateListView->topLevelItem(1);
  EXPECT_EQ(k->text(1).toStdString(), Dec("152318.40"));
  EXPECT_EQ(k->toolTip(1).toStdString(), Dec("152318.396666667"));
  EXPECT_EQ(page->EquateListView->topLevelItem(0)->text(1).toStdString(), Dec("152313.40"));
  QHeaderView* header = page->EquateListView->header();
  for (int c : {1, 2, 3}) EXPECT_GE(header->sectionSize(c), header->sectionSizeHint(c)) << "caption " << c;
  EXPECT_GE(header->sectionSize(1), CellWidthFor(page->EquateListView, k->text(1)));

  form->acUndo->trigger();
  EXPECT_EQ(page->EquateListView->topLevelItemCount(), 0);
  EXPECT_EQ(Caption(2), "") << "no sweep caption over an empty list";
  EXPECT_EQ(Caption(3), "");
}

KORVADO_WITH_BOTH_SEPARATORS(adjustmentPage);

}  // namespace
}  // namespace korvado
