#include "SettlementCharts.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace korvado {

namespace {

constexpr double kGap = std::numeric_limits<double>::quiet_NaN();

// The last cycle that observed the mark, if any.
std::optional<size_t> LastObserved(const MarkSeries& mark) {
  for (size_t c = mark.totals.size(); c-- > 0;)
    if (mark.totals[c]) return c;
  return std::nullopt;
}

}  // namespace

Chart SettlementTimeChart(const MonitoringResult& result, const std::vector<size_t>& marks) {
  Chart chart;
  chart.title = "Осадки марок во времени (полоса ±2σ)";
  chart.xTitle = "Дата цикла";
  chart.yTitle = "Осадка от первого цикла, мм";
  chart.xDays = true;
  for (size_t m : marks) {
    if (m >= result.analysis.marks.size()) continue;
    const MarkSeries& mark = result.analysis.marks[m];
    ChartSeries series{mark.name, {}};
    for (size_t c = 0; c < result.cycles.size(); ++c) {
      const double day = result.cycles[c].day;
      if (mark.totals[c])
        series.points.push_back({day, *mark.totals[c], 2.0 * mark.totalSigmas[c].value_or(0.0)});
      else
        series.points.push_back({day, kGap, 0.0});
    }
    chart.series.push_back(std::move(series));
  }
  return chart;
}

Chart TotalSettlementChart(const MonitoringResult& result) {
  Chart chart;
  chart.kind = Chart::Kind::kBars;
  chart.title = "Общая осадка марок (последнее наблюдение, ±2σ)";
  chart.xTitle = "Марка";
  chart.yTitle = "Осадка, мм";
  ChartSeries series{"Осадка", {}};
  for (const MarkSeries& mark : result.analysis.marks) {
    chart.categories.push_back(mark.name);
    const std::optional<size_t> last = LastObserved(mark);
    const double x = static_cast<double>(chart.categories.size() - 1);
    if (last)
      series.points.push_back({x, *mark.totals[*last], 2.0 * mark.totalSigmas[*last].value_or(0.0)});
    else
      series.points.push_back({x, kGap, 0.0});
  }
  chart.series.push_back(std::move(series));
  return chart;
}

std::vector<size_t> LargestSettlements(const MonitoringResult& result, size_t count) {
  std::vector<std::pair<double, size_t>> sized;
  for (size_t m = 0; m < result.analysis.marks.size(); ++m) {
    const MarkSeries& mark = result.analysis.marks[m];
    if (const std::optional<size_t> last = LastObserved(mark)) sized.emplace_back(std::abs(*mark.totals[*last]), m);
  }
  std::stable_sort(sized.begin(), sized.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
  std::vector<size_t> marks;
  for (size_t k = 0; k < sized.size() && k < count; ++k) marks.push_back(sized[k].second);
  return marks;
}

}  // namespace korvado
