#include "ChartPainter.h"

#include <QPainterPath>
#include <QPolygonF>

namespace korvado {

namespace {

QColor Colour(int index, int alpha = 255) {
  QColor colour(QString::fromLatin1(ChartColour(index)));
  colour.setAlpha(alpha);
  return colour;
}

QPolygonF Polygon(const ChartPolyline& line) {
  QPolygonF polygon;
  for (const auto& [x, y] : line) polygon << QPointF(x, y);
  return polygon;
}

void PaintText(QPainter& painter, const ChartText& text) {
  QFont font = painter.font();
  font.setPixelSize(std::max(1, static_cast<int>(text.size)));
  painter.setFont(font);
  const QString value = QString::fromStdString(text.text);
  const double width = painter.fontMetrics().horizontalAdvance(value);
  const double shift = text.anchor == ChartText::Anchor::kStart ? 0.0
                       : text.anchor == ChartText::Anchor::kMiddle ? width / 2
                                                                   : width;
  painter.save();
  painter.translate(text.x, text.y);
  if (text.vertical) painter.rotate(-90);
  painter.drawText(QPointF(-shift, 0), value);
  painter.restore();
}

}  // namespace

void PaintChart(QPainter& painter, const Chart& chart, const QRectF& area, double units) {
  const ChartDrawing d = LayOutChart(chart, area.width() / units, area.height() / units);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.translate(area.topLeft());
  painter.scale(units, units);
  painter.fillRect(QRectF(0, 0, d.width, d.height), Qt::white);
  painter.setPen(QPen(QColor(208, 208, 208), 0.8));
  for (const ChartPolyline& line : d.grid) painter.drawPolyline(Polygon(line));
  painter.setPen(Qt::NoPen);
  for (const auto& [band, colour] : d.bands) {
    painter.setBrush(Colour(colour, 46));
    painter.drawPolygon(Polygon(band));
  }
  for (const auto& [bar, colour] : d.bars) {
    painter.setBrush(Colour(colour));
    painter.drawRect(QRectF(bar.x, bar.y, bar.width, bar.height));
  }
  painter.setBrush(Qt::NoBrush);
  for (const auto& [line, colour] : d.lines) {
    painter.setPen(QPen(Colour(colour), 1.6));
    painter.drawPolyline(Polygon(line));
  }
  painter.setPen(Qt::NoPen);
  for (const auto& [centre, colour] : d.markers) {
    painter.setBrush(Colour(colour));
    painter.drawEllipse(QPointF(centre.first, centre.second), 2.5, 2.5);
  }
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(Qt::black, 0.8));
  painter.drawRect(QRectF(d.plot.x, d.plot.y, d.plot.width, d.plot.height));
  for (const auto& [text, colour] : d.legend) {
    painter.fillRect(QRectF(text.x - text.size * 1.2, text.y - text.size * 0.7, text.size * 0.9, text.size * 0.7),
                     Colour(colour));
    PaintText(painter, text);
  }
  for (const ChartText& text : d.texts) PaintText(painter, text);
  painter.restore();
}

}  // namespace korvado
