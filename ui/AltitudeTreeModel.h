#pragma once
// The tree of «Отметки точек» as a model: the nets at the top, their sections
// under them. A node's caption and icon are made only when the view paints
// it, so a net at the format's limit fills at once and costs no item per node.

#include <QAbstractItemModel>
#include <vector>

#include "ElevationCommands.h"

namespace korvado {

class AltitudeTreeModel : public QAbstractItemModel {
  Q_OBJECT
 public:
  using QAbstractItemModel::QAbstractItemModel;

  // Shows these nodes in place of the ones shown.
  void Reset(std::vector<TreeNetNode> nets);

  int NetCount() const { return static_cast<int>(nets_.size()); }
  // 0 for a net the tree does not have.
  int SectionCount(int net) const;
  QModelIndex NetIndex(int net) const { return index(net, 0); }
  QModelIndex SectionIndex(int net, int section) const { return index(section, 0, NetIndex(net)); }
  // The net of a node, and its section (-1 on a net node); -1, -1 for no node.
  int NetOf(const QModelIndex& node) const;
  int SectionOf(const QModelIndex& node) const;

  QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
  QModelIndex parent(const QModelIndex& child) const override;
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& node, int role = Qt::DisplayRole) const override;

 private:
  std::vector<TreeNetNode> nets_;
};

}  // namespace korvado
