// The main window's net selector and its net commands.

#include <QSignalBlocker>

#include "MainForm.h"

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

// Selecting a net changes the net the commands work on; nothing on screen is refreshed.
void TMainForm::ComboBox1Click() { state_.CurrentNetIndex = ComboBox1->currentIndex(); }

// Belongs to the net update from the journal.
void TMainForm::acUpDateNetsExecute() {}

// Belongs to the nets browser.
void TMainForm::acNetsBrowserExecute() {}

}  // namespace korvado
