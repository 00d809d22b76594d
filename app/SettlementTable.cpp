#include "SettlementTable.h"

#include "CycleDate.h"
#include "NumberText.h"
#include "SelectionText.h"

namespace korvado {

namespace {

std::string Fixed(int8_t digits, const std::optional<double>& value) {
  return value ? FormatFixed(digits, *value) : std::string();
}

}  // namespace

size_t SettlementColumnCount(const MonitoringResult& result, SettlementMode mode) {
  return 1 + result.cycles.size() + (mode == SettlementMode::kRate ? 1 : 0);
}

std::vector<std::string> SettlementHeader(const MonitoringResult& result, SettlementMode mode) {
  std::vector<std::string> header{"Марка"};
  for (const CycleSummary& cycle : result.cycles) header.push_back(CycleDateRussian(cycle.day));
  if (mode == SettlementMode::kRate) header.push_back("мм/год");
  return header;
}

SettlementCell SettlementCellAt(const MonitoringResult& result, SettlementMode mode, size_t mark, size_t column) {
  const MarkSeries& series = result.analysis.marks[mark];
  if (column == 0) return {series.name, false};
  const size_t c = column - 1;
  if (c >= result.cycles.size()) return {Fixed(2, series.ratePerYear), false};
  switch (mode) {
    case SettlementMode::kHeights: return {Fixed(2, series.heights[c]), false};
    case SettlementMode::kSincePrevious:
      return {Fixed(2, series.settlements[c]), series.settlementSignificant[c].value_or(false)};
    case SettlementMode::kSinceFirst: return {Fixed(2, series.totals[c]), series.totalSignificant[c].value_or(false)};
    case SettlementMode::kRate:
      return {Fixed(3, series.ratesPerDay[c]), series.settlementSignificant[c].value_or(false)};
  }
  return {};
}

std::string SettlementCopyText(const MonitoringResult& result, SettlementMode mode) {
  std::vector<std::vector<std::string>> rows{SettlementHeader(result, mode)};
  const size_t columns = SettlementColumnCount(result, mode);
  for (size_t m = 0; m < result.analysis.marks.size(); ++m) {
    std::vector<std::string> row;
    for (size_t c = 0; c < columns; ++c) row.push_back(SettlementCellAt(result, mode, m, c).text);
    rows.push_back(std::move(row));
  }
  return SelectedCellsText(rows);
}

std::vector<std::string> StabilityLines(const MonitoringResult& result) {
  std::vector<std::string> lines;
  for (size_t c = 0; c < result.cycles.size(); ++c) {
    const CycleSummary& cycle = result.cycles[c];
    lines.push_back("Цикл " + std::to_string(c + 1) + ", " + CycleDateRussian(cycle.day) + ": σ₀ = " +
                    FormatFixed(2, cycle.sigma0) + " мм" + (cycle.aposteriori ? "" : " (априори)") + ", r = " +
                    std::to_string(cycle.dof) + "; " + StabilityVerdict(result, c));
  }
  return lines;
}

}  // namespace korvado
