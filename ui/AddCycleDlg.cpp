#include "AddCycleDlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>

namespace korvado {

AddCycleDlg::AddCycleDlg(const std::vector<std::string>& nets, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Цикл наблюдений"));
  NetBox = new QComboBox(this);
  for (const std::string& net : nets) NetBox->addItem(QString::fromStdString(net));
  DateEdit = new QDateEdit(QDate::currentDate(), this);
  DateEdit->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
  DateEdit->setCalendarPopup(true);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  auto* form = new QFormLayout(this);
  form->addRow(QStringLiteral("Сеть:"), NetBox);
  form->addRow(QStringLiteral("Дата цикла:"), DateEdit);
  form->addRow(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

std::string AddCycleDlg::Net() const { return NetBox->currentText().toStdString(); }
std::string AddCycleDlg::Date() const { return DateEdit->date().toString(QStringLiteral("yyyy-MM-dd")).toStdString(); }

}  // namespace korvado
