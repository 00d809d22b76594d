#pragma once
// The dockable view «Оценка точности»: the last least-squares result of the
// current net, its points and sections as tables that copy to the clipboard
// as tab-separated text, and the a-priori σ of one setup. A click on a
// section shows it on the page «Отметки точек».

#include <QDockWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

#include "AppState.h"
#include "TextTableModel.h"

namespace korvado {

class SettingsFile;

class AccuracyView : public QDockWidget {
  Q_OBJECT
 public:
  // Reads [Adjustment] SigmaPerSetup from the settings file into the state.
  AccuracyView(AppState& state, SettingsFile& settings, QWidget* parent);

  QLineEdit* SigmaEdit;
  QPushButton* btnLeastSquares;
  QPushButton* btnCopyPoints;
  QPushButton* btnCopySections;
  QLabel* SummaryLabel;
  QTableView* PointsTable;
  QTableView* SectionsTable;

 public slots:
  // Shows what the state holds for the current net now.
  void Refresh();
  void SigmaEditFinished();
  void btnCopyPointsClick();
  void btnCopySectionsClick();
  void SectionsTableClick(const QModelIndex& index);

 signals:
  // A section was clicked: the window shows its elevation table.
  void sectionChosen(int32_t net, int32_t section);
  // The a-priori σ changed: the kept result's σ and tests with it.
  void sigmaChanged();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QTableView* NewTable(TextTableModel* model);
  // The selected cells of a table, or with none selected the whole table under its header.
  void CopyTable(const QTableView& table, const TextTableModel& model, bool whole);

  AppState& state_;
  SettingsFile& settings_;
  TextTableModel* points_;
  TextTableModel* sections_;
  int32_t shownNet_ = -1;
};

}  // namespace korvado
