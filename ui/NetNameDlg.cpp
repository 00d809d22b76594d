#include "NetNameDlg.h"

namespace korvado {

TNetNameDlg::TNetNameDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Новая сеть"));
  setFixedSize(280, 146);
  Label1 = new QLabel(QStringLiteral("Введите название сети:"), this);
  Label1->setGeometry(16, 14, 248, 20);
  edNameNet = new QLineEdit(this);
  edNameNet->setGeometry(16, 40, 225, 24);
  Bevel1 = new QFrame(this);
  Bevel1->setFrameShape(QFrame::HLine);
  Bevel1->setFrameShadow(QFrame::Sunken);
  Bevel1->setGeometry(8, 84, 264, 4);
  btnOk = new QPushButton(QStringLiteral("OK"), this);
  btnOk->setGeometry(100, 104, 80, 28);
  btnOk->setDefault(true);
  btnCancel = new QPushButton(QStringLiteral("Отмена"), this);
  btnCancel->setGeometry(188, 104, 80, 28);
  connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);
  // Escape rejects the dialog as well: QDialog's own handling.
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

std::optional<std::string> TNetNameDlg::AskName(const QString& caption, const std::optional<std::string>& preset) {
  setWindowTitle(caption);
  if (preset) edNameNet->setText(QString::fromStdString(*preset));
  if (exec() != QDialog::Accepted) return std::nullopt;
  return edNameNet->text().toStdString();
}

}  // namespace korvado
