#pragma once
// The page "Уравнивание нивелирной сети": the point table of the current net
// with its elevations, and the commands that build it, take the benchmark
// elevations and run one adjustment sweep.

#include <QPointer>
#include <QPushButton>
#include <QTreeWidget>
#include <QWidget>

#include "AdjustmentCommands.h"
#include "AppState.h"

namespace korvado {

class TOriginAltitudeForm;

class TAdjustmentPage : public QWidget {
  Q_OBJECT
 public:
  explicit TAdjustmentPage(AppState& state, QWidget* parent = nullptr);

  // No data: no point table shown.
  void ShowClosedData();

  QTreeWidget* EquateListView;
  QWidget* Panel3;
  QPushButton* btnUpDateSeries;
  QPushButton* btnInputAltitude;
  QPushButton* btnEquate;

  // The fixed-point elevation dialog, created on first use and kept, owned by the main window.
  TOriginAltitudeForm& OriginAltitudeForm();

 public slots:
  void btnUpDateSeriesClick();
  void btnInputAltitudeClick();
  void btnEquateClick();

 private:
  void ShowEquateView(const EquateView& view);

  AppState& state_;
  QPointer<TOriginAltitudeForm> originAltitudeForm_;
};

}  // namespace korvado
