#pragma once
// The point-type dialog: the types of the two ends of a run or section being
// put into a net. The item index of each selector is the point type code. OK
// stays disabled until every enabled selector has a choice, so that no type
// outside 0..2 can reach a net.

#include <QComboBox>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <optional>

#include "PointTypeQuestion.h"

namespace korvado {

class TTypePointDlg : public QDialog {
  Q_OBJECT
 public:
  explicit TTypePointDlg(QWidget* parent = nullptr);

  // Asks the question modally, the types the points already have selected
  // (a new point keeps the last choice); nothing when cancelled.
  std::optional<PointTypeChoice> Ask(const PointTypeQuestion& question);

  QLabel* Label1;
  QLabel* Label2;
  QComboBox* ComboBox1;
  QComboBox* ComboBox2;
  QFrame* Bevel1;
  QPushButton* btnOk;
  QPushButton* btnCancel;

  // The chosen type codes; -1 while nothing is chosen.
  int BackType() const { return ComboBox1->currentIndex(); }
  int ForeType() const { return ComboBox2->currentIndex(); }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void UpdateOkButton();
};

}  // namespace korvado
