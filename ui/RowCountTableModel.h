#pragma once
// A table model whose rows are counted, not stored: the cells are computed
// when painted, and resizing only tells the views which rows came or went.

#include <QAbstractTableModel>

namespace korvado {

class RowCountTableModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  using QAbstractTableModel::QAbstractTableModel;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override { return parent.isValid() ? 0 : rows_; }

 protected:
  void ResizeTo(int rows);

  int rows_ = 0;
};

}  // namespace korvado
