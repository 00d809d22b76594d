#pragma once
// A chart painted with QPainter: the same laid-out drawing the web page
// traces, for the window's plots, the printer and the PDF.

#include <QPainter>
#include <QRectF>

#include "Chart.h"

namespace korvado {

// Lays the chart out for the rectangle's shape and paints it there; `units`
// is the size of one layout unit in the painter's coordinates (text and
// lines keep their size however large the rectangle).
void PaintChart(QPainter& painter, const Chart& chart, const QRectF& area, double units = 1.0);

}  // namespace korvado
