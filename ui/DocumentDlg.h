#pragma once
// «Сведения для документа»: the title block, the unit of the heights and the
// order of the sections, asked before a statement is printed or exported.

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <optional>
#include <vector>

#include "DocumentOptions.h"

namespace korvado {

class DocumentDlg : public QDialog {
  Q_OBJECT
 public:
  explicit DocumentDlg(QWidget* parent = nullptr);

  // Asks modally with the fields filled from preset; nothing when cancelled.
  std::optional<DocumentOptions> Ask(const DocumentOptions& preset);

  // In the order of kTitleFields.
  std::vector<QLineEdit*> TitleEdits;
  QComboBox* cbHeightUnit;
  QCheckBox* chSectionsByMisclosure;

 private:
  void Fill(const DocumentOptions& options);
  DocumentOptions Options() const;
};

}  // namespace korvado
