#include "AdjustmentStatement.h"

#include <algorithm>
#include <ctime>
#include <iterator>
#include <unordered_set>

#include "AdjustmentCommands.h"
#include "AdjustmentSweep.h"
#include "CurrentNet.h"
#include "HeightCatalogue.h"
#include "LeastSquaresCommands.h"
#include "NaturalOrder.h"
#include "NumberText.h"
#include "PointIndex.h"
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

ReportPart NewPart(const char* heading) {
  ReportPart part;
  part.heading = heading;
  return part;
}

ReportPart TitlePart(const TKorNet& net, const ReportStamp& stamp) {
  ReportPart part = NewPart(kTitlePart);
  part.facts = {{"Файл", stamp.fileName.empty() ? "(не сохранен)" : stamp.fileName},
                {"Сеть", net.Name},
                {"Дата и время", stamp.createdAt},
                {"Программа", kProgram}};
  return part;
}

// The figures of the least-squares adjustment, as the accuracy view words them.
void AddLeastSquaresSummary(const TKorNet& net, const LeastSquaresResult& result, ReportPart& part) {
  part.facts.push_back({"Уравнивание", "МНК (по параметрам, вес звена 1/n)"});
  part.facts.push_back({"σ₀ априори (1 штатив)", FormatGeneral(result.sigma0Apriori) + " мм"});
  part.facts.push_back({"σ₀ апостериори (1 штатив)", result.sigma0 ? FormatFixed(2, *result.sigma0) + " мм" : "—"});
  part.facts.push_back({"Число степеней свободы", std::to_string(result.dof)});
  part.facts.push_back({"Глобальный тест", ChiSquareVerdict(result)});
  if (result.suspectSection >= 0 && result.suspectSection < net.SectionCount())
    part.facts.push_back({"Возможна грубая ошибка", "звено " + SectionCaption(net, result.suspectSection)});
  if (!result.sigma0)
    part.notes.push_back(
        "Избыточных измерений нет (r = 0): σ₀ апостериори не определена, СКО отметок "
        "вычислены по σ₀ априори, тесты не выполняются.");
}

void AddSweepSummary(const TKorNet& net, uint64_t sweeps, ReportPart& part) {
  std::string method = "итерациями (взвешенное среднее в узловых точках, веса 10/n)";
  if (sweeps > 0) method += ", итераций: " + std::to_string(sweeps);
  part.facts.push_back({"Уравнивание", method});
  const std::optional<double> mu = CurrentUnitWeightError(net);
  part.facts.push_back({"СКО единицы веса (1 штатив)", mu ? FormatFixed(2, *mu) + " мм" : "не вычислена"});
  part.facts.push_back({"Число степеней свободы", std::to_string(NetRedundancy(net))});
  if (!mu)
    part.notes.push_back(
        "СКО не вычислена: в таблице точек сети нет концов всех звеньев или у звена нет штативов. "
        "Выполните «Создание нулевых отметок» и уравнивание.");
}

ReportPart SummaryPart(const TKorNet& net, const StatementResults& results) {
  int32_t runs = 0;
  double setups = 0.0;
  for (int32_t s = 0; s < net.SectionCount(); ++s) {
    runs += net.SectionTables.TableAt(s).RunCount();
    setups += net.SectionSetups.GetItem(s);
  }
  ReportPart part = NewPart(kSummaryPart);
  part.facts = {{"Реперов", std::to_string(CountPoints(net, kFixedPoint))},
                {"Узловых точек", std::to_string(CountPoints(net, kNodalPoint))},
                {"Звеньев", std::to_string(net.SectionCount())},
                {"Ходов", std::to_string(runs)},
                {"Штативов", FormatGeneral(setups)}};
  if (results.leastSquares)
    AddLeastSquaresSummary(net, *results.leastSquares, part);
  else
    AddSweepSummary(net, results.sweeps, part);
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
  ReportPart part = NewPart(kBenchmarksPart);
  part.table = std::move(table);
  return part;
}

