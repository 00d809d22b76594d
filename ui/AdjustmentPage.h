#pragma once
// The page "Уравнивание нивелирной сети": the point table of the current net
// with its elevations, and the commands that build it, take the benchmark
// elevations and run one adjustment sweep, or adjust by least squares.

#include <QPointer>
#include <QPushButton>
#include <QTreeWidget>
#include <QWidget>

#include "AdjustmentCommands.h"
#include "LeastSquaresCommands.h"
#include "AppState.h"

namespace korvado {

class TMainForm;
class TOriginAltitudeForm;

class TAdjustmentPage : public QWidget {
  Q_OBJECT
 public:
  TAdjustmentPage(AppState& state, TMainForm& form, QWidget* parent = nullptr);

  QTreeWidget* EquateListView;
  QWidget* Panel3;
  QPushButton* btnUpDateSeries;
  QPushButton* btnInputAltitude;
  QPushButton* btnEquate;
  QPushButton* btnLeastSquares;

 // The fixed-point elevation dialog, created on first use and kept, owned by the main window.
  TOriginAltitudeForm& OriginAltitudeForm();

 public slots:
  void btnUpDateSeriesClick();
  void btnInputAltitudeClick();
  void btnEquateClick();
  // Least squares: writes the heights, shows them with their σ and opens «Оценка точности».
  void btnLeastSquaresClick();

 private:
  void ShowEquateView(const EquateView& view);
  void ShowLeastSquaresView(const LeastSquaresListView& view);
  void FillEquateRows(const std::vector<EquateRow>& rows);

  AppState& state_;
  TMainForm& form_;
  QPointer<TOriginAltitudeForm> originAltitudeForm_;
};

}  // namespace korvado
