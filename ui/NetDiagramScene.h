#pragma once
// The net diagram drawn on a graphics scene: one path item per section
// (selectable, its index as item data), arrows, (n, h) labels, point
// markers and names; failing sections red, the section least squares
// suspects thick red, a highlighted loop blue; σ beside adjusted points.
// A large diagram goes onto the scene in slices, one per turn of the event
// loop, so that the window stays responsive while it fills.

#include <QGraphicsPathItem>
#include <QGraphicsScene>
#include <QTimer>
#include <memory>
#include <vector>

#include "NetDiagram.h"

namespace korvado {

class NetDiagramScene : public QGraphicsScene {
  Q_OBJECT
 public:
  explicit NetDiagramScene(QObject* parent = nullptr);

  // Replaces what the scene shows; `shown` follows once all of it is there
  // (at once for a small diagram).
  void Show(std::shared_ptr<const NetDiagram> diagram);
  bool Filling() const { return filling_ != nullptr; }
  // Draws these sections (indices in the net) thick blue; none clears it.
  void Highlight(const std::vector<int32_t>& sections);
  // The section of a path item, -1 for other items.
  static int32_t SectionOf(const QGraphicsItem* item);
  QGraphicsPathItem* SectionItem(int32_t section) const;

 signals:
  void shown();

 private:
  void FillSlice();
  void AddSection(const DiagramSection& section);

  // A section as drawn, with what its colour and width follow.
  struct DrawnSection {
    QGraphicsPathItem* item = nullptr;
    bool failing = false;
    bool suspect = false;
  };
  static void Paint(const DrawnSection& section, bool highlighted);

  // By the section's index in the net.
  std::vector<DrawnSection> sections_;
  // The diagram being put on the scene and how far it has got: spurs, then
  // sections, then points, counted as one sequence.
  std::shared_ptr<const NetDiagram> filling_;
  size_t filled_ = 0;
  QTimer nextSlice_;
  QFont labelFont_;
};

}  // namespace korvado
