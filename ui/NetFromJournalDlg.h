#pragma once
// «Построить сеть по журналу»: which records, which points are benchmarks
// and at what elevation, and which net receives the result; then the preview
// «Новая сеть». The dialog holds the choice and the plan; the net goes into
// the data only through BuildPlannedNet after it is accepted.

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTableView>
#include <optional>
#include <vector>

#include "AppState.h"
#include "NetFromJournalCommands.h"

namespace korvado {

class BenchmarkTableModel;
class NetPlanPreview;
class SettingsFile;

class NetFromJournalDlg : public QDialog {
  Q_OBJECT
 public:
  // selected: the records selected in the journal, indices from 0.
  NetFromJournalDlg(QWidget* parent, const AppState& state, SettingsFile& settings, std::vector<int32_t> selected);

  // After acceptance: the net to build and where it goes (-1: a new net).
  const NetPlan& Plan() const { return *plan_; }
  int32_t Into() const;
  // «Сразу уравнять по МНК»: the built net is adjusted as soon as it is in.
  bool AdjustAfterBuild() const;

  QStackedWidget* Pages;
  // The choice.
  QRadioButton* rbWholeJournal;
  QRadioButton* rbSelectedRecords;
  QRadioButton* rbRecordRange;
  QSpinBox* seFirstRecord;
  QSpinBox* seLastRecord;
  QTableView* BenchmarkGrid;
  QPushButton* btnPasteHeights;
  QPushButton* btnLoadCatalogue;
  QLabel* lbUnknownNames;
  QLabel* lbTolerance;
  QRadioButton* rbNewNet;
  QLineEdit* edNetName;
  QRadioButton* rbReplaceNet;
  QComboBox* cbNets;
  QPushButton* btnNext;
  // The preview.
  NetPlanPreview* Preview;
  QCheckBox* cbAdjustAfterBuild;
  QPushButton* btnBack;
  QPushButton* btnBuild;

 public slots:
  void btnNextClick();
  void btnBackClick();
  void btnBuildClick();
  void btnPasteHeightsClick();
  void btnLoadCatalogueClick();

 private:
  QWidget* BuildChoicePage();
  QWidget* BuildRecordsBox();
  QWidget* BuildBenchmarksBox();
  QWidget* BuildTargetBox();
  QWidget* BuildPreviewPage();
  // The points of the records now chosen, keeping what was typed for points still listed.
  void RecordsChosen();
  std::optional<std::vector<int32_t>> ChosenRecords() const;
  void ShowUnknownNames(const std::vector<std::string>& names);
  // Plans the net from the choice and shows it; false after a refusal.
  bool Replan();

  const AppState& state_;
  SettingsFile& settings_;
  std::vector<int32_t> selected_;
  BenchmarkTableModel* benchmarks_;
  std::optional<NetPlan> plan_;
};

}  // namespace korvado
