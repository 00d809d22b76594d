// The edit commands of the nets browser. The app layer does the work and
// chooses the node to select afterwards; the window rebuilds what it shows
// and keeps the main window's net selector in step.

#include "AddPendentPointDlg.h"
#include "NetNameDlg.h"
#include "NetsBrowser.h"
#include "NetsBrowserCommands.h"
#include "PageHost.h"
#include "PendentPointCommands.h"
#include "ShowOutcome.h"

namespace korvado {

void TNetsBrowser::ShowEdit(const Outcome& edit) {
  if (!ShowOutcome(edit)) return;
  FillTree();
  ShowSelection();
  host_.RefillNetSelector();
}

void TNetsBrowser::acCloseExecute() { close(); }

void TNetsBrowser::acAddNetExecute() {
  const std::optional<std::string> name = host_.NetNameDlg().AskName(QString::fromUtf8(kNewNetCaption));
  if (name) ShowEdit(BrowserAddNet(state_, browser_, *name));
}

void TNetsBrowser::acRenameNetExecute() {
  const std::optional<std::string> current = RenameNetPreset(state_, browser_);
  if (!current) return;
  const std::optional<std::string> name = host_.NetNameDlg().AskName(QString::fromUtf8(kRenameNetCaption), current);
  if (name) ShowEdit(BrowserRenameNet(state_, browser_, *name));
}

void TNetsBrowser::acCopyNetExecute() { BrowserCopyNet(state_, browser_); }

void TNetsBrowser::acPasteNetExecute() { ShowEdit(BrowserPasteNet(state_, browser_)); }

void TNetsBrowser::acDelNetExecute() { ShowEdit(BrowserDeleteNet(state_, browser_)); }

void TNetsBrowser::acCopySecExecute() { BrowserCopySection(state_, browser_); }

void TNetsBrowser::acPasteSecExecute() { ShowEdit(BrowserPasteSection(state_, browser_)); }

void TNetsBrowser::acDelSectionExecute() { ShowEdit(BrowserDeleteSection(state_, browser_)); }

void TNetsBrowser::acCopyDetSecExecute() { BrowserCopyRun(state_, browser_); }

void TNetsBrowser::acPasteDetSecExecute() { ShowEdit(BrowserPasteRun(state_, browser_)); }

void TNetsBrowser::acDelDetSectionExecute() { ShowEdit(BrowserDeleteRun(state_, browser_)); }

void TNetsBrowser::acDelPendentPointExecute() { ShowEdit(BrowserDeletePendentRun(state_, browser_)); }

void TNetsBrowser::acAddPendentPointExecute() {
  // Only a section can take a pendent point.
  if (!EnabledActions(state_, browser_).AddPendentPoint) return;
  if (!pendentDlg_) pendentDlg_ = new TAddPendentPointDlg(state_, browser_, this);
  if (pendentDlg_->exec() != QDialog::Accepted) return;
  ShowEdit(AddPendentPoint(state_, browser_, pendentDlg_->Dialog()));
}

}  // namespace korvado
