#include "KorIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>
#include <array>

namespace korvado {

namespace {

void DrawPoint(QPainter& p, int type) {
  p.setPen(QPen(Qt::black, 1));
  if (type == kFixedPoint) {
    p.setBrush(QColor(200, 30, 30));
    p.drawPolygon(QPolygonF({QPointF(8, 1.5), QPointF(14.5, 14), QPointF(1.5, 14)}));
  } else if (type == kNodalPoint) {
    p.setBrush(QColor(30, 90, 200));
    p.drawEllipse(QRectF(2, 2, 12, 12));
  } else {
    p.setBrush(QColor(40, 160, 60));
    p.drawEllipse(QRectF(5, 5, 6, 6));
  }
}

void DrawNet(QPainter& p) {
  p.setPen(QPen(QColor(60, 60, 60), 1.4));
  const QPointF a(3, 12), b(8, 3), c(13, 12);
  p.drawPolyline(QPolygonF({a, b, c, a}));
  p.setBrush(QColor(200, 30, 30));
  for (const QPointF& pt : {a, b, c}) p.drawEllipse(pt, 2, 2);
}

void DrawLine(QPainter& p, const QColor& color, bool dashed) {
  QPen pen(color, 2);
  if (dashed) pen.setStyle(Qt::DashLine);
  p.setPen(pen);
  p.drawLine(QPointF(2, 13), QPointF(14, 3));
  p.setBrush(color);
  p.setPen(Qt::NoPen);
  p.drawEllipse(QPointF(2.5, 12.5), 2, 2);
  p.drawEllipse(QPointF(13.5, 3.5), 2, 2);
}

QIcon DrawIcon(int index) {
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  if (index <= kIntermediatePoint) DrawPoint(p, index);
  if (index == kNetIcon) DrawNet(p);
  if (index == kSectionIcon) DrawLine(p, QColor(30, 90, 200), false);
  if (index == kRunIcon) DrawLine(p, QColor(40, 140, 60), false);
  if (index == kPendentIcon) DrawLine(p, QColor(200, 120, 20), true);
  return QIcon(pixmap);
}

}  // namespace

QIcon KorIcon(int index) {
  if (index < kFixedPoint || index > kPendentIcon) return {};
  // Drawn once: a list of 65 535 rows asks for the same seven icons. Never
  // freed, so that no pixmap outlives the application at exit.
  static const auto* const icons = [] {
    auto* drawn = new std::array<QIcon, kPendentIcon + 1>;
    for (int k = kFixedPoint; k <= kPendentIcon; ++k) (*drawn)[static_cast<size_t>(k)] = DrawIcon(k);
    return drawn;
  }();
  return (*icons)[static_cast<size_t>(index)];
}

QIcon SelectAllIcon() {
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.fillRect(QRect(2, 2, 12, 12), QColor(120, 160, 220));
  p.setPen(QPen(QColor(30, 60, 120), 1));
  p.drawRect(QRect(2, 2, 11, 11));
  p.drawLine(2, 6, 13, 6);
  p.drawLine(2, 10, 13, 10);
  p.drawLine(8, 2, 8, 13);
  return QIcon(pixmap);
}

QIcon CopyIcon() {
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setPen(QPen(QColor(60, 60, 60), 1));
  for (const QRect& sheet : {QRect(1, 1, 9, 11), QRect(6, 4, 9, 11)}) {
    p.fillRect(sheet, Qt::white);
    p.drawRect(sheet);
  }
  for (int y = 7; y <= 12; y += 2) p.drawLine(8, y, 13, y);
  return QIcon(pixmap);
}

QIcon ProgramIcon() {
  QPixmap pixmap(64, 64);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  // The staff: alternate red and white blocks.
  for (int i = 0; i < 6; ++i) p.fillRect(QRect(44, 4 + i * 9, 10, 9), i % 2 ? Qt::white : QColor(200, 30, 30));
  p.setPen(QPen(Qt::black, 1));
  p.drawRect(QRect(44, 4, 10, 54));
  // The level on its tripod, sighting the staff.
  p.setBrush(QColor(40, 80, 160));
  p.drawRoundedRect(QRectF(6, 20, 26, 9), 3, 3);
  p.setPen(QPen(QColor(200, 30, 30), 1, Qt::DashLine));
  p.drawLine(QPointF(32, 24.5), QPointF(44, 24.5));
  p.setPen(QPen(QColor(90, 60, 30), 2.5));
  p.drawLine(QPointF(19, 29), QPointF(8, 60));
  p.drawLine(QPointF(19, 29), QPointF(19, 60));
  p.drawLine(QPointF(19, 29), QPointF(30, 60));
  return QIcon(pixmap);
}

}  // namespace korvado