ReportPart DiagramPart(const StatementResults& results) {
  ReportPart part = NewPart(kDiagramPart);
  part.diagram = results.diagram;
  if (!part.diagram)
    part.notes.push_back("Схема сети из " + std::to_string(results.diagramPoints) +
                         " точек в отчёт не включена: на листе её не прочесть. Сохраните её отдельно "
                         "кнопкой «Экспорт схемы...» на странице «Схема сети».");
  return part;
}

ReportPart SectionsPart(const TKorNet& net, const LeastSquaresResult* leastSquares) {
  ReportTable table{{{"№", true},
                     {"Начало", false},
                     {"Конец", false},
                     {"Ходов", true},
                     {"Штативов", true},
                     {"Превышение, мм", true},
                     {"Невязка, мм", true}},
                    {}};
  if (leastSquares)
    table.columns.insert(table.columns.end(), {{"v, мм", true}, {"wᵢ", true}, {"Контроль", false, true}});
  ReportPart part = NewPart(kSectionsPart);
  const CaseTolerantIndex points(net.PointNames);
  for (int32_t s = 0; s < net.SectionCount(); ++s) {
    const std::optional<double> misclosure = SectionMisclosure(net, s, points);
    std::vector<std::string> row{std::to_string(s + 1),
                                 net.SectionStarts[s],
                                 net.SectionEnds[s],
                                 std::to_string(net.SectionTables.TableAt(s).RunCount()),
                                 FormatGeneral(net.SectionSetups.GetItem(s)),
                                 FormatFixed(2, net.SectionHeights.GetItem(s)),
                                 misclosure ? FormatFixed(2, *misclosure) : ""};
    if (leastSquares) {
      const LeastSquaresSection& section = leastSquares->sections[static_cast<size_t>(s)];
      row.insert(row.end(), {FormatFixed(2, section.residual), OptionalFixed(2, section.w), SectionMark(section)});
    }
    table.rows.push_back(std::move(row));
    if (net.SectionStarts[s] == net.SectionEnds[s])
      part.notes.push_back("Звено " + SectionCaption(net, s) +
                           " замкнуто на своей точке: это полигон из одного звена, его невязка равна превышению.");
  }
  part.notes.insert(part.notes.begin(),
                    "Невязка звена w = h + H(начала) − H(конца); в отметках точек звена она "
                    "распределена по ходам пропорционально числу штативов.");
  if (leastSquares)
    part.notes.insert(part.notes.begin() + 1,
                      "Поправка v — уравненное превышение минус измеренное; wᵢ — нормированная поправка, "
                      "критическое значение " +
                          FormatFixed(2, kCriticalW) + ".");
  part.table = std::move(table);
  return part;
}

ReportPart LoopsPart(const LoopsView& loops) {
  ReportPart part = NewPart(kLoopsPart);
  part.facts = {{"Класс нивелирования", loops.className},
                {"Допуск", loops.formula},
                {"Превышают допуск", std::to_string(loops.failedCount) + " из " + std::to_string(loops.rows.size())}};
  // №, kind, points (wrapped), n, f, f_доп, |f|/f_доп, verdict.
  const std::vector<std::string> titles = LoopColumnTitles();
  const bool numeric[] = {true, false, false, true, true, true, true, false};
  ReportTable table;
  for (size_t c = 0; c < titles.size() && c < std::size(numeric); ++c)
    table.columns.push_back({titles[c], numeric[c], c == 2});
  for (const LoopRow& r : loops.rows)
    table.rows.push_back({r.number, r.kind, r.points, r.setups, r.misclosure, r.allowed, r.ratio, r.verdict});
  part.table = std::move(table);
  part.notes = loops.warnings;
  return part;
}

// The points the diagram would draw: section ends and pendent points, each once.
size_t DiagramPointCount(const TKorNet& net) {
  std::unordered_set<std::string> names;
  for (int32_t s = 0; s < net.SectionCount(); ++s) {
    names.insert(net.SectionStarts[s]);
    names.insert(net.SectionEnds[s]);
    const TKorNetDetailTable& table = net.SectionTables.TableAt(s);
    for (int32_t p = 0; p < table.PendentCount(); ++p) names.insert(table.PendentForePoints[p]);
  }
  return names.size();
}

