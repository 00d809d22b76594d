#pragma once
// A chart of a document or a view as plain data: lines over time (with a
// band around each line) or bars in category order, and its laid-out drawing
// in abstract units, which the SVG writer and the page painter only trace, so
// that the window, the PDF and the web page show the same picture.

#include <cstdint>
#include <string>
#include <vector>

namespace korvado {

struct ChartPoint {
  double x = 0.0;
  double y = 0.0;     // NaN leaves a gap in the line
  double band = 0.0;  // half-width of the band around the line at this point; 0 for none
};

struct ChartSeries {
  std::string name;
  std::vector<ChartPoint> points;
};

struct Chart {
  enum class Kind : int8_t { kLines, kBars };
  Kind kind = Kind::kLines;
  std::string title;
  std::string xTitle;
  std::string yTitle;
  bool xDays = false;  // x counts days since 1970-01-01; the axis shows dates
  // Bars: one per category, its height the y of the first series' point of the same index.
  std::vector<std::string> categories;
  std::vector<ChartSeries> series;
};

struct ChartText {
  double x = 0.0;
  double y = 0.0;  // baseline
  std::string text;
  enum class Anchor : int8_t { kStart, kMiddle, kEnd } anchor = Anchor::kStart;
  bool vertical = false;  // read bottom to top
  double size = 11.0;
};

struct ChartRect {
  double x = 0.0, y = 0.0, width = 0.0, height = 0.0;
};

using ChartPolyline = std::vector<std::pair<double, double>>;

struct ChartDrawing {
  double width = 0.0;
  double height = 0.0;
  ChartRect plot;
  std::vector<ChartPolyline> grid;             // thin grey lines, the zero line among them
  std::vector<std::pair<ChartPolyline, int>> bands;  // closed polygons, colour index
  std::vector<std::pair<ChartPolyline, int>> lines;  // colour index
  std::vector<std::pair<std::pair<double, double>, int>> markers;  // centre, colour index
  std::vector<std::pair<ChartRect, int>> bars;
  std::vector<std::pair<ChartText, int>> legend;  // with a swatch left of the text; colour index
  std::vector<ChartText> texts;                   // title, axis titles, tick labels
};

// The chart's colours by index, as "#rrggbb".
const char* ChartColour(int index);

ChartDrawing LayOutChart(const Chart& chart, double width, double height);

}  // namespace korvado
