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

#include "AppState.h"

namespace korvado {

class TMainForm;

class TElevationPage : public QWidget {
  Q_OBJECT
 public:
  // Takes the main window's actions acSelectAltitudeTable and acCopyFromAltitudeTable into ToolBar2.
  TElevationPage(AppState& state, TMainForm& form, QWidget* parent = nullptr);

  QSplitter* Splitter3;
  QTreeWidget* AltitudeTree;
  QTableWidget* AltitudeStrGrid;
  QWidget* Panel6;
  QPushButton* btnUpDateTree;
  QToolBar* ToolBar2;
  QPushButton* btnNetReport;

 public slots:
  void btnUpDateTreeClick();
  void AltitudeTreeChange();
  void btnNetReportClick();
  void acSelectAltitudeTableExecute();
  void acCopyFromAltitudeTableExecute();

 private:
  AppState& state_;
  TMainForm& form_;
};

}  // namespace korvado
