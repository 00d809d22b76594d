#pragma once
// The window «Осадки»: the marks × cycles table (heights, settlement since the
// previous or the first cycle, rates) with significant settlements
// highlighted, the verdict on the reference benchmarks of every cycle, the
// settlement of the selected marks against time and the total settlement of
// all marks; copy as text and «Ведомость осадок». The project is computed
// on a worker thread behind a progress dialog with a cancel button.

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QWidget>

#include "AppState.h"
#include "ChartWidget.h"
#include "SettlementTableModel.h"

namespace korvado {

class SettingsFile;

class SettlementView : public QWidget {
  Q_OBJECT
 public:
  SettlementView(AppState& state, SettingsFile& ini, QWidget* parent);

  QComboBox* ModeBox;
  QPushButton* btnRecompute;
  QPushButton* btnCopySettlements;
  QPushButton* btnPreviewStatement;
  QPushButton* btnStatementPdf;
  QPushButton* btnStatementHtml;
  QLabel* SummaryLabel;
  QListWidget* StabilityList;
  QTableView* SettlementGrid;
  ChartWidget* TimePlot;
  ChartWidget* TotalPlot;

  // Shows the results the state holds (or says what to do without them).
  void ShowResults();

 public slots:
  // Computes the open project; asks before taking results when a cycle's file changed.
  void btnRecomputeClick();
  void btnCopySettlementsClick();
  void btnPreviewStatementClick();
  void btnStatementPdfClick();
  void btnStatementHtmlClick();

 private:
  void ShowSelectedMarks();
  std::optional<MonitoringResult> ComputeOffThread();
  bool ChangedCyclesAccepted(const MonitoringResult& result);

  AppState& state_;
  SettingsFile& ini_;
  SettlementTableModel* model_;
};

}  // namespace korvado
