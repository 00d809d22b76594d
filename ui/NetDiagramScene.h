#pragma once
// The net diagram drawn on a graphics scene: one path item per section
// (selectable, its index as item data), arrows, (n, h) labels, point
// markers and names; failing sections red, the section least squares
// suspects thick red, a highlighted loop blue; σ beside adjusted points.

#include <QGraphicsPathItem>
#include <QGraphicsScene>
#include <vector>

#include "NetDiagram.h"

namespace korvado {

class NetDiagramScene : public QGraphicsScene {
  Q_OBJECT
 public:
  using QGraphicsScene::QGraphicsScene;

  void Show(const NetDiagram& diagram);
  // Draws these sections (indices in the net) thick blue; none clears it.
  void Highlight(const std::vector<int32_t>& sections);
  // The section of a path item, -1 for other items.
  static int32_t SectionOf(const QGraphicsItem* item);
  QGraphicsPathItem* SectionItem(int32_t section) const;

 private:
  void Paint(QGraphicsPathItem* item, bool highlighted) const;

  std::vector<QGraphicsPathItem*> sectionItems_;
  std::vector<bool> failing_;
  std::vector<bool> suspect_;
};

}  // namespace korvado
