#pragma once
// The About box: the program's name, version and purpose.

#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace korvado {

class TAboutBox : public QDialog {
  Q_OBJECT
 public:
  explicit TAboutBox(QWidget* parent = nullptr);

  QFrame* Panel1;
  QLabel* ProgramIcon;
  QLabel* ProductName;
  QLabel* Version;
  QLabel* StageLabel;
  QLabel* Comments;
  QFrame* Bevel1;
  QLabel* Label1;
  QPushButton* OKButton;
};

}  // namespace korvado
