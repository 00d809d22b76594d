#pragma once
// The rows of «Невязки» for a table view: failing rows in red.

#include <QAbstractTableModel>

#include "LoopCommands.h"

namespace korvado {

class LoopsTableModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  using QAbstractTableModel::QAbstractTableModel;

  void SetRows(std::vector<LoopRow> rows);
  const LoopRow* RowAt(int row) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  std::vector<LoopRow> rows_;
};

}  // namespace korvado
