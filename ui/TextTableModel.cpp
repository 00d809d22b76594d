#include "TextTableModel.h"

#include <QBrush>
#include <algorithm>
#include <limits>

#include "AttentionColours.h"
#include "NumberColumns.h"
#include "NumberText.h"

namespace korvado {

namespace {

const std::string kNoText;

template <class T>
const T* At(const std::map<int, std::vector<T>>& columns, int column, int row) {
  const auto found = columns.find(column);
  return found != columns.end() && row < static_cast<int>(found->second.size()) ? &found->second[row] : nullptr;
}

}  // namespace

TextTableModel::TextTableModel(std::vector<std::string> header, std::vector<bool> numeric, QObject* parent)
    : QAbstractTableModel(parent), header_(std::move(header)), numeric_(std::move(numeric)) {}

void TextTableModel::SetRows(std::vector<std::vector<std::string>> rows) {
  beginResetModel();
  rows_ = std::move(rows);
  rowSource_ = nullptr;
  toolTips_.clear();
  toolTipSources_.clear();
  sortKeys_.clear();
  marked_.clear();
  endResetModel();
}

void TextTableModel::SetRows(int count, RowSource row) {
  SetRows(std::vector<std::vector<std::string>>(static_cast<size_t>(std::max(count, 0))));
  rowSource_ = std::move(row);
}

void TextTableModel::SetToolTips(int column, std::vector<std::string> tips) {
  toolTips_[column] = std::move(tips);
  ColumnsChanged(column, column, {Qt::ToolTipRole});
}

void TextTableModel::SetToolTips(int column, TextSource tip) {
  toolTipSources_[column] = std::move(tip);
  ColumnsChanged(column, column, {Qt::ToolTipRole});
}

std::optional<std::string> TextTableModel::ToolTip(int row, int column) const {
  if (const auto source = toolTipSources_.find(column); source != toolTipSources_.end()) return source->second(row);
  if (const std::string* tip = At(toolTips_, column, row)) return *tip;
  return std::nullopt;
}

void TextTableModel::SetMarkedRows(std::vector<bool> marked) {
  marked_ = std::move(marked);
  ColumnsChanged(0, columnCount() - 1, {Qt::ForegroundRole, Qt::BackgroundRole});
}

void TextTableModel::SetSortKeys(int column, std::vector<double> keys) {
  sortKeys_[column] = std::move(keys);
  ColumnsChanged(column, column, {kSortRole});
}

void TextTableModel::ColumnsChanged(int first, int last, const QList<int>& roles) {
  if (rowCount() > 0) emit dataChanged(index(0, first), index(rowCount() - 1, last), roles);
}

int TextTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int TextTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(header_.size());
}

const std::string& TextTableModel::Cell(int row, int column) const {
  std::vector<std::string>& cells = rows_[row];
  if (cells.empty() && rowSource_) cells = rowSource_(row);
  return column < static_cast<int>(cells.size()) ? cells[column] : kNoText;
}

// A cell without a number («—») sorts below every number.
QVariant TextTableModel::SortKey(int row, int column) const {
  if (const double* key = At(sortKeys_, column, row)) return *key;
  if (!NumericColumn(column)) return QString::fromStdString(Cell(row, column));
  try {
    return ParseDouble(Cell(row, column));
  } catch (const std::exception&) {
    return -std::numeric_limits<double>::infinity();
  }
}

QVariant TextTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) return {};
  switch (role) {
    case Qt::DisplayRole:
      return QString::fromStdString(Cell(index.row(), index.column()));
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(NumericColumn(index.column()) ? kNumberAlignment : Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::ToolTipRole: {
      const std::optional<std::string> tip = ToolTip(index.row(), index.column());
      return tip && !tip->empty() ? QVariant(QString::fromStdString(*tip)) : QVariant();
    }
    case Qt::ForegroundRole:
      return Marked(index.row()) ? QVariant(QBrush(kAttentionText)) : QVariant();
    case Qt::BackgroundRole:
      return Marked(index.row()) ? QVariant(QBrush(kAttentionBackground)) : QVariant();
    case kSortRole:
      return SortKey(index.row(), index.column());
    default:
      return {};
  }
}

QVariant TextTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section >= columnCount()) return {};
  return QString::fromStdString(header_[section]);
}

}  // namespace korvado
