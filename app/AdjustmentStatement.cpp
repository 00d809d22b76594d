#include "AdjustmentStatement.h"

#include <algorithm>
#include <ctime>

#include "AdjustmentCommands.h"
#include "AdjustmentSweep.h"
#include "HeightCatalogue.h"
#include "MessageService.h"
#include "NaturalOrder.h"
#include "NumberText.h"
#include "SectionCaption.h"
#include "SectionElevationTable.h"

namespace korvado {

namespace {

constexpr const char* kProgram = "Korvado 1.02";

int32_t CountPoints(const TKorNet& net, int32_t type) {
  int32_t count = 0;
  for (int32_t p = 0; p < net.PointCount(); ++p)
    if (net.PointTypes.GetItem(p) == type) ++count;
  return count;
}

ReportPart TitlePart(const TKorNet& net, const ReportStamp& stamp) {
  return {kTitlePart,
          {{"Файл", stamp.fileName.empty() ? "(не сохранен)" : stamp.fileName},
           {"Сеть", net.Name},
           {"Дата и время", stamp.createdAt},
           {"Программа", kProgram}},
          std::nullopt,
          {}};
}

ReportPart SummaryPart(const TKorNet& net, uint64_t sweeps) {
  int32_t runs = 0;
  double setups = 0.0;
  for (int32_t s = 0; s < net.SectionCount(); ++s) {
    runs += net.SectionTables.TableAt(s).RunCount();
    setups += net.SectionSetups.GetItem(s);
  }
  ReportPart part{kSummaryPart, {}, std::nullopt, {}};
  part.facts = {{"Реперов", std::to_string(CountPoints(net, kFixedPoint))},
                {"Узловых точек", std::to_string(CountPoints(net, kNodalPoint))},
                {"Звеньев", std::to_string(net.SectionCount())},
                {"Ходов", std::to_string(runs)},
                {"Штативов", FormatGeneral(setups)}};
  std::string method = "итерациями (взвешенное среднее в узловых точках, веса 10/n)";
  if (sweeps > 0) method += ", итераций: " + std::to_string(sweeps);
  part.facts.push_back({"Уравнивание", method});
  const std::optional<double> mu = CurrentUnitWeightError(net);
  part.facts.push_back({"СКО единицы веса (1 штатив)", mu ? FormatFixed(2, *mu) + " мм" : "не вычислена"});
  part.facts.push_back({"Число степеней свободы", std::to_string(NetRedundancy(net))});
  if (!mu)
    part.notes.push_back("СКО не вычислена: в таблице точек сети нет концов всех звеньев или у звена нет штативов. "
                         "Выполните «Создание нулевых отметок» и уравнивание.");
  return part;
}

ReportPart BenchmarksPart(const TKorNet& net) {
  std::vector<int32_t> fixed;
  for (int32_t p = 0; p < net.PointCount(); ++p)
    if (net.PointTypes.GetItem(p) == kFixedPoint) fixed.push_back(p);
  std::stable_sort(fixed.begin(), fixed.end(),
                   [&](int32_t a, int32_t b) { return NaturalLess(net.PointNames[a], net.PointNames[b]); });
  ReportTable table{{{"Репер", false}, {"Отметка, мм", true}}, {}};
  for (int32_t p : fixed) table.rows.push_back({net.PointNames[p], FormatFixed(2, net.PointElevations.GetItem(p))});
  return {kBenchmarksPart, {}, std::move(table), {}};
}

ReportPart SectionsPart(const TKorNet& net) {
  ReportTable table{{{"№", true},
                     {"Начало", false},
                     {"Конец", false},
                     {"Ходов", true},
                     {"Штативов", true},
                     {"Превышение, мм", true},
                     {"Невязка, мм", true}},
                    {}};
  ReportPart part{kSectionsPart, {}, std::nullopt, {}};
  const CaseTolerantIndex points(net.PointNames);
  for (int32_t s = 0; s < net.SectionCount(); ++s) {
    const std::optional<double> misclosure = SectionMisclosure(net, s, points);
    table.rows.push_back({std::to_string(s + 1), net.SectionStarts[s], net.SectionEnds[s],
                          std::to_string(net.SectionTables.TableAt(s).RunCount()),
                          FormatGeneral(net.SectionSetups.GetItem(s)), FormatFixed(2, net.SectionHeights.GetItem(s)),
                          misclosure ? FormatFixed(2, *misclosure) : ""});
    if (net.SectionStarts[s] == net.SectionEnds[s])
      part.notes.push_back("Звено " + SectionCaption(net, s) +
                           " замкнуто на своей точке: это полигон из одного звена, его невязка равна превышению.");
  }
  part.notes.insert(part.notes.begin(), "Невязка звена w = h + H(начала) − H(конца); в отметках точек звена она "
                                        "распределена по ходам пропорционально числу штативов.");
  part.table = std::move(table);
  return part;
}

std::string TypeText(const CatalogueEntry& entry) {
  if (entry.pendent) return "висячая";
  switch (entry.type) {
    case kFixedPoint: return "репер";
    case kNodalPoint: return "узловая";
    default: return "промежуточная";
  }
}

ReportPart CataloguePart(const TKorNet& net) {
  ReportTable table{{{"№", true}, {"Точка", false}, {"Тип", false}, {"Отметка, мм", true}}, {}};
  int32_t number = 0;
  for (const CatalogueEntry& entry : HeightCatalogue(net))
    table.rows.push_back({std::to_string(++number), entry.name, TypeText(entry), entry.elevation});
  return {kCataloguePart, {}, std::move(table), {}};
}

}  // namespace

ReportStamp StampNow(const AppState& state) {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[32];
  std::strftime(text, sizeof text, "%d.%m.%Y %H:%M", &local);
  return {state.CurrentFileName, text};
}

ReportDocument AdjustmentStatement(const TKorNet& net, const ReportStamp& stamp, uint64_t sweeps) {
  ReportDocument document;
  document.title = "Ведомость уравнивания и каталог высот";
  document.parts.push_back(TitlePart(net, stamp));
  document.parts.push_back(SummaryPart(net, sweeps));
  document.parts.push_back(BenchmarksPart(net));
  document.parts.push_back(SectionsPart(net));
  // The parts of the least-squares adjustment (residuals, w and the suspect
  // mark per section, σ per point, χ²) and of the loops against the class
  // tolerance go here, each only when its results exist.
  document.parts.push_back(CataloguePart(net));
  return document;
}

std::optional<ReportDocument> CurrentNetStatement(const AppState& state) {
  if (!state.HasCurrentNet()) {
    ReportError(kNoCurrentNetMessage);
    return std::nullopt;
  }
  return AdjustmentStatement(state.Nets.NetAt(state.CurrentNetIndex), StampNow(state), state.IterationCounter);
}

}  // namespace korvado
