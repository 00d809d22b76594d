#include "NetDiagramScene.h"

#include <QBrush>
#include <QGraphicsSimpleTextItem>
#include <QPen>
#include <algorithm>

#include "DiagramPainter.h"
#include "LeastSquaresCommands.h"

namespace korvado {

namespace {

constexpr int kSectionKey = 0;
// Spurs, sections and points put on the scene in one turn of the event loop.
constexpr size_t kSceneSlice = 2000;
const QColor kHighlight(20, 90, 220);

void AddMarker(QGraphicsScene& scene, const DiagramPoint& point) {
  const QPointF p = DiagramAt(point.at);
  QAbstractGraphicsShapeItem* marker = nullptr;
  switch (point.kind) {
    case DiagramPointKind::Benchmark:
      marker = scene.addPolygon(QPolygonF({p + QPointF(0, -8), p + QPointF(-7, 5), p + QPointF(7, 5)}),
                                QPen(QColor(20, 50, 120), 1), QBrush(kDiagramBenchmark));
      break;
    case DiagramPointKind::Nodal:
      marker = scene.addEllipse(p.x() - 5, p.y() - 5, 10, 10, QPen(kDiagramNodalRim, 1.5), QBrush(Qt::white));
      break;
    case DiagramPointKind::Pendent:
      marker = scene.addEllipse(p.x() - 3, p.y() - 3, 6, 6, QPen(kDiagramPendentRim, 1), Qt::NoBrush);
      break;
  }
  marker->setZValue(2);
  marker->setToolTip(QString::fromStdString(point.tooltip));
  QGraphicsSimpleTextItem* name = scene.addSimpleText(QString::fromStdString(point.name));
  name->setPos(p + QPointF(7, -18));
  name->setZValue(3);
  if (point.sigma.empty()) return;
  QFont small;
  small.setPointSizeF(6.5);
  QGraphicsSimpleTextItem* sigma = scene.addSimpleText(QString::fromStdString(point.sigma), small);
  sigma->setBrush(kDiagramBenchmark);
  sigma->setPos(p + QPointF(8, -4));
  sigma->setZValue(3);
}

}  // namespace

NetDiagramScene::NetDiagramScene(QObject* parent) : QGraphicsScene(parent) {
  labelFont_.setPointSizeF(7);
  nextSlice_.setSingleShot(true);
  nextSlice_.setInterval(0);
  connect(&nextSlice_, &QTimer::timeout, this, &NetDiagramScene::FillSlice);
}

void NetDiagramScene::Show(std::shared_ptr<const NetDiagram> diagram) {
  nextSlice_.stop();
  clear();
  sections_.assign(diagram->sections.size(), {});
  filling_ = std::move(diagram);
  filled_ = 0;
  FillSlice();
}

void NetDiagramScene::FillSlice() {
  const NetDiagram& diagram = *filling_;
  const size_t spurs = diagram.spurs.size(), sections = diagram.sections.size();
  const size_t total = spurs + sections + diagram.points.size();
  // About a twentieth of a second of work on this machine.
  const size_t end = std::min(total, filled_ + kSceneSlice);
  for (; filled_ < end; ++filled_) {
    if (filled_ < spurs) {
      const DiagramSpur& spur = diagram.spurs[filled_];
      addLine(QLineF(DiagramAt(spur.from), DiagramAt(diagram.points[static_cast<size_t>(spur.pendent)].at)),
              QPen(kDiagramSpur, 0.6));
    } else if (filled_ < spurs + sections) {
      AddSection(diagram.sections[filled_ - spurs]);
    } else {
      AddMarker(*this, diagram.points[filled_ - spurs - sections]);
    }
  }
  if (filled_ < total) {
    nextSlice_.start();
    return;
  }
  setSceneRect(itemsBoundingRect().adjusted(-30, -30, 30, 30));
  filling_.reset();
  emit shown();
}

void NetDiagramScene::AddSection(const DiagramSection& section) {
  const NetDiagram& diagram = *filling_;
  const SectionCurve curve = CurveOf(diagram, section);
  auto* item = addPath(SectionPath(curve));
  item->setData(kSectionKey, section.index);
  item->setFlag(QGraphicsItem::ItemIsSelectable);
  item->setZValue(1);
  item->setToolTip(QStringLiteral("Звено %1: %2 → %3 %4%5")
                       .arg(section.index + 1)
                       .arg(QString::fromStdString(diagram.points[static_cast<size_t>(section.from)].name),
                            QString::fromStdString(diagram.points[static_cast<size_t>(section.to)].name),
                            QString::fromStdString(section.label),
                            section.suspect ? QStringLiteral(" — ") + QString::fromUtf8(kSuspectMark) : QString()));
  auto* arrow = new QGraphicsPolygonItem(SectionArrow(curve), item);
  arrow->setPen(Qt::NoPen);
  auto* label = new QGraphicsSimpleTextItem(QString::fromStdString(section.label), item);
  label->setFont(labelFont_);
  label->setBrush(kDiagramLabel);
  label->setPos(curve.middle.x + 4, curve.middle.y - 14);
  const auto index = static_cast<size_t>(section.index);
  if (index >= sections_.size()) sections_.resize(index + 1);
  sections_[index] = {item, section.failing, section.suspect};
  Paint(sections_[index], false);
}

void NetDiagramScene::Paint(const DrawnSection& section, bool highlighted) {
  const auto [item, failing, suspect] = section;
  const QColor colour = highlighted ? kHighlight : failing || suspect ? kDiagramFailing : kDiagramInk;
  QPen pen(colour, highlighted ? 3.5 : suspect ? 5.0 : failing ? 2.2 : 1.2);
  pen.setCosmetic(false);
  item->setPen(pen);
  for (QGraphicsItem* child : item->childItems())
    if (auto* arrow = qgraphicsitem_cast<QGraphicsPolygonItem*>(child)) arrow->setBrush(colour);
}

void NetDiagramScene::Highlight(const std::vector<int32_t>& sections) {
  std::vector<bool> on(sections_.size(), false);
  for (const int32_t s : sections)
    if (s >= 0 && static_cast<size_t>(s) < on.size()) on[static_cast<size_t>(s)] = true;
  for (size_t s = 0; s < sections_.size(); ++s)
    if (sections_[s].item) Paint(sections_[s], on[s]);
}

int32_t NetDiagramScene::SectionOf(const QGraphicsItem* item) {
  for (; item; item = item->parentItem())
    if (item->data(kSectionKey).isValid()) return item->data(kSectionKey).toInt();
  return -1;
}

QGraphicsPathItem* NetDiagramScene::SectionItem(int32_t section) const {
  return section >= 0 && static_cast<size_t>(section) < sections_.size() ? sections_[static_cast<size_t>(section)].item
                                                                         : nullptr;
}

}  // namespace korvado
