#pragma once
// The page "Отметки точек": the tree of nets and sections, the elevations of
// the points along the selected section, the net report, and the copy of the
// table to the clipboard.

#include <QPushButton>
#include <QSplitter>
#include <QTableView>
#include <QToolBar>
#include <QTreeView>
#include <QWidget>
#include <vector>

#include "AltitudeTreeModel.h"
#include "AppState.h"
#include "ElevationCommands.h"
#include "TextTableModel.h"

namespace korvado {

class ElevationPage : public QWidget {
  Q_OBJECT
 public:
  // Takes the main window's actions acSelectAltitudeTable and acCopyFromAltitudeTable into ToolBar2.
  ElevationPage(AppState& state, QAction* acSelectAltitudeTable, QAction* acCopyFromAltitudeTable,
                QWidget* parent = nullptr);

  QSplitter* Splitter3;
  QTreeView* AltitudeTree;
  AltitudeTreeModel* AltitudeNodes;
  QTableView* AltitudeStrGrid;
  QWidget* Panel6;
  QPushButton* btnUpDateTree;
  QToolBar* ToolBar2;
  QPushButton* btnNetReport;

 signals:
  // A click into the elevation table.
  void tableClicked();

 public slots:
  void btnUpDateTreeClick();
  void AltitudeTreeChange();
  void btnNetReportClick();
  void acSelectAltitudeTableExecute();
  void acCopyFromAltitudeTableExecute();
  // Selects the nodes of sections of a net and shows the first one's table.
  void ShowSections(int32_t net, const std::vector<int32_t>& sections);

 private:
  void ShowRows(std::vector<ElevationRow> rows);

  AppState& state_;
  // What the grid shows, row by row: its cells and the copy take their text from here.
  std::vector<ElevationRow> shownRows_;
  TextTableModel* shownCells_;
  // The net report moves the choice to its last section without showing that section.
  bool showingReport_ = false;
};

}  // namespace korvado
