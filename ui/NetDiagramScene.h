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
  // A section as drawn, with what its colour and width follow.
  struct DrawnSection {
    QGraphicsPathItem* item = nullptr;
    bool failing = false;
    bool suspect = false;
  };
  static void Paint(const DrawnSection& section, bool highlighted);

  // By the section's index in the net.
  std::vector<DrawnSection> sections_;
};

}  // namespace korvado
