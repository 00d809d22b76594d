#include "JournalGridView.h"

#include <QApplication>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>

#include "NumberColumns.h"

namespace korvado {

namespace {

char32_t FirstChar(const QString& text) {
  const QList<uint> codes = text.toUcs4();
  return codes.isEmpty() ? 0 : static_cast<char32_t>(codes.first());
}

// Keys that produce no character (arrows, shortcuts) are not the filter's business.
bool IsTypedChar(const QString& text) {
  if (text.isEmpty()) return false;
  const char32_t c = FirstChar(text);
  return c == kEnterChar || c == kBackspaceChar || c >= 0x20;
}

}  // namespace

CellEditor::CellEditor(JournalGrid grid, const QModelIndex& index, QWidget* parent)
    : QLineEdit(parent), grid_(grid), column_(index.column()) {
  setFrame(false);
  const int limit = CellTextLimit(grid, column_);
  if (limit > 0) setMaxLength(limit);
  setReadOnly(IsComputedCell(grid, index.row(), column_));
}

bool CellEditor::Accepts(JournalGrid grid, int column, const QString& keptText, const QString& typed) {
  if (!IsTypedChar(typed)) return true;
  return CellAcceptsChar(grid, column, keptText.toStdString(), CellCharFor(grid, column, FirstChar(typed)));
}

void CellEditor::keyPressEvent(QKeyEvent* event) {
  QString kept = text();
  if (hasSelectedText()) kept.remove(selectionStart(), selectedText().size());
  if (!Accepts(grid_, column_, kept, event->text())) {
    event->accept();
    return;
  }
  const char32_t typed = FirstChar(event->text());
  const char32_t meant = IsTypedChar(event->text()) ? CellCharFor(grid_, column_, typed) : typed;
  if (meant == typed) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  // The same key, typing the character the cell takes it for.
  QKeyEvent replaced(event->type(), event->key(), event->modifiers(), QString::fromUcs4(&meant, 1));
  QLineEdit::keyPressEvent(&replaced);
  event->setAccepted(replaced.isAccepted());
}

CellDelegate::CellDelegate(JournalGrid grid, QObject* parent) : QStyledItemDelegate(parent), grid_(grid) {}

QWidget* CellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const {
  auto* editor = new CellEditor(grid_, index, parent);
  emit editorCreated(editor, index);
  return editor;
}

void CellDelegate::setModelData(QWidget*, QAbstractItemModel*, const QModelIndex&) const {}

bool CellDelegate::eventFilter(QObject* object, QEvent* event) {
  // A message box about the text being typed takes the focus for a moment;
  // the edit goes on when the box closes.
  if (event->type() == QEvent::FocusOut) {
    const auto reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) return false;
  }
  return QStyledItemDelegate::eventFilter(object, event);
}

JournalGridView::JournalGridView(JournalGrid grid, QWidget* parent) : QTableView(parent), grid_(grid) {
  auto* delegate = new CellDelegate(grid, this);
  setItemDelegate(delegate);
  connect(delegate, &CellDelegate::editorCreated, this, &JournalGridView::EditorCreated);
  setEditTriggers(DoubleClicked | EditKeyPressed | AnyKeyPressed);
  setSelectionMode(ContiguousSelection);
  setSelectionBehavior(SelectItems);
  setTabKeyNavigation(false);
  ShowCellsOnOneLine(this);
  verticalHeader()->hide();
  verticalHeader()->setMinimumSectionSize(1);
  verticalHeader()->setDefaultSectionSize(18);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  horizontalHeader()->setHighlightSections(false);
  horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  horizontalHeader()->setMinimumSectionSize(8);
}

void JournalGridView::SelectCell(int row, int column) {
  const QModelIndex index = model()->index(row, column);
  if (!index.isValid()) return;
  selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
  scrollTo(index);
}

void JournalGridView::EditorCreated(CellEditor* editor, const QModelIndex& index) {
  editor_ = editor;
  editIndex_ = index;
  originalText_ = index.data().toString();
  connect(editor, &QLineEdit::textEdited, this,
          [this, index](const QString& text) { emit cellTextEdited(index, text); });
}

void JournalGridView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
  EditEnd how = EditEnd::Elsewhere;
  if (hint == QAbstractItemDelegate::SubmitModelCache && !movingCurrent_) how = EditEnd::Enter;
  if (hint == QAbstractItemDelegate::RevertModelCache) how = EditEnd::Escape;
  // Tab ends the edit in place; the entry path, not Tab, moves the cursor.
  if (hint == QAbstractItemDelegate::EditNextItem || hint == QAbstractItemDelegate::EditPreviousItem)
    hint = QAbstractItemDelegate::NoHint;
  const QModelIndex index = editIndex_;
  finishedText_ = editor_ ? editor_->text() : QString();
  editor_ = nullptr;
  editIndex_ = QModelIndex();
  QTableView::closeEditor(editor, hint);
  if (index.isValid()) emit editFinished(index, how);
}

void JournalGridView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  movingCurrent_ = true;
  QTableView::currentChanged(current, previous);
  movingCurrent_ = false;
  if (current != previous) emit currentCellChanged();
}

void JournalGridView::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  // The vertical keys neither end an edit nor move the cursor while one is open.
  if (IsEditing() && (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_PageDown)) {
    event->accept();
    return;
  }
  if (!IsEditing() && keyDown_ && keyDown_(key)) {
    event->accept();
    return;
  }
  // A key the cell refuses neither opens the editor nor searches the column.
  if (!IsEditing() && currentIndex().isValid() && IsTypedChar(event->text()) &&
      !CellEditor::Accepts(grid_, currentIndex().column(), QString(), event->text())) {
    event->accept();
    return;
  }
  const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
  // Backspace starts an edit too, clearing the cell.
  if (!IsEditing() && key == Qt::Key_Backspace && plain && currentIndex().isValid()) {
    edit(currentIndex(), AnyKeyPressed, event);
    event->accept();
    return;
  }
  if (!IsEditing() && (key == Qt::Key_Return || key == Qt::Key_Enter) && plain && currentIndex().isValid()) {
    edit(currentIndex(), EditKeyPressed, event);
    event->accept();
    return;
  }
  QTableView::keyPressEvent(event);
}

}  // namespace korvado
