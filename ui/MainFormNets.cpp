// The main window's net selector and its net commands.

#include <QSignalBlocker>

#include "AdjustmentCommands.h"
#include "AdjustmentPage.h"
#include "JournalPage.h"
#include "MainForm.h"
#include "NetFromJournalDlg.h"
#include "NetSystemPage.h"
#include "NetsBrowser.h"
#include "ShowOutcome.h"

namespace korvado {

void TMainForm::RefillNetSelector() {
  const QSignalBlocker blocker(ComboBox1);
  ComboBox1->clear();
  for (int32_t i = 0; i < state_.Nets.NetCount(); ++i)
    ComboBox1->addItem(QString::fromStdString(state_.Nets.NetAt(i).Name));
  ComboBox1->setCurrentIndex(state_.HasCurrentNet() ? state_.CurrentNetIndex : -1);
}

void TMainForm::SelectNet(int32_t index) {
  ComboBox1->setCurrentIndex(index);
  ComboBox1Click();
}

// Selecting a net changes the net the commands work on; the active-section
// counter and its runs follow, since the counter counts the sections of that net.
void TMainForm::ComboBox1Click() {
  state_.CurrentNetIndex = ComboBox1->currentIndex();
  netSystemPage->RefreshActiveSectionView();
}

// The runs of every net take the journal's values again. The run list of the
// active section is shown anew so that it does not go on showing the old values.
void TMainForm::acUpDateNetsExecute() {
  ShowOutcome(UpdateNetsFromJournal(state_));
  netSystemPage->RefreshActiveSectionView();
}

// The browser is created once and kept, so its copy buffer and captions last
// for the whole run. Its edits may clear the current net or the active
// section, so the run list of the active section is shown anew afterwards.
void TMainForm::acNetsBrowserExecute() {
  if (!netsBrowser_) netsBrowser_ = new TNetsBrowser(state_, *this, this);
  netsBrowser_->exec();
  RefillNetSelector();
  netSystemPage->RefreshActiveSectionView();
}

// The dialog and its preview change nothing; the net goes in as one step,
// becomes the current net and its first section the active one, and is
// adjusted by least squares at once unless the surveyor unticked it.
void TMainForm::acBuildNetFromJournalExecute() {
  if (journalPage->IsEditing()) return;
  NetFromJournalDlg dialog(this, state_, Settings(), journalPage->SelectedRecords());
  if (dialog.exec() != QDialog::Accepted) return;
  const Result<int32_t> net = BuildPlannedNet(state_, dialog.Plan(), dialog.Into());
  if (!ShowOutcome(net)) return;
  RefillNetSelector();
  netSystemPage->ShowActiveSection(0);
  PageControl1->setCurrentWidget(netSystemPage);
  if (dialog.AdjustAfterBuild()) adjustmentPage->btnLeastSquaresClick();
}

}  // namespace korvado
