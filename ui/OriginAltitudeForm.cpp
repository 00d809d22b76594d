#include "OriginAltitudeForm.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QScreen>
#include <QVBoxLayout>

#include "NumberColumns.h"

namespace korvado {

namespace {

QTableWidgetItem* TextItem(const std::string& text) { return new QTableWidgetItem(QString::fromStdString(text)); }

std::string CellText(const QTableWidget& grid, int row, int column) {
  const QTableWidgetItem* item = grid.item(row, column);
  return item ? item->text().toStdString() : std::string();
}

}  // namespace

TOriginAltitudeForm::TOriginAltitudeForm(QWidget* parent) : QDialog(parent) { FormCreate(); }

void TOriginAltitudeForm::FormCreate() {
  resize(444, 252);

  StringGrid1 = new QTableWidget(1, 2, this);
  StringGrid1->setHorizontalHeaderLabels({QStringLiteral(" Название репера"), QStringLiteral(" Отметка")});
  StringGrid1->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  StringGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  StringGrid1->horizontalHeader()->setStretchLastSection(false);
  StringGrid1->verticalHeader()->hide();
  StringGrid1->verticalHeader()->setMinimumSectionSize(1);
  StringGrid1->verticalHeader()->setDefaultSectionSize(16);
  for (int c = 0; c < 2; ++c) StringGrid1->setColumnWidth(c, 120);
  FitNumberColumns(StringGrid1, {{1, WidestElevation()}});
  StringGrid1->setSelectionMode(QAbstractItemView::ContiguousSelection);
  // No edit on a click into the selected cell: while that delayed edit waits,
  // the view drops typed keys, and a surveyor who clicks and types at once
  // would lose the elevation. A key or a double click opens the editor.
  StringGrid1->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                               QAbstractItemView::AnyKeyPressed);

  Panel1 = new QWidget(this);
  Panel1->setFixedWidth(158);
  btnOk = new QPushButton(QStringLiteral("OK"), Panel1);
  btnOk->setDefault(true);
  btnCancel = new QPushButton(QStringLiteral("Отмена"), Panel1);
  auto* buttons = new QVBoxLayout(Panel1);
  buttons->setContentsMargins(16, 8, 16, 8);
  buttons->addWidget(btnOk);
  buttons->addWidget(btnCancel);
  buttons->addStretch(1);

  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(StringGrid1, 1);
  layout->addWidget(Panel1);

  connect(btnOk, &QPushButton::clicked, this, &TOriginAltitudeForm::accept);
  // Escape rejects the dialog as well: QDialog's own handling.
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TOriginAltitudeForm::FormShow(const OriginAltitudeDialogContent& content, ApplyRows apply) {
  apply_ = std::move(apply);
  setWindowTitle(QString::fromStdString(content.title));
  StringGrid1->clearContents();
  StringGrid1->setRowCount(static_cast<int>(content.rows.size()));
  for (int r = 0; r < StringGrid1->rowCount(); ++r) {
    StringGrid1->setItem(r, 0, TextItem(content.rows[r].name));
    StringGrid1->setItem(r, 1, NumberItem(QString::fromStdString(content.rows[r].elevation)));
  }
  StringGrid1->setCurrentCell(0, 1);
  StringGrid1->setFocus();
}

std::vector<AltitudeRow> TOriginAltitudeForm::Rows() {
  CommitCellEdit();
  std::vector<AltitudeRow> rows;
  for (int r = 0; r < StringGrid1->rowCount(); ++r)
    rows.push_back({CellText(*StringGrid1, r, 0), CellText(*StringGrid1, r, 1)});
  return rows;
}

void TOriginAltitudeForm::accept() {
  if (apply_ && !apply_(Rows())) return;
  QDialog::accept();
}

// OK pressed by its shortcut while a cell is still being edited: the typed
// text counts, as it does when the click takes the focus from the cell.
void TOriginAltitudeForm::CommitCellEdit() {
  // The cell editor is the one widget of the grid's viewport that takes the focus.
  QWidget* editor = QApplication::focusWidget();
  if (!editor || editor->parentWidget() != StringGrid1->viewport()) return;
  const QModelIndex index = StringGrid1->currentIndex();
  StringGrid1->itemDelegateForIndex(index)->setModelData(editor, StringGrid1->model(), index);
}

void TOriginAltitudeForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (QScreen* screen = this->screen()) move(screen->availableGeometry().center() - rect().center());
}

}  // namespace korvado