std::string TypeText(const CatalogueEntry& entry) {
  if (entry.pendent) return "висячая";
  switch (entry.type) {
    case kFixedPoint:
      return "репер";
    case kNodalPoint:
      return "узловая";
    default:
      return "промежуточная";
  }
}

// σ of a point the least-squares adjustment gave one: benchmarks and nodal points.
std::string CatalogueSigma(const LeastSquaresResult& result, const PointIndex& rows, const std::string& name) {
  const int32_t row = FindInIndex(rows, name);
  if (row < 0 || static_cast<size_t>(row) >= result.sigmas.size() || !result.sigmas[static_cast<size_t>(row)])
    return {};
  return FormatFixed(2, *result.sigmas[static_cast<size_t>(row)]);
}

ReportPart CataloguePart(const TKorNet& net, const LeastSquaresResult* leastSquares) {
  ReportTable table{{{"№", true}, {"Точка", false}, {"Тип", false}, {"Отметка, мм", true}}, {}};
  if (leastSquares) table.columns.push_back({"СКО, мм", true});
  const PointIndex rows = BuildPointIndex(net.PointNames);
  int32_t number = 0;
  for (const CatalogueEntry& entry : HeightCatalogue(net)) {
    table.rows.push_back({std::to_string(++number), entry.name, TypeText(entry), entry.elevation});
    if (leastSquares) table.rows.back().push_back(CatalogueSigma(*leastSquares, rows, entry.name));
  }
  ReportPart part = NewPart(kCataloguePart);
  part.table = std::move(table);
  if (leastSquares)
    part.notes.push_back(
        "СКО — средняя квадратическая ошибка отметки после уравнивания по МНК; у реперов 0, у точек "
        "внутри звеньев не вычисляется.");
  return part;
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

ReportDocument AdjustmentStatement(const TKorNet& net, const ReportStamp& stamp, const StatementResults& results) {
  // A result of another shape belongs to another net: better no figures than wrong ones.
  const LeastSquaresResult* leastSquares =
      results.leastSquares && results.leastSquares->sections.size() == static_cast<size_t>(net.SectionCount())
          ? results.leastSquares
          : nullptr;
  StatementResults checked = results;
  checked.leastSquares = leastSquares;
  ReportDocument document;
  document.title = "Ведомость уравнивания и каталог высот";
  document.parts.push_back(TitlePart(net, stamp));
  document.parts.push_back(SummaryPart(net, checked));
  document.parts.push_back(BenchmarksPart(net));
  if (results.diagram || results.diagramPoints > 0) document.parts.push_back(DiagramPart(results));
  document.parts.push_back(SectionsPart(net, leastSquares));
  if (results.loops && !results.loops->rows.empty()) document.parts.push_back(LoopsPart(*results.loops));
  document.parts.push_back(CataloguePart(net, leastSquares));
  return document;
}

ReportDocument CurrentNetStatement(const AppState& state, const ReportStamp& stamp) {
  const TKorNet& net = state.Nets.NetAt(state.CurrentNetIndex);
  const LoopsView loops = CurrentNetLoops(state);
  StatementResults results{state.IterationCounter, KeptLeastSquares(state, state.CurrentNetIndex), &loops, nullptr, 0};
  if (net.SectionCount() > 0) {
    const size_t points = DiagramPointCount(net);
    if (points <= kReportDiagramPointLimit)
      results.diagram = std::make_shared<const NetDiagram>(BuildNetDiagram(net, loops, results.leastSquares));
    else
      results.diagramPoints = points;
  }
  return AdjustmentStatement(net, stamp, results);
}

Result<ReportDocument> CurrentNetStatement(const AppState& state) {
  if (Outcome refused = RequireCurrentNet(state); !refused) return refused;
  return CurrentNetStatement(state, StampNow(state));
}

}  // namespace korvado
