#include "AltitudeTreeModel.h"

#include "KorIcons.h"

namespace korvado {

namespace {

// A net node carries no id; a section node carries its net's row plus one.
constexpr quintptr kNetNode = 0;

}  // namespace

void AltitudeTreeModel::Reset(std::vector<TreeNetNode> nets) {
  beginResetModel();
  nets_ = std::move(nets);
  endResetModel();
}

int AltitudeTreeModel::SectionCount(int net) const {
  return net >= 0 && net < NetCount() ? static_cast<int>(nets_[static_cast<size_t>(net)].sections.size()) : 0;
}

int AltitudeTreeModel::NetOf(const QModelIndex& node) const {
  if (!node.isValid()) return -1;
  return node.internalId() == kNetNode ? node.row() : static_cast<int>(node.internalId() - 1);
}

int AltitudeTreeModel::SectionOf(const QModelIndex& node) const {
  return node.isValid() && node.internalId() != kNetNode ? node.row() : -1;
}

QModelIndex AltitudeTreeModel::index(int row, int column, const QModelIndex& parent) const {
  if (column != 0 || row < 0) return {};
  if (!parent.isValid()) return row < NetCount() ? createIndex(row, 0, kNetNode) : QModelIndex();
  if (parent.internalId() != kNetNode || row >= SectionCount(parent.row())) return {};
  return createIndex(row, 0, static_cast<quintptr>(parent.row()) + 1);
}

QModelIndex AltitudeTreeModel::parent(const QModelIndex& child) const {
  if (!child.isValid() || child.internalId() == kNetNode) return {};
  return createIndex(NetOf(child), 0, kNetNode);
}

int AltitudeTreeModel::rowCount(const QModelIndex& parent) const {
  if (!parent.isValid()) return NetCount();
  return parent.internalId() == kNetNode ? SectionCount(parent.row()) : 0;
}

int AltitudeTreeModel::columnCount(const QModelIndex&) const { return 1; }

QVariant AltitudeTreeModel::data(const QModelIndex& node, int role) const {
  if (!node.isValid() || (role != Qt::DisplayRole && role != Qt::DecorationRole)) return {};
  const TreeNetNode& net = nets_[static_cast<size_t>(NetOf(node))];
  const bool isNet = node.internalId() == kNetNode;
  if (role == Qt::DecorationRole) return KorIcon(isNet ? net.icon : net.sections[static_cast<size_t>(node.row())].icon);
  return QString::fromStdString(isNet ? net.caption : net.sections[static_cast<size_t>(node.row())].caption);
}

}  // namespace korvado
