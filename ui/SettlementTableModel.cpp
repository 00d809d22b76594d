#include "SettlementTableModel.h"

#include <QBrush>
#include <QColor>
#include <QFont>

namespace korvado {

SettlementTableModel::SettlementTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void SettlementTableModel::Show(std::shared_ptr<const MonitoringResult> results, SettlementMode mode) {
  beginResetModel();
  results_ = std::move(results);
  mode_ = mode;
  header_ = results_ ? SettlementHeader(*results_, mode_) : std::vector<std::string>{};
  endResetModel();
}

int SettlementTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() || !results_ ? 0 : static_cast<int>(results_->analysis.marks.size());
}

int SettlementTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(header_.size());
}

QVariant SettlementTableModel::data(const QModelIndex& index, int role) const {
  if (!results_ || !index.isValid()) return {};
  const SettlementCell cell =
      SettlementCellAt(*results_, mode_, static_cast<size_t>(index.row()), static_cast<size_t>(index.column()));
  switch (role) {
    case Qt::DisplayRole: return QString::fromStdString(cell.text);
    case Qt::TextAlignmentRole:
      return index.column() == 0 ? QVariant(Qt::AlignLeft | Qt::AlignVCenter) : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::BackgroundRole: return cell.significant ? QVariant(QBrush(QColor(255, 205, 205))) : QVariant();
    case Qt::FontRole: {
      if (!cell.significant) return {};
      QFont font;
      font.setBold(true);
      return font;
    }
    case Qt::ToolTipRole:
      return cell.significant ? QStringLiteral("Осадка больше 2σ: значима") : QVariant();
    default: return {};
  }
}

QVariant SettlementTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Vertical) return section + 1;
  return section < static_cast<int>(header_.size()) ? QString::fromStdString(header_[static_cast<size_t>(section)])
                                                    : QVariant();
}

}  // namespace korvado
