#include "TypePointDlg.h"

namespace korvado {

namespace {

QComboBox* PointTypeSelector(QWidget* parent) {
  auto* box = new QComboBox(parent);
  box->addItems(
      {QStringLiteral("Жесткая точка"), QStringLiteral("Узловая точка"), QStringLiteral("Промежуточная точка")});
  box->setCurrentIndex(-1);
  return box;
}

}  // namespace

TTypePointDlg::TTypePointDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Тип точки"));
  setFixedSize(390, 186);
  Label1 = new QLabel(this);
  Label1->setGeometry(16, 16, 175, 20);
  Label2 = new QLabel(this);
  Label2->setGeometry(204, 16, 175, 20);
  ComboBox1 = PointTypeSelector(this);
  ComboBox1->setGeometry(16, 44, 160, 26);
  ComboBox2 = PointTypeSelector(this);
  ComboBox2->setGeometry(204, 44, 160, 26);
  Bevel1 = new QFrame(this);
  Bevel1->setFrameShape(QFrame::HLine);
  Bevel1->setFrameShadow(QFrame::Sunken);
  Bevel1->setGeometry(8, 118, 374, 4);
  btnOk = new QPushButton(QStringLiteral("OK"), this);
  btnOk->setGeometry(206, 140, 80, 28);
  btnOk->setDefault(true);
  btnCancel = new QPushButton(QStringLiteral("Отмена"), this);
  btnCancel->setGeometry(294, 140, 80, 28);
  connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
  for (QComboBox* box : {ComboBox1, ComboBox2})
    connect(box, &QComboBox::currentIndexChanged, this, &TTypePointDlg::UpdateOkButton);
  UpdateOkButton();
}

std::optional<PointTypeChoice> TTypePointDlg::Ask(const PointTypeQuestion& question) {
  Label1->setText(QString::fromStdString(question.BackLabel));
  Label2->setText(QString::fromStdString(question.ForeLabel));
  if (IsPointType(question.BackType)) ComboBox1->setCurrentIndex(question.BackType);
  if (IsPointType(question.ForeType)) ComboBox2->setCurrentIndex(question.ForeType);
  ComboBox1->setEnabled(!question.BackTypeFixed);
  if (exec() != QDialog::Accepted) return std::nullopt;
  return PointTypeChoice{BackType(), ForeType()};
}

void TTypePointDlg::UpdateOkButton() {
  const bool backChosen = !ComboBox1->isEnabled() || ComboBox1->currentIndex() >= 0;
  btnOk->setEnabled(backChosen && ComboBox2->currentIndex() >= 0);
}

void TTypePointDlg::showEvent(QShowEvent* event) {
  // Callers enable or disable the back selector before each showing.
  UpdateOkButton();
  QDialog::showEvent(event);
}

}  // namespace korvado
