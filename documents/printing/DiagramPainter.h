#pragma once
// The net diagram painted on a page of the report, the same picture as the
// SVG file: laid-out points with names, sections as curves with an arrow
// and (n, h), spurs to pendent points, the sections over tolerance in red,
// after least squares the suspect section thick red and the points' σ.

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QSizeF>

#include "NetDiagram.h"

namespace korvado {

// The diagram's colours in the window and on the page, as in the SVG file.
inline const QColor kDiagramInk(0x30, 0x30, 0x30);
inline const QColor kDiagramFailing(0xd0, 0x00, 0x00);    // over tolerance, suspect
inline const QColor kDiagramBenchmark(0x1f, 0x4f, 0xa0);  // benchmarks and σ labels
inline const QColor kDiagramSpur(0x60, 0x60, 0x60);       // lines to pendent points
inline const QColor kDiagramLabel(0x50, 0x50, 0x50);      // the (n, h) of sections
inline const QColor kDiagramNodalRim(0x20, 0x20, 0x20);
inline const QColor kDiagramPendentRim(0x40, 0x40, 0x40);

// The shapes the page and the window's scene both draw, in drawing units.
QPointF DiagramAt(LayoutPosition p);
QPainterPath SectionPath(const SectionCurve& curve);
// The small arrow at the middle of a section, pointing along it.
QPolygonF SectionArrow(const SectionCurve& curve);

// The drawing's extent in its own units, margins for names and loops included.
QSizeF DiagramExtent(const NetDiagram& diagram);

// Paints the diagram with its top left corner at `origin`, `scale` device
// units per drawing unit.
void PaintNetDiagram(QPainter& painter, const NetDiagram& diagram, QPointF origin, double scale);

}  // namespace korvado
