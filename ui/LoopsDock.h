#pragma once
// The pane «Невязки»: the class of the levelling and its k, the loops and
// lines of the current net with their misclosures against k·√n, failing
// rows in red. Selecting a row shows its sections elsewhere.

#include <QComboBox>
#include <QDockWidget>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

#include "AppState.h"
#include "LoopsTableModel.h"

namespace korvado {

class PageHost;

class LoopsDock : public QDockWidget {
  Q_OBJECT
 public:
  // Reads the class from the [Tolerance] settings and writes it back at exit.
  LoopsDock(AppState& state, PageHost& host, QWidget* parent);

  QComboBox* ClassBox;
  QDoubleSpinBox* CoefficientEdit;
  QPushButton* btnComputeLoops;
  QPushButton* btnCopyLoops;
  QLabel* FormulaLabel;
  QTableView* LoopsGrid;

 public slots:
  void btnComputeLoopsClick();
  void btnCopyLoopsClick();
  void ClassBoxChange();

 signals:
  // The sections of the selected row of net `net`; none when the selection is cleared.
  void LoopSelected(int net, const std::vector<int32_t>& sections);

 private:
  void ShowTolerance();
  void RowChange();
  void ReadSettings();
  void WriteSettings();

  AppState& state_;
  PageHost& host_;
  LoopsTableModel* model_;
  korvado::LoopsView shown_;
};

}  // namespace korvado
