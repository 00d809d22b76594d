#include "ChartWidget.h"

#include <QPainter>

#include "ChartPainter.h"

namespace korvado {

ChartWidget::ChartWidget(QWidget* parent) : QWidget(parent) { setMinimumSize(320, 220); }

void ChartWidget::SetChart(Chart chart) {
  chart_ = std::move(chart);
  update();
}

void ChartWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintChart(painter, chart_, QRectF(rect()));
}

}  // namespace korvado
