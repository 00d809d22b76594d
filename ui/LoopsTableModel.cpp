#include "LoopsTableModel.h"

#include <QBrush>

#include "AttentionColours.h"
#include "NumberColumns.h"

namespace korvado {

void LoopsTableModel::SetRows(std::vector<LoopRow> rows) {
  beginResetModel();
  rows_ = std::move(rows);
  endResetModel();
}

const LoopRow* LoopsTableModel::RowAt(int row) const {
  return row >= 0 && row < rowCount() ? &rows_[static_cast<size_t>(row)] : nullptr;
}

int LoopsTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int LoopsTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(LoopColumnTitles().size());
}

QVariant LoopsTableModel::data(const QModelIndex& index, int role) const {
  const LoopRow* row = RowAt(index.row());
  if (!row) return {};
  if (role == Qt::ForegroundRole) return row->passed ? QVariant() : QBrush(kAttentionText);
  if (role == Qt::BackgroundRole) return row->passed ? QVariant() : QBrush(kAttentionBackground);
  if (role == Qt::TextAlignmentRole && index.column() != 1 && index.column() != 2 && index.column() != 7)
    return int(kNumberAlignment);
  if (role != Qt::DisplayRole) return {};
  const std::string* cells[] = {&row->number,     &row->kind,    &row->points, &row->setups,
                                &row->misclosure, &row->allowed, &row->ratio,  &row->verdict};
  return QString::fromStdString(*cells[index.column()]);
}

QVariant LoopsTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  return QString::fromStdString(LoopColumnTitles()[static_cast<size_t>(section)]);
}

}  // namespace korvado
