// The main window's Edit menu: undo and redo of the data, each naming its step.

#include <QMenuBar>
#include <QTabWidget>

#include "CommandGuard.h"
#include "ElevationPage.h"
#include "JournalPage.h"
#include "MainForm.h"
#include "MakeAction.h"
#include "NetSystemPage.h"

namespace korvado {

namespace {

const QKeySequence kUndoKey(Qt::CTRL | Qt::Key_Z);

}  // namespace

void TMainForm::CreateEditMenu() {
  acUndo = MakeAction(this, "Отменить", kUndoKey);
  acRedo = MakeAction(this, "Повторить");
  acRedo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
  QMenu* edit = new QMenu(QStringLiteral("&Правка"), this);
  edit->addActions({acUndo, acRedo});
  menuBar()->insertMenu(menuBar()->actions().value(1), edit);
  // The menu shows the steps as they are when it opens; the keys always work.
  connect(edit, &QMenu::aboutToShow, this, &TMainForm::ShowUndoNames);
  connect(edit, &QMenu::aboutToHide, this, [this] {
    acUndo->setEnabled(true);
    acRedo->setEnabled(true);
  });
  ShowUndoNames();
  acUndo->setEnabled(true);
  acRedo->setEnabled(true);
  // On the elevations page Ctrl+Z copies its table; undo stays in the menu there.
  connect(PageControl1, &QTabWidget::currentChanged, this,
          [this] { acUndo->setShortcut(PageControl1->currentWidget() == elevationPage ? QKeySequence() : kUndoKey); });
  ConnectCommand(acUndo, &QAction::triggered, this, &TMainForm::acUndoExecute);
  ConnectCommand(acRedo, &QAction::triggered, this, &TMainForm::acRedoExecute);
}

void TMainForm::ShowUndoNames() {
  const UndoHistory& history = state_.History;
  acUndo->setText(history.CanUndo() ? QStringLiteral("Отменить: %1").arg(QString::fromStdString(history.UndoName()))
                                    : QStringLiteral("Отменить"));
  acRedo->setText(history.CanRedo() ? QStringLiteral("Повторить: %1").arg(QString::fromStdString(history.RedoName()))
                                    : QStringLiteral("Повторить"));
  acUndo->setEnabled(history.CanUndo());
  acRedo->setEnabled(history.CanRedo());
}

void TMainForm::acUndoExecute() {
  if (journalPage->MainStringGrid->IsEditing()) return;
  if (state_.History.Undo(state_)) ShowUndoneData();
}

void TMainForm::acRedoExecute() {
  if (journalPage->MainStringGrid->IsEditing()) return;
  if (state_.History.Redo(state_)) ShowUndoneData();
}

// Every page is shown anew from the data put back; the journal keeps its
// current cell where the record is still there.
void TMainForm::ShowUndoneData() {
  const QModelIndex cell = journalPage->MainStringGrid->currentIndex();
  const int32_t net = state_.CurrentNetIndex;
  const int32_t section = state_.ActiveSectionIndex;
  ShowClosedData();
  ShowOpenData();
  state_.CurrentNetIndex = net;
  state_.ActiveSectionIndex = section;
  RefillNetSelector();
  netSystemPage->RefreshActiveSectionView();
  const int32_t records = state_.Journal.RecordCount();
  if (cell.isValid() && records > 0) {
    journalPage->SelectMainCell(std::min(cell.row(), records - 1), cell.column());
    journalPage->MainStringGridClick();
  }
}

}  // namespace korvado
