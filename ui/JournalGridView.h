#pragma once
// A journal grid: a table view whose in-cell editor reports every change of
// its text, filters typed characters by the cell's column, and reports when an
// edit ends (by Enter, by Escape, or by leaving the cell), so that the page can
// write each keystroke into the journal and walk the entry path.

#include <QLineEdit>
#include <QPointer>
#include <QStyledItemDelegate>
#include <QTableView>
#include <functional>

#include "JournalCommands.h"

namespace korvado {

class CellEditor : public QLineEdit {
  Q_OBJECT
 public:
  CellEditor(JournalGrid grid, const QModelIndex& index, QWidget* parent);

  // Whether the typed text would be taken by the cell's column (Enter and Backspace always are).
  static bool Accepts(JournalGrid grid, int column, const QString& keptText, const QString& typed);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  JournalGrid grid_;
  int column_;
};

class CellDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  CellDelegate(JournalGrid grid, QObject* parent);
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  // Cells are written key by key; closing the editor writes nothing more.
  void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

 signals:
  // Before the editor receives the key that opened it, so that no keystroke is missed.
  void editorCreated(korvado::CellEditor* editor, const QModelIndex& index) const;

 protected:
  bool eventFilter(QObject* object, QEvent* event) override;

 private:
  JournalGrid grid_;
};

class JournalGridView : public QTableView {
  Q_OBJECT
 public:
  enum class EditEnd { Enter, Escape, Elsewhere };

  JournalGridView(JournalGrid grid, QWidget* parent = nullptr);

  JournalGrid Grid() const { return grid_; }
  bool IsEditing() const { return state() == EditingState; }
  CellEditor* Editor() const { return editor_; }
  // The cell's text when its editor opened.
  const QString& OriginalText() const { return originalText_; }
  // The editor's text when it closed, for editFinished.
  const QString& FinishedText() const { return finishedText_; }

  // Makes (row, column) the current cell, alone in the selection.
  void SelectCell(int row, int column);

  // Runs before the grid's own handling of a key; returns true to swallow it.
  void SetKeyDownHandler(std::function<bool(int key)> handler) { keyDown_ = std::move(handler); }

 signals:
  void cellTextEdited(const QModelIndex& index, const QString& text);
  void editFinished(const QModelIndex& index, korvado::JournalGridView::EditEnd how);
  void currentCellChanged();

 protected:
  void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void EditorCreated(CellEditor* editor, const QModelIndex& index);

  JournalGrid grid_;
  QPointer<CellEditor> editor_;
  QModelIndex editIndex_;
  QString originalText_;
  QString finishedText_;
  bool movingCurrent_ = false;
  std::function<bool(int)> keyDown_;
};

}  // namespace korvado
