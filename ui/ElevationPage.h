#pragma once
// The page "Отметки точек": the tree of nets and sections, the elevations of
// the points along the selected section, the net report, and the copy of the
// table to the clipboard.

#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QToolBar>
#include <QTreeWidget>
#include <QWidget>
#include <vector>

#include "AppState.h"
#include "ElevationCommands.h"

namespace korvado {

class ElevationPage : public QWidget {
  Q_OBJECT
 public:
  // Takes the main window's actions acSelectAltitudeTable and acCopyFromAltitudeTable into ToolBar2.
  ElevationPage(AppState& state, QAction* acSelectAltitudeTable, QAction* acCopyFromAltitudeTable,
                QWidget* parent = nullptr);

  QSplitter* Splitter3;
  QTreeWidget* AltitudeTree;
  QTableWidget* AltitudeStrGrid;
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
  // The net and section of a tree node; section -1 for a net node, net -1 for no node.
  struct NodePlace {
    int32_t net = -1;
    int32_t section = -1;
  };
  NodePlace PlaceOf(QTreeWidgetItem* node) const;
  void ShowRows(std::vector<ElevationRow> rows);

  AppState& state_;
  // What the grid shows, row by row: the copy takes its text from here.
  std::vector<ElevationRow> shownRows_;
};

}  // namespace korvado
