#include "TextTableModel.h"

#include "NumberColumns.h"

namespace korvado {

TextTableModel::TextTableModel(std::vector<std::string> header, std::vector<bool> numeric, QObject* parent)
    : QAbstractTableModel(parent), header_(std::move(header)), numeric_(std::move(numeric)) {}

void TextTableModel::SetRows(std::vector<std::vector<std::string>> rows) {
  beginResetModel();
  rows_ = std::move(rows);
  endResetModel();
}

int TextTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int TextTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(header_.size());
}

QVariant TextTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) return {};
  if (role == Qt::DisplayRole) {
    const std::vector<std::string>& row = rows_[index.row()];
    return index.column() < static_cast<int>(row.size()) ? QString::fromStdString(row[index.column()]) : QString();
  }
  if (role == Qt::TextAlignmentRole)
    return QVariant::fromValue(NumericColumn(index.column()) ? kNumberAlignment : Qt::AlignLeft | Qt::AlignVCenter);
  return {};
}

QVariant TextTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section >= columnCount()) return {};
  return QString::fromStdString(header_[section]);
}

}  // namespace korvado
