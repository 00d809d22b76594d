#pragma once
// The dockable view «Оценка точности»: the last least-squares result of the
// current net, its points and sections as tables that copy to the clipboard
// as tab-separated text, and the a-priori σ of one setup. The section
// suspected of a blunder is coloured, the sections sort by any column (wᵢ by
// its size), a click on a section shows it on the page «Отметки точек», and
// «Показать на схеме» centres the diagram on it.

#include <QDockWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSortFilterProxyModel>
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
  QPushButton* btnShowOnDiagram;
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
  // The selected section, or with none selected the suspected one.
  void btnShowOnDiagramClick();

 signals:
  // A section was clicked: the window shows its elevation table.
  void sectionChosen(int32_t net, int32_t section);
  // «Показать на схеме»: the diagram is to centre and zoom on this section.
  void sectionToShow(int32_t net, int32_t section);
  // The a-priori σ changed: the kept result's σ and tests with it.
  void sigmaChanged();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QTableView* NewTable(QAbstractItemModel* model);
  // The selected cells of a table in the order shown, or with none selected
  // (or `whole`) every row under the header.
  void CopyTable(const QTableView& table, const std::vector<std::string>& header, bool whole);
  // The section of a row of SectionsTable as sorted, -1 for none.
  int32_t SectionOfRow(const QModelIndex& index) const;

  AppState& state_;
  SettingsFile& settings_;
  TextTableModel* points_;
  TextTableModel* sections_;
  QSortFilterProxyModel* sortedSections_;
  std::vector<bool> suspect_;  // per section shown, suspected of a blunder
  int32_t shownNet_ = -1;
};

}  // namespace korvado
