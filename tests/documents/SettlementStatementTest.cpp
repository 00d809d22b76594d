#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "Chart.h"
#include "MonitoringNets.h"
#include "ReportHtml.h"
#include "SettlementStatement.h"

namespace korvado {
namespace {

using monitoringnets::CycleNet;

// Three cycles, M6 not levelled in the second, Rp3 lifted in the third.
MonitoringResult ThreeCycles() {
  TKorNet second = CycleNet(62, 0, 0.5);
  second.DeleteSection(8);
  second.DeleteSection(7);
  EXPECT_TRUE(second.AddSection("Rp3", "Rp4", kNodalPoint, kNodalPoint, 1250.0, 5, 0));
  EXPECT_TRUE(RebuildPoints(second));
  MonitoringResult result;
  result.object = "Дом <на> Садовой";
  result.reference = monitoringnets::kReference;
  std::vector<MonitoringCycle> cycles;
  int32_t day = 20500;
  for (const TKorNet& net : {CycleNet(61, 0, 0), second, CycleNet(63, 3.0, 1.0)}) {
    Result<CycleAdjustment> adjusted = AdjustCycle(net, result.reference, 0.05);
    EXPECT_TRUE(adjusted.HasValue()) << adjusted.RefusalText();
    result.cycles.push_back({"c.kor", net.Name, day, adjusted->sigma0, true, adjusted->dof, ""});
    cycles.push_back({*adjusted, day});
    day += 45;
  }
  result.analysis = AnalyseSettlements(cycles);
  return result;
}

TEST(SettlementStatement, TellsCyclesStabilityMarksAndPlotsInEveryOutput) {
  const MonitoringResult result = ThreeCycles();
  const ReportDocument statement = SettlementStatement(result, {"дом.kmon", "01.08.2026 10:00"});
  EXPECT_EQ(statement.title, "Ведомость осадок");
  for (const char* heading : {kTitlePart, kCyclesPart, kStabilityPart, kReferenceShiftsPart, kMarksPart,
                              kMarkCyclesPart, kSettlementPlotPart, kTotalPlotPart})
    ASSERT_NE(statement.Part(heading), nullptr) << heading;

  const ReportTable& stability = *statement.Part(kStabilityPart)->table;
  ASSERT_EQ(stability.rows.size(), 2u);
  EXPECT_NE(stability.rows[1][4].find("сместились: Rp3"), std::string::npos) << stability.rows[1][4];
  const ReportTable& shifts = *statement.Part(kReferenceShiftsPart)->table;
  ASSERT_EQ(shifts.rows.size(), 8u);
  EXPECT_EQ(shifts.rows[6][1], "Rp3");
  EXPECT_EQ(shifts.rows[6][4], "сместился");

  // M6 has two observations; its missing cycle is left out of the per-cycle table.
  const ReportTable& marks = *statement.Part(kMarksPart)->table;
  ASSERT_EQ(marks.rows.size(), 6u);
  EXPECT_EQ(marks.rows[5][1], "M6");
  EXPECT_EQ(marks.rows[5][2], "2");
  EXPECT_EQ(marks.rows[5][5], "да");
  EXPECT_EQ(statement.Part(kMarkCyclesPart)->table->rows.size(), 17u);

  ASSERT_TRUE(statement.Part(kSettlementPlotPart)->chart);
  EXPECT_EQ(statement.Part(kSettlementPlotPart)->chart->series.size(), 6u);
  const std::string html = ReportHtml(statement);
  EXPECT_NE(html.find("Дом &lt;на&gt; Садовой"), std::string::npos);
  size_t svgs = 0;
  for (size_t at = html.find("<svg"); at != std::string::npos; at = html.find("<svg", at + 1)) ++svgs;
  EXPECT_EQ(svgs, 2u);
}

TEST(Chart, AGapSplitsLineAndBandAndTheAxesHoldEveryValue) {
  const double gap = std::numeric_limits<double>::quiet_NaN();
  Chart chart;
  chart.xDays = true;
  chart.series.push_back({"M1", {{20000, 0, 0.1}, {20030, -1.2, 0.2}, {20060, gap, 0}, {20090, -2.5, 0.3}, {20120, -3.1, 0.3}}});
  chart.series.push_back({"M2", {{20000, 0, 0}, {20120, 0.4, 0}}});
  const ChartDrawing drawing = LayOutChart(chart, 700, 400);
  ASSERT_EQ(drawing.lines.size(), 3u);
  EXPECT_EQ(drawing.lines[0].first.size(), 2u);
  EXPECT_EQ(drawing.lines[1].first.size(), 2u);
  EXPECT_EQ(drawing.lines[1].second, 0);
  EXPECT_EQ(drawing.lines[2].second, 1);
  EXPECT_EQ(drawing.bands.size(), 2u);  // M2 has no σ: no band
  EXPECT_EQ(drawing.markers.size(), 6u);
  // Every point, band edges included, lies inside the plot.
  for (const auto& [band, colour] : drawing.bands)
    for (const auto& [x, y] : band) {
      EXPECT_GE(y, drawing.plot.y - 1e-9);
      EXPECT_LE(y, drawing.plot.y + drawing.plot.height + 1e-9);
      EXPECT_GE(x, drawing.plot.x - 1e-9);
      EXPECT_LE(x, drawing.plot.x + drawing.plot.width + 1e-9);
    }
  // The date axis is labelled with dates.
  bool dateLabel = false;
  for (const ChartText& text : drawing.texts) dateLabel = dateLabel || text.text.find(".2024") != std::string::npos;
  EXPECT_TRUE(dateLabel);
}

}  // namespace
}  // namespace korvado
