// The File menu's monitoring project: its dialog and the window «Осадки».

#include "MainForm.h"
#include "MonitoringProjectDlg.h"
#include "SettlementView.h"

namespace korvado {

void TMainForm::acMonitoringProjectExecute() {
  MonitoringProjectDlg dialog(state_, Settings(), this);
  bool show = false;
  connect(&dialog, &MonitoringProjectDlg::showSettlements, this, [&show] { show = true; });
  dialog.exec();
  if (!show) {
    // The project may have changed under a view already open.
    if (settlementView_) settlementView_->ShowResults();
    return;
  }
  if (!settlementView_) settlementView_ = new SettlementView(state_, Settings(), this);
  settlementView_->show();
  settlementView_->raise();
  settlementView_->ShowResults();
  if (!state_.Monitoring.Results) settlementView_->btnRecomputeClick();
}

}  // namespace korvado
