#include "SettlementStatement.h"

#include <ctime>

#include "CycleDate.h"
#include "NumberText.h"
#include "ProgramVersion.h"
#include "SettlementCharts.h"

namespace korvado {

namespace {

std::string Fixed(int8_t digits, const std::optional<double>& value) {
  return value ? FormatFixed(digits, *value) : std::string();
}

std::string YesNo(const std::optional<bool>& value) {
  if (!value) return {};
  return *value ? "да" : "нет";
}

ReportPart NewPart(const char* heading) {
  ReportPart part;
  part.heading = heading;
  return part;
}

ReportPart TitlePart(const MonitoringResult& result, const ReportStamp& stamp) {
  ReportPart part = NewPart(kTitlePart);
  std::string reference;
  for (const std::string& name : result.reference) reference += (reference.empty() ? "" : ", ") + name;
  part.facts = {{"Объект", result.object},
                {"Файл проекта", stamp.fileName.empty() ? "(не сохранен)" : stamp.fileName},
                {"Исходные реперы", reference},
                {"Циклов", std::to_string(result.cycles.size())},
                {"Марок", std::to_string(result.analysis.marks.size())},
                {"Дата и время", stamp.createdAt},
                {"Программа", kProgramTitle}};
  return part;
}

ReportPart CyclesPart(const MonitoringResult& result) {
  ReportTable table{{{"№", true}, {"Дата", false}, {"Файл", false, true}, {"Сеть", false}, {"σ₀, мм", true}, {"r", true}},
                    {}, {}};
  for (size_t c = 0; c < result.cycles.size(); ++c) {
    const CycleSummary& cycle = result.cycles[c];
    table.rows.push_back({std::to_string(c + 1), CycleDateRussian(cycle.day), cycle.file, cycle.net,
                          FormatFixed(2, cycle.sigma0) + (cycle.aposteriori ? "" : "*"), std::to_string(cycle.dof)});
  }
  ReportPart part = NewPart(kCyclesPart);
  part.table = std::move(table);
  part.notes.push_back("σ₀ — СКО единицы веса (превышение на один штатив) по уравниванию цикла как свободной сети; "
                       "* — избыточных измерений нет, принята априорная.");
  return part;
}

ReportPart StabilityPart(const MonitoringResult& result) {
  ReportTable table{{{"Цикл", true}, {"Дата", false}, {"T", true}, {"F₀.₉₅", true}, {"Вывод", false, true}}, {}, {}};
  for (size_t c = 1; c < result.cycles.size(); ++c) {
    const std::optional<CongruenceResult>& test = result.analysis.stability[c];
    table.rows.push_back({std::to_string(c + 1), CycleDateRussian(result.cycles[c].day),
                          test && test->tested ? FormatFixed(2, test->statistic) : "",
                          test && test->tested ? FormatFixed(2, test->critical) : "", StabilityVerdict(result, c)});
  }
  ReportPart part = NewPart(kStabilityPart);
  part.table = std::move(table);
  part.notes.push_back("Каждый цикл сравнивается с первым: T = dᵀQd⁺d / (h·s²), h — число реперов минус один; "
                       "при T > F₀.₉₅ репер, без которого T меньше всего, признаётся сместившимся, и проверка "
                       "повторяется на остальных.");
  return part;
}

ReportPart ReferenceShiftsPart(const MonitoringResult& result) {
  ReportTable table{{{"Цикл", true}, {"Репер", false}, {"Отметка, мм", true}, {"d, мм", true}, {"Состояние", false}}, {}, {}};
  for (size_t c = 1; c < result.cycles.size(); ++c) {
    const std::optional<CongruenceResult>& test = result.analysis.stability[c];
    if (!test) continue;
    for (size_t r = 0; r < result.reference.size(); ++r) {
      bool moved = false;
      for (int32_t m : test->moved) moved = moved || static_cast<size_t>(m) == r;
      table.rows.push_back({std::to_string(c + 1), result.reference[r],
                            FormatFixed(2, result.analysis.referenceHeights[c][r]),
                            FormatFixed(2, test->differences[r]), moved ? "сместился" : "устойчив"});
    }
  }
  ReportPart part = NewPart(kReferenceShiftsPart);
  part.table = std::move(table);
  part.notes.push_back("d — разность отметок репера в цикле и в первом цикле при опоре на устойчивые реперы.");
  return part;
}

ReportPart MarksPart(const MonitoringResult& result) {
  ReportTable table{{{"№", true},
                     {"Марка", false},
                     {"Наблюдений", true},
                     {"Осадка общая, мм", true},
                     {"σ, мм", true},
                     {"Значима", false},
                     {"Скорость, мм/год", true}},
                    {}, {}};
  for (size_t m = 0; m < result.analysis.marks.size(); ++m) {
    const MarkSeries& mark = result.analysis.marks[m];
    size_t observed = 0;
    std::optional<size_t> last;
    for (size_t c = 0; c < mark.heights.size(); ++c)
      if (mark.heights[c]) ++observed, last = c;
    table.rows.push_back({std::to_string(m + 1), mark.name, std::to_string(observed),
                          last ? Fixed(2, mark.totals[*last]) : "", last ? Fixed(2, mark.totalSigmas[*last]) : "",
                          last ? YesNo(mark.totalSignificant[*last]) : "", Fixed(2, mark.ratePerYear)});
  }
  ReportPart part = NewPart(kMarksPart);
  part.table = std::move(table);
  part.notes.push_back("Осадка общая — от первого до последнего наблюдения марки; значима, если больше 2σ. "
                       "Отрицательная осадка — опускание марки.");
  return part;
}

ReportPart MarkCyclesPart(const MonitoringResult& result) {
  ReportTable table{{{"Марка", false},
                     {"Цикл", true},
                     {"Дата", false},
                     {"Отметка, мм", true},
                     {"σ, мм", true},
                     {"Осадка от пред., мм", true},
                     {"Общая, мм", true},
                     {"σ общей, мм", true},
                     {"Значима", false},
                     {"мм/сут", true}},
                    {}, {}};
  for (const MarkSeries& mark : result.analysis.marks)
    for (size_t c = 0; c < result.cycles.size(); ++c) {
      if (!mark.heights[c]) continue;
      table.rows.push_back({mark.name, std::to_string(c + 1), CycleDateRussian(result.cycles[c].day),
                            Fixed(2, mark.heights[c]), Fixed(2, mark.sigmas[c]), Fixed(2, mark.settlements[c]),
                            Fixed(2, mark.totals[c]), Fixed(2, mark.totalSigmas[c]), YesNo(mark.totalSignificant[c]),
                            Fixed(3, mark.ratesPerDay[c])});
    }
  ReportPart part = NewPart(kMarkCyclesPart);
  part.table = std::move(table);
  part.notes.push_back("Цикл, в котором марка не наблюдалась, пропущен.");
  return part;
}

ReportPart ChartPart(const char* heading, Chart chart) {
  ReportPart part = NewPart(heading);
  part.chart = std::make_shared<const Chart>(std::move(chart));
  return part;
}

}  // namespace

ReportDocument SettlementStatement(const MonitoringResult& result, const ReportStamp& stamp) {
  ReportDocument document;
  document.title = kSettlementTitle;
  document.parts.push_back(TitlePart(result, stamp));
  document.parts.push_back(CyclesPart(result));
  if (result.cycles.size() > 1) {
    document.parts.push_back(StabilityPart(result));
    document.parts.push_back(ReferenceShiftsPart(result));
  }
  document.parts.push_back(MarksPart(result));
  document.parts.push_back(MarkCyclesPart(result));
  const std::vector<size_t> largest = LargestSettlements(result, kStatementPlotMarks);
  ReportPart timePart = ChartPart(kSettlementPlotPart, SettlementTimeChart(result, largest));
  if (result.analysis.marks.size() > largest.size())
    timePart.notes.push_back("Показаны " + std::to_string(largest.size()) + " марок с наибольшей осадкой.");
  document.parts.push_back(std::move(timePart));
  document.parts.push_back(ChartPart(kTotalPlotPart, TotalSettlementChart(result)));
  return document;
}

}  // namespace korvado
