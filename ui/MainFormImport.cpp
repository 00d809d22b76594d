// The main window's import of a digital level's measurements: the file dialog
// and the preview around the app layer's import.

#include <QFileInfo>

#include "FileDialogs.h"
#include "JournalGridView.h"
#include "JournalPage.h"
#include "LevelImportCommands.h"
#include "LevelImportDlg.h"
#include "MainForm.h"
#include "ShowOutcome.h"

namespace korvado {

namespace {

// The format is told by the content; the filters only help to find the file.
const char* const kLevelFileFilters = "Leica GSI (*.gsi *.txt);;DiNi M5 (*.dat *.m5);;Все файлы (*)";

}  // namespace

void TMainForm::acImportLevelExecute() {
  if (journalPage->MainStringGrid->IsEditing()) return;
  const QString path = AskFilePath(this, Settings(), QStringLiteral("Импорт измерений цифрового нивелира"),
                                   QString::fromUtf8(kLevelFileFilters), QFileDialog::AcceptOpen);
  if (path.isEmpty()) return;
  const LevelImport import = PrepareLevelImport(state_, path.toStdString());
  const int32_t current = journalPage->CurrentRecord();
  const bool hadData = state_.Journal.RecordCount() > 0;
  LevelImportDlg dialog(this, import, QFileInfo(path).fileName(), hadData && current >= 0);
  if (dialog.exec() != QDialog::Accepted) return;
  const Result<InsertedRecords> inserted =
      ImportLevelLines(state_, import, dialog.Ticked(), dialog.BeforeCurrent() ? current : -1);
  if (!ShowOutcome(inserted) || inserted->Count == 0) return;
  if (!hadData) {
    ShowOpenData();
  } else {
    journalPage->RefillMainGrid();
  }
  journalPage->SelectMainCell(inserted->First, 0);
  journalPage->MainStringGridClick();
}

}  // namespace korvado
