#pragma once
// The net and the date of a cycle, asked after its data file was chosen.

#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <string>
#include <vector>

namespace korvado {

class AddCycleDlg : public QDialog {
  Q_OBJECT
 public:
  AddCycleDlg(const std::vector<std::string>& nets, QWidget* parent);
  std::string Net() const;
  std::string Date() const;  // YYYY-MM-DD

  QComboBox* NetBox;
  QDateEdit* DateEdit;
};

}  // namespace korvado
