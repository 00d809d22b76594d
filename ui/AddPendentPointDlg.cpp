#include "AddPendentPointDlg.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QStyledItemDelegate>

#include "CommandGuard.h"
#include "KorIcons.h"
#include "NumberColumns.h"

namespace korvado {

namespace {

// Only the row's caption, the section's point, can be corrected in place.
class CaptionOnlyDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    if (index.column() != 0) return nullptr;
    return QStyledItemDelegate::createEditor(parent, option, index);
  }
};

QTreeWidgetItem* MakeResultItem(const PendentRow& row) {
  auto* item = new QTreeWidgetItem({QString::fromStdString(row.Point), QString::fromStdString(row.SetupsText),
                                    QString::fromStdString(row.HeightText), QString::fromStdString(row.Note)});
  item->setIcon(0, KorIcon(row.Icon));
  item->setFlags(item->flags() | Qt::ItemIsEditable);
  AlignNumbers(item, {1, 2});
  return item;
}

}  // namespace

TAddPendentPointDlg::TAddPendentPointDlg(const AppState& state, const NetsBrowserState& browser, QWidget* parent)
    : QDialog(parent), state_(state), browser_(browser) {
  setWindowTitle(QString::fromUtf8(kPendentDialogCaption));
  setFixedSize(569, 285);

  Label1 = new QLabel(QStringLiteral("Висячая точка"), this);
  Label1->setGeometry(8, 8, 104, 20);
  EditFindPP = new QLineEdit(this);
  EditFindPP->setGeometry(8, 30, 97, 24);
  EditFindPP->installEventFilter(this);
  btnFindPP = new QPushButton(QStringLiteral("Найти"), this);
  btnFindPP->setGeometry(8, 62, 97, 28);
  btnFindPP->setAutoDefault(false);

  FindPPListView = new QTreeWidget(this);
  FindPPListView->setGeometry(128, 8, 425, 209);
  FindPPListView->setRootIsDecorated(false);
  FindPPListView->setSelectionMode(QAbstractItemView::SingleSelection);
  FindPPListView->setSelectionBehavior(QAbstractItemView::SelectRows);
  FindPPListView->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                  QAbstractItemView::SelectedClicked);
  FindPPListView->setItemDelegate(new CaptionOnlyDelegate(FindPPListView));
  FindPPListView->header()->setStretchLastSection(false);
  QStringList titles;
  for (const char* title : kPendentColumns) titles << QString::fromUtf8(title);
  FindPPListView->setHeaderLabels(titles);
  for (int c = 0; c < titles.size(); ++c) FindPPListView->setColumnWidth(c, 100);
  AlignNumbers(FindPPListView->headerItem(), {1, 2});
  FitNumberColumns(FindPPListView, {{1, WidestSetups()}, {2, WidestHeight()}});

  Bevel1 = new QFrame(this);
  Bevel1->setFrameShape(QFrame::HLine);
  Bevel1->setFrameShadow(QFrame::Sunken);
  Bevel1->setGeometry(8, 228, 553, 4);
  btnOk = new QPushButton(QStringLiteral("Добавить"), this);
  btnOk->setGeometry(377, 244, 84, 28);
  btnOk->setDefault(true);
  btnOk->setEnabled(false);
  btnCancel = new QPushButton(QStringLiteral("Отмена"), this);
  btnCancel->setGeometry(469, 244, 84, 28);
  btnCancel->setAutoDefault(false);

  connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);
  // Escape rejects the dialog as well: QDialog's own handling.
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
  ConnectCommand(btnFindPP, &QPushButton::clicked, this, &TAddPendentPointDlg::btnFindPPClick);
  ConnectCommand(FindPPListView, &QTreeWidget::itemSelectionChanged, this,
                 &TAddPendentPointDlg::FindPPListViewSelectItem);
  connect(FindPPListView, &QTreeWidget::itemChanged, this, &TAddPendentPointDlg::FindPPListViewEdited);
}

void TAddPendentPointDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  // Each showing starts without results; the typed name stays.
  ShowPendentDialog(dialog_);
  FillResults();
  EditFindPP->setFocus();
}

bool TAddPendentPointDlg::eventFilter(QObject* watched, QEvent* event) {
  if (watched == EditFindPP && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      RunGuarded([this] { btnFindPPClick(); });
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void TAddPendentPointDlg::btnFindPPClick() {
  dialog_.FindText = EditFindPP->text().toStdString();
  FindPendentRuns(state_, browser_, dialog_);
  FillResults();
}

void TAddPendentPointDlg::FillResults() {
  filling_ = true;
  FindPPListView->clear();
  for (const PendentRow& row : dialog_.Rows) FindPPListView->addTopLevelItem(MakeResultItem(row));
  if (dialog_.SelectedRow >= 0 && dialog_.SelectedRow < FindPPListView->topLevelItemCount())
    FindPPListView->setCurrentItem(FindPPListView->topLevelItem(dialog_.SelectedRow));
  filling_ = false;
  btnOk->setEnabled(PendentAddEnabled(dialog_));
}

void TAddPendentPointDlg::FindPPListViewSelectItem() {
  if (filling_) return;
  const QList<QTreeWidgetItem*> selected = FindPPListView->selectedItems();
  dialog_.SelectedRow = selected.isEmpty() ? -1 : FindPPListView->indexOfTopLevelItem(selected.first());
  btnOk->setEnabled(PendentAddEnabled(dialog_));
}

void TAddPendentPointDlg::FindPPListViewEdited(QTreeWidgetItem* item, int column) {
  const int row = FindPPListView->indexOfTopLevelItem(item);
  if (filling_ || column != 0 || row < 0 || row >= static_cast<int>(dialog_.Rows.size())) return;
  dialog_.Rows[row].Point = item->text(0).toStdString();
}

void TAddPendentPointDlg::done(int result) {
  // The pendent point is named by the text in the field when the dialog closes.
  dialog_.FindText = EditFindPP->text().toStdString();
  if (result == QDialog::Accepted && !PendentAddEnabled(dialog_)) return;
  QDialog::done(result);
}

}  // namespace korvado
