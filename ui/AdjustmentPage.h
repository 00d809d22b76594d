#pragma once
// The page "Уравнивание нивелирной сети": the point table of the current net
// with its elevations, and the commands that build it, take the benchmark
// elevations and run one adjustment sweep.

#include <QPushButton>
#include <QTreeWidget>
#include <QWidget>

#include "AppState.h"

namespace korvado {

class TMainForm;

class TAdjustmentPage : public QWidget {
  Q_OBJECT
 public:
  TAdjustmentPage(AppState& state, TMainForm& form, QWidget* parent = nullptr);

  QTreeWidget* EquateListView;
  QWidget* Panel3;
  QPushButton* btnUpDateSeries;
  QPushButton* btnInputAltitude;
  QPushButton* btnEquate;

 public slots:
  void btnUpDateSeriesClick();
  void btnInputAltitudeClick();
  void btnEquateClick();

 private:
  AppState& state_;
  TMainForm& form_;
};

}  // namespace korvado
