#include "DiagramPainter.h"

#include <cmath>

#include "PageFont.h"

namespace korvado {

namespace {

// As in the SVG file: room around the points for names and closing sections.
constexpr double kMargin = 40.0;

void PaintSection(QPainter& painter, const NetDiagram& diagram, const DiagramSection& section) {
  const SectionCurve curve = CurveOf(diagram, section);
  const QColor colour = section.failing || section.suspect ? kDiagramFailing : kDiagramInk;
  painter.setPen(QPen(colour, section.suspect ? 4.5 : section.failing ? 2.0 : 1.2));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(SectionPath(curve));
  painter.setPen(Qt::NoPen);
  painter.setBrush(colour);
  painter.drawPolygon(SectionArrow(curve));
}

void PaintMarker(QPainter& painter, const DiagramPoint& point) {
  const QPointF p = DiagramAt(point.at);
  switch (point.kind) {
    case DiagramPointKind::Benchmark:
      painter.setPen(Qt::NoPen);
      painter.setBrush(kDiagramBenchmark);
      painter.drawPolygon(QPolygonF({p + QPointF(0, -8), p + QPointF(-7, 5), p + QPointF(7, 5)}));
      return;
    case DiagramPointKind::Nodal:
      painter.setPen(QPen(kDiagramNodalRim, 1.5));
      painter.setBrush(Qt::white);
      painter.drawEllipse(p, 5.0, 5.0);
      return;
    case DiagramPointKind::Pendent:
      break;
  }
  painter.setPen(QPen(kDiagramPendentRim, 1.0));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(p, 3.0, 3.0);
}

}  // namespace

QPointF DiagramAt(LayoutPosition p) { return {p.x, p.y}; }

QPainterPath SectionPath(const SectionCurve& curve) {
  QPainterPath path(DiagramAt(curve.start));
  path.cubicTo(DiagramAt(curve.control1), DiagramAt(curve.control2), DiagramAt(curve.end));
  return path;
}

QPolygonF SectionArrow(const SectionCurve& curve) {
  const double c = std::cos(curve.angle), s = std::sin(curve.angle);
  auto corner = [&](double along, double across) {
    return DiagramAt(curve.middle) + QPointF(along * c - across * s, along * s + across * c);
  };
  return QPolygonF({corner(6, 0), corner(-5, 4), corner(-5, -4)});
}

QSizeF DiagramExtent(const NetDiagram& diagram) { return {diagram.width + 2 * kMargin, diagram.height + 2 * kMargin}; }

void PaintNetDiagram(QPainter& painter, const NetDiagram& diagram, QPointF origin, double scale) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.translate(origin);
  painter.scale(scale, scale);
  painter.translate(kMargin, kMargin);
  painter.setPen(QPen(kDiagramSpur, 0.6));
  for (const DiagramSpur& spur : diagram.spurs)
    painter.drawLine(DiagramAt(spur.from), DiagramAt(diagram.points[static_cast<size_t>(spur.pendent)].at));
  for (const DiagramSection& section : diagram.sections) PaintSection(painter, diagram, section);
  painter.setFont(PagePixelFont(8));
  painter.setPen(kDiagramLabel);
  for (const DiagramSection& section : diagram.sections) {
    const QPointF middle = DiagramAt(CurveOf(diagram, section).middle);
    painter.drawText(middle + QPointF(4, -4), QString::fromStdString(section.label));
  }
  for (const DiagramPoint& point : diagram.points) PaintMarker(painter, point);
  painter.setFont(PagePixelFont(11));
  painter.setPen(Qt::black);
  for (const DiagramPoint& point : diagram.points)
    painter.drawText(DiagramAt(point.at) + QPointF(8, -7), QString::fromStdString(point.name));
  painter.setFont(PagePixelFont(8));
  painter.setPen(kDiagramBenchmark);
  for (const DiagramPoint& point : diagram.points)
    if (!point.sigma.empty())
      painter.drawText(DiagramAt(point.at) + QPointF(8, 4), QString::fromStdString(point.sigma));
  painter.restore();
}

}  // namespace korvado
