#pragma once
// An up-down counter bound to a read-only edit box: two arrow buttons that
// step a position between a minimum and a maximum (no wrap) and show it in
// the edit box. Every press of an arrow is reported, even at a limit.

#include <QLineEdit>
#include <QToolButton>
#include <QWidget>

namespace korvado {

class UpDown : public QWidget {
  Q_OBJECT
 public:
  explicit UpDown(QWidget* parent = nullptr);

  void SetAssociate(QLineEdit* edit);
  int Min() const { return min_; }
  int Max() const { return max_; }
  int Position() const { return position_; }
  void SetMin(int value);
  void SetMax(int value);
  void SetPosition(int value);

  QToolButton* UpButton;
  QToolButton* DownButton;

 signals:
  // After the position has stepped (or stayed at a limit).
  void clicked();

 private:
  void Step(int delta);

  QLineEdit* associate_ = nullptr;
  int min_ = 1;
  int max_ = 100;
  int position_ = 1;
};

}  // namespace korvado
