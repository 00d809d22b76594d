#include "BenchmarkTableModel.h"

#include "NumberColumns.h"

namespace korvado {

void BenchmarkTableModel::SetRows(std::vector<BenchmarkRow> rows) {
  beginResetModel();
  rows_ = std::move(rows);
  endResetModel();
}

int BenchmarkTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int BenchmarkTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumnCount; }

QVariant BenchmarkTableModel::data(const QModelIndex& index, int role) const {
  const BenchmarkRow& row = rows_[static_cast<size_t>(index.row())];
  switch (index.column()) {
    case kPoint:
      if (role == Qt::DisplayRole) return QString::fromStdString(row.name);
      break;
    case kTick:
      if (role == Qt::CheckStateRole) return row.ticked ? Qt::Checked : Qt::Unchecked;
      break;
    case kElevation:
      if (role == Qt::DisplayRole || role == Qt::EditRole) return QString::fromStdString(row.elevation);
      if (role == Qt::TextAlignmentRole) return QVariant(kNumberAlignment);
      break;
    default:
      break;
  }
  return {};
}

QVariant BenchmarkTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Vertical) return section + 1;
  static const char* const titles[kColumnCount] = {"Точка", "Репер", "Отметка"};
  return QString::fromUtf8(titles[section]);
}

Qt::ItemFlags BenchmarkTableModel::flags(const QModelIndex& index) const {
  Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  if (index.column() == kTick) flags |= Qt::ItemIsUserCheckable;
  if (index.column() == kElevation) flags |= Qt::ItemIsEditable;
  return flags;
}

bool BenchmarkTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  BenchmarkRow& row = rows_[static_cast<size_t>(index.row())];
  if (index.column() == kTick && role == Qt::CheckStateRole) {
    row.ticked = value.toInt() == Qt::Checked;
  } else if (index.column() == kElevation && role == Qt::EditRole) {
    row.elevation = value.toString().trimmed().toStdString();
    // A point given an elevation is meant as a benchmark.
    if (!row.elevation.empty()) row.ticked = true;
  } else {
    return false;
  }
  emit dataChanged(this->index(index.row(), kTick), this->index(index.row(), kElevation));
  return true;
}

}  // namespace korvado
