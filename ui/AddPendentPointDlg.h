#pragma once
// The dialog that finds the journal runs joining a pendent point to a point
// of the section selected in the nets browser. The user picks one (and may
// correct the section point's name in place); the browser adds it.

#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "AppState.h"
#include "NetsBrowserView.h"
#include "PendentPointCommands.h"

namespace korvado {

class TAddPendentPointDlg : public QDialog {
  Q_OBJECT
 public:
  // Searches the rows that the browser lists for its selected section.
  TAddPendentPointDlg(const AppState& state, const NetsBrowserState& browser, QWidget* parent = nullptr);

  // The results, the chosen row and the pendent point's name as the dialog was closed.
  const PendentPointDialog& Dialog() const { return dialog_; }

  QLabel* Label1;
  QLineEdit* EditFindPP;
  QPushButton* btnFindPP;
  QTreeWidget* FindPPListView;
  QFrame* Bevel1;
  QPushButton* btnOk;
  QPushButton* btnCancel;

 public slots:
  void btnFindPPClick();
  void FindPPListViewSelectItem();
  void FindPPListViewEdited(QTreeWidgetItem* item, int column);

 protected:
  void showEvent(QShowEvent* event) override;                  // FormShow
  bool eventFilter(QObject* watched, QEvent* event) override;  // EditFindPPKeyDown
  void done(int result) override;

 private:
  void FillResults();

  const AppState& state_;
  const NetsBrowserState& browser_;
  PendentPointDialog dialog_;
  bool filling_ = false;
};

}  // namespace korvado
