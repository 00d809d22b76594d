#include "Chart.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "CycleDate.h"
#include "NumberText.h"

namespace korvado {

namespace {

constexpr const char* kColours[] = {"#1f77b4", "#d62728", "#2ca02c", "#ff7f0e", "#9467bd",
                                    "#8c564b", "#e377c2", "#17becf", "#7f7f7f", "#bcbd22"};
constexpr double kFont = 11.0;
constexpr double kCharWidth = 0.58;  // of the font size, for the labels' room
constexpr int kLegendRows = 4;

double TextWidth(const std::string& text, double size) {
  size_t characters = 0;
  for (unsigned char c : text) characters += (c & 0xC0) != 0x80;
  return static_cast<double>(characters) * size * kCharWidth;
}

// Ticks at 1, 2 or 5 times a power of ten, about `count` of them over [low, high].
std::vector<double> NiceTicks(double low, double high, int count) {
  const double raw = (high - low) / std::max(count, 1);
  const double power = std::pow(10.0, std::floor(std::log10(raw)));
  double step = power;
  for (double factor : {1.0, 2.0, 5.0, 10.0})
    if (factor * power >= raw) {
      step = factor * power;
      break;
    }
  std::vector<double> ticks;
  for (double t = std::ceil(low / step - 1e-9) * step; t <= high + step * 1e-9; t += step)
    ticks.push_back(std::abs(t) < step * 1e-9 ? 0.0 : t);
  return ticks;
}

int8_t TickDecimals(const std::vector<double>& ticks) {
  if (ticks.size() < 2) return 2;
  const double step = ticks[1] - ticks[0];
  return static_cast<int8_t>(std::clamp(static_cast<int>(-std::floor(std::log10(step) + 1e-9)), 0, 4));
}

struct Range {
  double low = std::numeric_limits<double>::infinity();
  double high = -std::numeric_limits<double>::infinity();
  void Add(double value) {
    if (!std::isfinite(value)) return;
    low = std::min(low, value);
    high = std::max(high, value);
  }
  // A range that is empty or a single value widens so that it can be drawn.
  void Settle(double pad) {
    if (!(low <= high)) low = high = 0.0;
    if (high - low < 1e-9) {
      low -= pad;
      high += pad;
    }
  }
};

struct Frame {
  ChartRect plot;
  Range x, y;
  double X(double value) const { return plot.x + (value - x.low) / (x.high - x.low) * plot.width; }
  double Y(double value) const { return plot.y + plot.height - (value - y.low) / (y.high - y.low) * plot.height; }
};

void AddYAxis(const Frame& frame, ChartDrawing& drawing) {
  const std::vector<double> ticks = NiceTicks(frame.y.low, frame.y.high, 6);
  const int8_t decimals = TickDecimals(ticks);
  for (double t : ticks) {
    drawing.grid.push_back({{frame.plot.x, frame.Y(t)}, {frame.plot.x + frame.plot.width, frame.Y(t)}});
    drawing.texts.push_back({frame.plot.x - 4, frame.Y(t) + kFont * 0.35, FormatFixed(decimals, t),
                             ChartText::Anchor::kEnd, false, kFont});
  }
}

void AddDateAxis(const Frame& frame, ChartDrawing& drawing) {
  const double room = TextWidth("00.00.0000", kFont) * 1.4;
  const int count = std::max(1, static_cast<int>(frame.plot.width / room));
  for (double t : NiceTicks(frame.x.low, frame.x.high, count)) {
    const double x = frame.X(t);
    drawing.grid.push_back({{x, frame.plot.y}, {x, frame.plot.y + frame.plot.height}});
    drawing.texts.push_back({x, frame.plot.y + frame.plot.height + kFont * 1.3,
                             CycleDateRussian(static_cast<int32_t>(std::lround(t))), ChartText::Anchor::kMiddle, false,
                             kFont});
  }
}

// The x title sits below the tick labels: `below` is the room they take under the plot.
void AddFrameTexts(const Chart& chart, const ChartRect& plot, double width, double below, ChartDrawing& drawing) {
  drawing.texts.push_back({width / 2, kFont * 1.5, chart.title, ChartText::Anchor::kMiddle, false, kFont * 1.2});
  drawing.texts.push_back({kFont * 1.2, plot.y + plot.height / 2, chart.yTitle, ChartText::Anchor::kMiddle, true, kFont});
  drawing.texts.push_back({plot.x + plot.width / 2, plot.y + plot.height + below - kFont * 0.6, chart.xTitle,
                           ChartText::Anchor::kMiddle, false, kFont});
}

void LayOutLines(const Chart& chart, const Frame& frame, ChartDrawing& drawing) {
  for (size_t s = 0; s < chart.series.size(); ++s) {
    const int colour = static_cast<int>(s);
    ChartPolyline line, upper, lower;
    bool banded = false;
    auto flush = [&] {
      if (upper.size() > 1 && banded) {
        ChartPolyline band = upper;
        band.insert(band.end(), lower.rbegin(), lower.rend());
        drawing.bands.push_back({band, colour});
      }
      if (line.size() > 1) drawing.lines.push_back({line, colour});
      line.clear();
      upper.clear();
      lower.clear();
      banded = false;
    };
    for (const ChartPoint& p : chart.series[s].points) {
      if (!std::isfinite(p.y)) {
        flush();
        continue;
      }
      banded = banded || p.band > 0.0;
      line.emplace_back(frame.X(p.x), frame.Y(p.y));
      upper.emplace_back(frame.X(p.x), frame.Y(p.y + p.band));
      lower.emplace_back(frame.X(p.x), frame.Y(p.y - p.band));
      drawing.markers.push_back({{frame.X(p.x), frame.Y(p.y)}, colour});
    }
    flush();
  }
}

void LayOutBars(const Chart& chart, const Frame& frame, ChartDrawing& drawing) {
  const size_t count = chart.categories.size();
  const double slot = frame.plot.width / static_cast<double>(std::max<size_t>(count, 1));
  const double zero = frame.Y(0.0);
  // Every k-th name, so that the names stand apart.
  const double widest = kFont * 1.1;
  const size_t every = std::max<size_t>(1, static_cast<size_t>(std::ceil(widest / slot)));
  const std::vector<ChartPoint>& values = chart.series.empty() ? std::vector<ChartPoint>() : chart.series[0].points;
  for (size_t k = 0; k < count; ++k) {
    const double left = frame.plot.x + slot * static_cast<double>(k);
    if (k < values.size() && std::isfinite(values[k].y)) {
      const double top = frame.Y(values[k].y);
      drawing.bars.push_back({{left + slot * 0.15, std::min(top, zero), slot * 0.7, std::abs(top - zero)}, 0});
      if (values[k].band > 0)
        drawing.lines.push_back({{{left + slot / 2, frame.Y(values[k].y - values[k].band)},
                                  {left + slot / 2, frame.Y(values[k].y + values[k].band)}},
                                 1});
    }
    if (k % every == 0)
      drawing.texts.push_back({left + slot / 2 + kFont * 0.35, frame.plot.y + frame.plot.height + 4,
                               chart.categories[k], ChartText::Anchor::kEnd, true, kFont * 0.9});
  }
}

}  // namespace

const char* ChartColour(int index) { return kColours[static_cast<size_t>(index) % std::size(kColours)]; }

ChartDrawing LayOutChart(const Chart& chart, double width, double height) {
  ChartDrawing drawing;
  drawing.width = width;
  drawing.height = height;
  const bool bars = chart.kind == Chart::Kind::kBars;
  double longestCategory = 0.0;
  for (const std::string& name : chart.categories) longestCategory = std::max(longestCategory, TextWidth(name, kFont * 0.9));
  const size_t legendItems = bars ? 0 : chart.series.size();
  const double legendHeight = legendItems ? kFont * 1.5 * std::min<double>(kLegendRows, std::ceil(legendItems / 4.0)) : 0;
  const double bottom = bars ? std::min(longestCategory + kFont * 2.5, height * 0.35) : kFont * 4.0;
  Frame frame;
  frame.plot = {kFont * 6.5, kFont * 3.0, width - kFont * 8.0, height - kFont * 3.0 - bottom - legendHeight};
  for (const ChartSeries& series : chart.series)
    for (const ChartPoint& p : series.points) {
      frame.x.Add(p.x);
      if (!std::isfinite(p.y)) continue;
      frame.y.Add(p.y + p.band);
      frame.y.Add(p.y - p.band);
    }
  frame.y.Add(0.0);
  frame.x.Settle(bars ? 0.5 : 1.0);
  frame.y.Settle(1.0);
  const double pad = (frame.y.high - frame.y.low) * 0.05;
  frame.y.low -= pad;
  frame.y.high += pad;
  drawing.plot = frame.plot;
  AddYAxis(frame, drawing);
  if (bars) {
    LayOutBars(chart, frame, drawing);
  } else {
    if (chart.xDays) AddDateAxis(frame, drawing);
    LayOutLines(chart, frame, drawing);
    const double column = frame.plot.width / 4.0;
    for (size_t s = 0; s < legendItems && s < 4 * kLegendRows; ++s)
      drawing.legend.push_back({{frame.plot.x + column * static_cast<double>(s % 4) + kFont * 1.5,
                                 height - legendHeight + kFont * 1.5 * static_cast<double>(s / 4) + kFont,
                                 chart.series[s].name, ChartText::Anchor::kStart, false, kFont},
                                static_cast<int>(s)});
  }
  drawing.grid.push_back({{frame.plot.x, frame.Y(0.0)}, {frame.plot.x + frame.plot.width, frame.Y(0.0)}});
  AddFrameTexts(chart, frame.plot, width, bottom, drawing);
  return drawing;
}

}  // namespace korvado
