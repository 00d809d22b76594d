#pragma once
// The merge dialog: runs levelled more than once between the same two points
// are moved one by one from the upper grid to the lower one, and the lower
// grid's runs are merged into one equivalent run at every move. The merge
// result outlives the dialog's showings; the page reads it after OK. Under
// the grids: how far the merged runs disagree against the class's tolerance.

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>

#include "EquivalentCommands.h"

namespace korvado {

class TEquiDlg : public QDialog {
  Q_OBJECT
 public:
  explicit TEquiDlg(QWidget* parent = nullptr);

  QLabel* Label1;
  QTableWidget* EquiStringGrid1;
  QSplitter* Splitter1;
  QLabel* Label2;
  QTableWidget* EquiStringGrid2;
  QPushButton* btnAdd;
  QLabel* lbEquiSection;
  // How far the merged runs disagree, against the tolerance of the class chosen in «Невязки».
  QLabel* lbSpread;
  QPushButton* OKBtn;
  QPushButton* CancelBtn;

  // Shows the runs of one showing and waits; true when closed with OK.
  bool Execute(EquiDialog dialog);
  // The last merge, kept until the next one.
  const EquiResult& Result() const { return result_; }

 public slots:
  void btnAddClick();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FormCreate();
  void FormShow();
  void ShowGrids();
  void ShowSpread();

  EquiDialog dialog_;
  EquiResult result_;
};

}  // namespace korvado
