// The main window's spreadsheet exchange through the clipboard.

#include <QClipboard>
#include <QGuiApplication>
#include <QItemSelectionModel>

#include "ClipboardCommands.h"
#include "JournalGridView.h"
#include "JournalPage.h"
#include "MainForm.h"
#include "RecordStep.h"

namespace korvado {

void TMainForm::acPasteDataFromClipbrdExcelExecute() {
  const std::string text = QGuiApplication::clipboard()->text().toStdString();
  const StepRecorder step(state_, "вставка из буфера обмена");
  const ClipboardPasteResult result = PasteJournalFromClipboardText(state_, text, JournalPage->CurrentRecord());
  if (result.Pasted == 0) return;
  JournalPage->RefillMainGrid();
  JournalPage->SelectMainCell(result.CurrentRecord, JournalPage->MainStringGrid->currentIndex().column());
  JournalPage->MainStringGrid->setFocus();
  JournalPage->MainStringGridClick();
}

// Present but disabled; enabling the action is all the command needs.
void TMainForm::acCopyDataToClipbrdExcelExecute() {
  const QModelIndexList rows = JournalPage->MainStringGrid->selectionModel()->selectedIndexes();
  int32_t first = JournalPage->CurrentRecord();
  int32_t last = first;
  for (const QModelIndex& index : rows) {
    first = std::min(first, index.row());
    last = std::max(last, index.row());
  }
  if (first < 0) return;
  QGuiApplication::clipboard()->setText(QString::fromStdString(JournalCopyText(state_, first, last)));
}

}  // namespace korvado
