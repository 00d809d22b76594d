// The journal grids on a journal at the file format's limit (65 535 records):
// one keystroke in a reading cell, typed into the real cell editor, and a
// refill of the main grid, each with the repaint that follows. Runs offscreen.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QTemporaryDir>

#include "FileCommands.h"
#include "JournalPage.h"
#include "MainForm.h"
#include "Must.h"
#include "WindowBenchMain.h"

namespace korvado {
namespace {

constexpr int kRecords = 65535;

TKorData LargeJournal() {
  TKorData journal;
  for (int i = 0; i < kRecords; ++i) {
    Must(journal.AddRecord(std::to_string(i), std::to_string(i + 1), 1, ""));
    journal.SetSetupData(i, std::to_string(i), std::to_string(i + 1), 1523 + i % 100, 1402, 6310, 6190, "");
    journal.RecalcRecordHeight(i);
  }
  return journal;
}

// One application and one shown main window for all benchmarks.
TMainForm& Window() {
  static QTemporaryDir folder;
  static TMainForm* form = nullptr;
  if (!form) {
    QDir::setCurrent(folder.path());
    bench::OffscreenApplication();
    form = new TMainForm(QDir(folder.path()).filePath(QStringLiteral("Korvado.ini")));
    bench::Gui().teardown.push_back([] {
      delete form;
      form = nullptr;
    });
    form->show();
    QCoreApplication::processEvents();
  }
  return *form;
}

void ShowLargeJournal(TMainForm& form) {
  form.State().Journal = LargeJournal();
  form.journalPage->RefillMainGrid();
  form.journalPage->SelectMainCell(kRecords / 2, 0);
  form.journalPage->MainStringGridClick();
  QCoreApplication::processEvents();
}

void SendKey(QWidget* target, int key, const QString& text) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QApplication::sendEvent(target, &press);
}

void BM_KeystrokeInReadingCell(benchmark::State& state) {
  TMainForm& form = Window();
  ShowLargeJournal(form);
  JournalGridView* grid = form.journalPage->DetailStringGrid;
  grid->setFocus();
  grid->SelectCell(0, 1);
  grid->edit(grid->currentIndex());
  CellEditor* editor = grid->Editor();
  if (!editor) {
    state.SkipWithError("the cell editor did not open");
    return;
  }
  editor->end(false);
  bool type = true;
  for (auto _ : state) {
    // A digit, then Backspace: each one is a full write-through and repaint.
    if (type)
      SendKey(editor, Qt::Key_7, QStringLiteral("7"));
    else
      SendKey(editor, Qt::Key_Backspace, QString(QChar(8)));
    type = !type;
    QCoreApplication::processEvents();
  }
  benchmark::DoNotOptimize(form.State().Journal.HeightDiffs.GetItem(kRecords / 2));
  SendKey(editor, Qt::Key_Escape, QString());
  QCoreApplication::processEvents();
}
BENCHMARK(BM_KeystrokeInReadingCell)->Unit(benchmark::kMicrosecond);

void BM_MainGridRefill(benchmark::State& state) {
  TMainForm& form = Window();
  ShowLargeJournal(form);
  for (auto _ : state) {
    form.journalPage->RefillMainGrid();
    QCoreApplication::processEvents();
  }
}
BENCHMARK(BM_MainGridRefill)->Unit(benchmark::kMicrosecond);

// From a one-record journal to 65 535 records and back: the row count changes both ways.
void BM_MainGridRefillChangingRowCount(benchmark::State& state) {
  TMainForm& form = Window();
  ShowLargeJournal(form);
  TKorData other;
  Must(other.AddRecord("Rp1", "Rp2", 1, ""));
  for (auto _ : state) {
    std::swap(form.State().Journal, other);
    form.journalPage->RefillMainGrid();
    QCoreApplication::processEvents();
  }
}
BENCHMARK(BM_MainGridRefillChangingRowCount)->Unit(benchmark::kMillisecond);

// Opening a file of 65 535 records and showing it, as acOpen does after its dialog.
void BM_OpenAndShowLargeFile(benchmark::State& state) {
  TMainForm& form = Window();
  ShowLargeJournal(form);
  const QString path = QDir::current().filePath(QStringLiteral("large.kor"));
  SaveDataFileAs(form.State(), path.toStdString());
  for (auto _ : state) {
    form.OpenFile(path);
    QCoreApplication::processEvents();
  }
  if (form.State().Journal.RecordCount() != kRecords) state.SkipWithError("the file was not opened");
}
BENCHMARK(BM_OpenAndShowLargeFile)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace korvado

KORVADO_WINDOW_BENCHMARK_MAIN()
