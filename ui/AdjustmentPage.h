#pragma once
// The page "Уравнивание нивелирной сети": the point table of the current net
// with its elevations, and the commands that build it, take the benchmark
// elevations and run one adjustment sweep, or adjust by least squares.

#include <QPointer>
#include <QPushButton>
#include <QTreeWidget>
#include <QWidget>

#include "AdjustmentCommands.h"
#include "AppState.h"
#include "LeastSquaresCommands.h"

namespace korvado {

class TOriginAltitudeForm;

class AdjustmentPage : public QWidget {
  Q_OBJECT
 public:
  explicit AdjustmentPage(AppState& state, QWidget* parent = nullptr);

  // No point table shown, nor the captions of a sweep or of least squares.
  void ShowClosedData();

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

 signals:
  // Least squares has written the heights: the window shows the page and «Оценка точности».
  void leastSquaresShown();
  // A passing remark for the status bar.
  void statusMessage(const QString& text);

 private:
  void WarnOfFailingLoops();
  void ShowEquateView(const EquateView& view);
  void ShowLeastSquaresView(const LeastSquaresListView& view);
  void FillEquateRows(const std::vector<EquateRow>& rows);
  void ShowCaptionsWhole();

  AppState& state_;
  QPointer<TOriginAltitudeForm> originAltitudeForm_;
};

}  // namespace korvado
