#include "NetFromJournalCommands.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

#include "DataFileLayout.h"
#include "FileBytes.h"
#include "KnownHeights.h"
#include "ModelErrors.h"
#include "ModelMessages.h"
#include "NumberText.h"
#include "RecordStep.h"
#include "Tolerance.h"
#include "Utf8Text.h"
#include "Windows1251.h"

namespace korvado {

namespace {

// The first fixed point of each name over every net of the file.
std::unordered_map<std::string, double> KnownBenchmarks(const TNetList& nets) {
  std::unordered_map<std::string, double> known;
  for (int32_t n = 0; n < nets.NetCount(); ++n) {
    const TKorNet& net = nets.NetAt(n);
    for (int32_t p = 0; p < net.PointCount(); ++p)
      if (net.PointTypes.GetItem(p) == kFixedPoint)
        known.try_emplace(net.PointNames[p], net.PointElevations.GetItem(p));
  }
  return known;
}

Outcome NameRefusal(const std::string& name) {
  if (Utf8CharCount(name) > kShortTextChars)
    return Outcome::Refusal("Название сети длиннее " + std::to_string(kShortTextChars) +
                            " символов; столько вмещает файл. Сократите название.");
  if (!CanEncodeWindows1251(name)) return Outcome::Refusal(NotInWindows1251Message(name));
  return {};
}

Result<std::vector<KnownHeight>> TickedBenchmarks(const std::vector<BenchmarkRow>& rows) {
  std::vector<KnownHeight> benchmarks;
  Outcome refusals;
  for (const BenchmarkRow& row : rows) {
    if (!row.ticked) continue;
    try {
      benchmarks.push_back({row.name, ParseDouble(row.elevation)});
    } catch (const ConversionError&) {
      refusals.Refuse("Отметка репера «" + row.name + "» «" + row.elevation + "» не является числом.");
    }
  }
  if (refusals.Refused()) return refusals;
  return benchmarks;
}

std::string Joined(const std::vector<std::string>& items, const char* separator) {
  std::string text;
  for (const std::string& item : items) text += (text.empty() ? "" : separator) + item;
  return text;
}

size_t RecordsLeftOut(const NetPlan& plan) {
  size_t count = 0;
  for (const LeftOutPart& part : plan.leftOut) count += part.records.size();
  return count;
}

std::string Summary(const NetPlan& plan) {
  const TKorNet& net = plan.net;
  int32_t benchmarks = 0;
  for (int32_t p = 0; p < net.PointCount(); ++p) benchmarks += net.PointTypes.GetItem(p) == kFixedPoint;
  return "Сеть «" + net.Name + "»: звеньев " + std::to_string(net.SectionCount()) + ", точек " +
         std::to_string(net.PointCount()) + ", реперов " + std::to_string(benchmarks) + ", висячих точек " +
         std::to_string(plan.pendent.size()) + "; не вошли записей журнала: " + std::to_string(RecordsLeftOut(plan)) +
         ".";
}

}  // namespace

std::vector<int32_t> AllRecords(const AppState& state) {
  std::vector<int32_t> records(static_cast<size_t>(state.Journal.RecordCount()));
  for (size_t r = 0; r < records.size(); ++r) records[r] = static_cast<int32_t>(r);
  return records;
}

Result<std::vector<int32_t>> RecordRange(const AppState& state, int32_t first, int32_t last) {
  const int32_t count = state.Journal.RecordCount();
  if (first < 1 || last > count || first > last)
    return Outcome::Refusal("Записи с " + std::to_string(first) + " по " + std::to_string(last) +
                            " не выбраны: в журнале записи с 1 по " + std::to_string(count) + ".");
  std::vector<int32_t> records;
  for (int32_t r = first - 1; r < last; ++r) records.push_back(r);
  return records;
}

std::vector<BenchmarkRow> BenchmarkRows(const AppState& state, const std::vector<int32_t>& records) {
  const std::unordered_map<std::string, double> known = KnownBenchmarks(state.Nets);
  std::vector<BenchmarkRow> rows;
  std::unordered_set<std::string> listed;
  const TKorData& journal = state.Journal;
  std::vector<int32_t> ordered = records;
  std::sort(ordered.begin(), ordered.end());
  for (int32_t r : ordered) {
    if (r < 0 || r >= journal.RecordCount()) continue;
    for (const std::string& name : {journal.BackPoints[r], journal.ForePoints[r]}) {
      if (!listed.insert(name).second) continue;
      const auto found = known.find(name);
      rows.push_back(found == known.end() ? BenchmarkRow{name, false, ""}
                                          : BenchmarkRow{name, true, FormatGeneral(found->second)});
    }
  }
  return rows;
}

Result<std::vector<std::string>> FillBenchmarks(std::vector<BenchmarkRow>& rows, const std::string& text) {
  const Result<std::vector<KnownHeight>> heights = ReadKnownHeights(text);
  if (!heights.HasValue()) return Outcome(heights);
  std::unordered_map<std::string, size_t> rowOf;
  for (size_t r = 0; r < rows.size(); ++r) rowOf.try_emplace(rows[r].name, r);
  std::vector<std::string> unknown;
  for (const KnownHeight& height : *heights) {
    const auto found = rowOf.find(height.name);
    if (found == rowOf.end()) {
      unknown.push_back(height.name);
      continue;
    }
    rows[found->second].ticked = true;
    rows[found->second].elevation = FormatGeneral(height.elevation);
  }
  return unknown;
}

Result<std::vector<std::string>> FillBenchmarksFromFile(std::vector<BenchmarkRow>& rows, const std::string& path) {
  return FillBenchmarks(rows, ReadWholeFile(path, "каталога отметок"));
}

std::string RepeatedRunsToleranceText(const AppState& state) {
  const Tolerance& tolerance = state.LoopTolerance;
  return "Допуск расхождения повторных ходов: " + ToleranceClassName(tolerance.levelClass) + ", " +
         ToleranceFormulaText(tolerance.Coefficient());
}

Result<NetPlan> PlanNet(const AppState& state, const NetFromJournalChoice& choice) {
  if (choice.records.empty())
    return Outcome::Refusal("Не выбрано ни одной записи журнала: сеть строится по записям журнала.");
  const Outcome name = NameRefusal(choice.name);
  if (name.Refused()) return name;
  const Result<std::vector<KnownHeight>> benchmarks = TickedBenchmarks(choice.benchmarks);
  if (!benchmarks.HasValue()) return Outcome(benchmarks);
  NetBuildRequest request;
  request.records = choice.records;
  request.benchmarks = *benchmarks;
  request.toleranceCoefficient = state.LoopTolerance.Coefficient();
  request.keptRepeats = choice.keptRepeats;
  request.name = choice.name;
  return PlanNetFromJournal(state.Journal, request);
}

std::vector<std::string> PlanSectionHeader() {
  return {"№", "Начало", "Конец", "Штативов сети", "Число штативов", "Превышение"};
}
std::vector<std::string> PlanRepeatedHeader() { return {"Начало", "Конец", "Записи", "Расхождение", "Допуск", "Итог"}; }
std::vector<std::string> PlanPendentHeader() { return {"Звено", "От точки", "Висячая точка", "Запись"}; }
std::vector<std::string> PlanLeftOutHeader() { return {"Записи", "Точки", "Причина"}; }

std::string RecordNumbersText(const std::vector<int32_t>& numbers) {
  std::string text;
  for (size_t k = 0; k < numbers.size();) {
    size_t last = k;
    while (last + 1 < numbers.size() && numbers[last + 1] == numbers[last] + 1) ++last;
    text += (text.empty() ? "" : ", ") + std::to_string(numbers[k]);
    if (last > k) text += (last == k + 1 ? ", " : "–") + std::to_string(numbers[last]);
    k = last + 1;
  }
  return text;
}

NetPlanView ViewOfPlan(const NetPlan& plan) {
  NetPlanView view;
  view.summary = Summary(plan);
  const TKorNet& net = plan.net;
  for (int32_t s = 0; s < net.SectionCount(); ++s)
    view.sections.push_back({std::to_string(s + 1), net.SectionStarts[s], net.SectionEnds[s],
                             std::to_string(net.SectionTables.TableAt(s).RunCount()),
                             FormatGeneral(net.SectionSetups.GetItem(s)),
                             FormatFixed(2, net.SectionHeights.GetItem(s))});
  for (const RepeatedRuns& runs : plan.repeated)
    view.repeated.push_back({runs.start, runs.end, RecordNumbersText(runs.records), FormatFixed(2, runs.discrepancy),
                             FormatFixed(2, runs.allowed),
                             runs.passed ? "в допуске"
                             : runs.used ? "превышает допуск, оставлено"
                                         : "превышает допуск"});
  for (const PendentPlacement& pendent : plan.pendent)
    view.pendent.push_back(
        {std::to_string(pendent.section + 1), pendent.from, pendent.point, std::to_string(pendent.record)});
  for (const LeftOutPart& part : plan.leftOut)
    view.leftOut.push_back({RecordNumbersText(part.records), Joined(part.points, ", "), part.reason});
  return view;
}

Outcome PlanRefusal(const NetPlan& plan) {
  if (plan.net.SectionCount() == 0)
    return Outcome::Refusal(
        "Сеть не построена: ни одна запись журнала не вошла в звено. Причины — в списке «Не вошли».");
  return plan.pointTable;
}

Result<int32_t> BuildPlannedNet(AppState& state, const NetPlan& plan, int32_t into) {
  if (const Outcome refusal = PlanRefusal(plan); refusal.Refused()) return refusal;
  if (into >= state.Nets.NetCount()) return Outcome::Refusal(kIndexOutOfRangeMessage);
  if (into < 0 && state.Nets.NetCount() >= kFormatCountLimit) return Outcome::Refusal(FormatLimitMessage("сетей"));
  return RecordStep(state, "построение сети по журналу", [&]() -> Result<int32_t> {
    int32_t index = into;
    if (index < 0) {
      const Result<int32_t> added = state.Nets.AddNet(plan.net.Name);
      if (!added.HasValue()) return Outcome(added);
      index = *added;
    }
    TKorNet& net = state.Nets.NetAt(index);
    const std::string name = net.Name;
    net = plan.net;
    net.Name = name;
    state.CurrentNetIndex = index;
    state.ActiveSectionIndex = 0;
    state.IterationCounter = 0;
    state.MarkChanged();
    return index;
  });
}

}  // namespace korvado
