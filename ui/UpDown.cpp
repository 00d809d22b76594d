#include "UpDown.h"

#include <QVBoxLayout>
#include <algorithm>

namespace korvado {

UpDown::UpDown(QWidget* parent) : QWidget(parent) {
  UpButton = new QToolButton(this);
  UpButton->setArrowType(Qt::UpArrow);
  DownButton = new QToolButton(this);
  DownButton->setArrowType(Qt::DownArrow);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  for (QToolButton* button : {UpButton, DownButton}) {
    button->setFixedSize(17, 12);
    layout->addWidget(button);
  }
  connect(UpButton, &QToolButton::clicked, this, [this] { Step(1); });
  connect(DownButton, &QToolButton::clicked, this, [this] { Step(-1); });
}

void UpDown::SetAssociate(QLineEdit* edit) {
  associate_ = edit;
  SetPosition(position_);
}

void UpDown::SetMin(int value) {
  min_ = value;
  SetPosition(position_);
}

void UpDown::SetMax(int value) {
  max_ = value;
  SetPosition(position_);
}

void UpDown::SetPosition(int value) {
  position_ = std::max(min_, std::min(value, std::max(min_, max_)));
  if (associate_) associate_->setText(QString::number(position_));
}

void UpDown::Step(int delta) {
  SetPosition(position_ + delta);
  emit clicked();
}

}  // namespace korvado
