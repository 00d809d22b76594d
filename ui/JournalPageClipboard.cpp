// The journal page's spreadsheet exchange through the clipboard.

#include <QClipboard>
#include <QGuiApplication>
#include <QItemSelectionModel>

#include "ClipboardCommands.h"
#include "JournalPage.h"
#include "ShowOutcome.h"

namespace korvado {

void JournalPage::acPasteDataFromClipbrdExcelExecute() {
  const std::string text = QGuiApplication::clipboard()->text().toStdString();
  const Result<ClipboardPasteResult> pasted = PasteJournalFromClipboardText(state_, text, CurrentRecord());
  if (!ShowOutcome(pasted) || pasted->Pasted == 0) return;
  const ClipboardPasteResult& result = *pasted;
  RefillMainGrid();
  SelectMainCell(result.CurrentRecord, MainStringGrid->currentIndex().column());
  MainStringGrid->setFocus();
  MainStringGridClick();
}

// Present but disabled; enabling the action is all the command needs.
void JournalPage::acCopyDataToClipbrdExcelExecute() {
  const QModelIndexList rows = MainStringGrid->selectionModel()->selectedIndexes();
  int32_t first = CurrentRecord();
  int32_t last = first;
  for (const QModelIndex& index : rows) {
    first = std::min(first, index.row());
    last = std::max(last, index.row());
  }
  if (first < 0) return;
  QGuiApplication::clipboard()->setText(QString::fromStdString(JournalCopyText(state_, first, last)));
}

}  // namespace korvado
