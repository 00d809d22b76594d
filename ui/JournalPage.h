#pragma once
// The page "Исходные данные": the main grid of journal records and, at its
// right, the reading grid of the current record (DetailStringGrid, or
// TechStringGrid for technical levelling). Every keystroke goes into the
// journal at once; input mode walks the cursor along the entry path.

#include <QAction>
#include <QSplitter>
#include <QWidget>

#include "AppState.h"
#include "InputModePath.h"
#include "JournalGridView.h"
#include "MainGridModel.h"
#include "ReadingGridModel.h"
#include "SettingsFile.h"

namespace korvado {

class JournalPage : public QWidget {
  Q_OBJECT
 public:
  // acInputMode and acTechTableKor are the main window's checkable actions.
  JournalPage(AppState& state, QAction* acInputMode, QAction* acTechTableKor, QWidget* parent = nullptr);

  JournalGridView* MainStringGrid;
  JournalGridView* DetailStringGrid;
  JournalGridView* TechStringGrid;
  QWidget* PanelDT;
  QSplitter* Splitter1;

  MainGridModel* MainModel() const { return mainModel_; }
  ReadingGridModel* DetailModel() const { return detailModel_; }
  ReadingGridModel* TechModel() const { return techModel_; }

  // The record of the main grid's current row; -1 when there is none.
  int32_t CurrentRecord() const;
  // The records with a selected cell in the main grid, in journal order.
  std::vector<int32_t> SelectedRecords() const;
  void SelectMainCell(int32_t record, int column);
  // The reading grid in use: TechStringGrid while the technical table is on.
  JournalGridView* ReadingGrid() const;

  // Shows the grids of open data (the reading grid by the technical table's
  // state), or hides them all while no data are open.
  void ShowData(bool open);
  bool DataShown() const { return dataShown_; }
  // Open data shown from their first record.
  void ShowOpenData();
  // While a cell is being typed, commands that replace the data wait.
  bool IsEditing() const { return MainStringGrid->IsEditing(); }

  int PanelDtWidth() const { return panelDtWidth_; }
  void SetPanelDtWidth(int width);

  // The grids' column widths and the reading panel's width, kept in the
  // settings file between runs; without stored values every title and the
  // widest number of each column fit.
  void RestoreColumnWidths(const SettingsFile& ini);
  void SaveColumnWidths(SettingsFile& ini) const;
  // The width the page needs to show every column of the grids in use.
  int ColumnsWidth() const;

 public slots:
  void RefillMainGrid();
  // Refreshes the reading grid for the main grid's current row.
  void MainStringGridClick();
  void acAddExecute();
  void acInsertExecute();
  void acDeleteRecExecute();
  void acTechTableKorExecute();
  // The spreadsheet exchange through the clipboard.
  void acPasteDataFromClipbrdExcelExecute();
  void acCopyDataToClipbrdExcelExecute();
  // acAdd's work, also run by the entry path after the last reading of the journal.
  void AddRecordAtEnd();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  JournalGridView* MakeGrid(JournalGrid grid, QAbstractItemModel* model, QWidget* parent);
  ReadingGridModel* ReadingModel() const;
  void ApplyPanelDtWidth();

  void MainStringGridSetEditText(const QModelIndex& index, const QString& text);
  void ReadingGridSetEditText(JournalGridView* grid, const QModelIndex& index, const QString& text);
  void MainStringGridEditDone(const QModelIndex& index, JournalGridView::EditEnd how);
  void ReadingGridEditDone(JournalGridView* grid, const QModelIndex& index, JournalGridView::EditEnd how);
  bool MainStringGridKeyDown(int key);
  bool ReadingGridKeyDown(JournalGridView* grid, int key);
  void FollowEntryPath(const EntryTarget& target);
  // Switching the table recomputes the heights: asked first, No keeps the table.
  bool ConfirmHeightRecompute(bool technical);

  AppState& state_;
  QAction* acInputMode_;
  QAction* acTechTableKor_;
  MainGridModel* mainModel_;
  ReadingGridModel* detailModel_;
  ReadingGridModel* techModel_;
  bool dataShown_ = false;
  int panelDtWidth_ = 220;
};

}  // namespace korvado
