#include "DocumentDlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace korvado {

namespace {

// Enough for a long object name; the page wraps what the line cannot hold.
constexpr int kFieldCharacters = 200;

}  // namespace

DocumentDlg::DocumentDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Сведения для документа"));
  auto* form = new QFormLayout;
  for (const TitleField& field : kTitleFields) {
    auto* edit = new QLineEdit(this);
    edit->setMaxLength(kFieldCharacters);
    edit->setMinimumWidth(320);
    form->addRow(QString::fromUtf8(field.caption) + QLatin1Char(':'), edit);
    TitleEdits.push_back(edit);
  }
  cbHeightUnit = new QComboBox(this);
  cbHeightUnit->addItems({QStringLiteral("метры"), QStringLiteral("миллиметры")});
  form->addRow(QStringLiteral("Отметки в документах:"), cbHeightUnit);
  chSectionsByMisclosure = new QCheckBox(QStringLiteral("Звенья по убыванию |w|"), this);
  form->addRow(QString(), chSectionsByMisclosure);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Отмена"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
}

std::optional<DocumentOptions> DocumentDlg::Ask(const DocumentOptions& preset) {
  Fill(preset);
  TitleEdits.front()->setFocus();
  if (exec() != QDialog::Accepted) return std::nullopt;
  return Options();
}

void DocumentDlg::Fill(const DocumentOptions& options) {
  for (size_t k = 0; k < kTitleFields.size(); ++k)
    TitleEdits[k]->setText(QString::fromStdString(options.title.*kTitleFields[k].member));
  cbHeightUnit->setCurrentIndex(options.heights == HeightUnit::kMetres ? 0 : 1);
  chSectionsByMisclosure->setChecked(options.sectionsByMisclosure);
}

DocumentOptions DocumentDlg::Options() const {
  DocumentOptions options;
  for (size_t k = 0; k < kTitleFields.size(); ++k)
    options.title.*kTitleFields[k].member = TitleEdits[k]->text().trimmed().toStdString();
  options.heights = cbHeightUnit->currentIndex() == 0 ? HeightUnit::kMetres : HeightUnit::kMillimetres;
  options.sectionsByMisclosure = chSectionsByMisclosure->isChecked();
  return options;
}

}  // namespace korvado
