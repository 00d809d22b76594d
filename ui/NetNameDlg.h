#pragma once
// The net-name dialog: the name of a new net, or a net's new name. Callers set
// the caption (and the text, for a rename) before each showing; the edit field
// otherwise keeps its last text.

#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <optional>
#include <string>

namespace korvado {

class TNetNameDlg : public QDialog {
  Q_OBJECT
 public:
  explicit TNetNameDlg(QWidget* parent = nullptr);

  // Asks modally under caption; the field starts with preset, or with its last
  // text when there is none. Nothing when cancelled.
  std::optional<std::string> AskName(const QString& caption, const std::optional<std::string>& preset = {});

  QLabel* Label1;
  QLineEdit* edNameNet;
  QFrame* Bevel1;
  QPushButton* btnOk;
  QPushButton* btnCancel;
};

}  // namespace korvado
