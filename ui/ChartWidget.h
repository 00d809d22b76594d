#pragma once
// A chart of the documents drawn in a window, as the page painter draws it on paper.

#include <QWidget>

#include "Chart.h"

namespace korvado {

class ChartWidget : public QWidget {
  Q_OBJECT
 public:
  explicit ChartWidget(QWidget* parent = nullptr);
  void SetChart(Chart chart);
  const Chart& Shown() const { return chart_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Chart chart_;
};

}  // namespace korvado
