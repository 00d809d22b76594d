#include "AdjustmentStatement.h"

#include <algorithm>
#include <cmath>
#include <ctime>
#include <iterator>
#include <numeric>
#include <unordered_map>
#include <unordered_set>

#include "AdjustedHeights.h"
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
#include "StatementTitle.h"
#include "UnsoundValues.h"

namespace korvado {

namespace {

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

ReportPart BenchmarksPart(const TKorNet& net, HeightUnit unit) {
  std::vector<int32_t> fixed;
  for (int32_t p = 0; p < net.PointCount(); ++p)
    if (net.PointTypes.GetItem(p) == kFixedPoint) fixed.push_back(p);
  std::stable_sort(fixed.begin(), fixed.end(),
                   [&](int32_t a, int32_t b) { return NaturalLess(net.PointNames[a], net.PointNames[b]); });
  ReportTable table{{{"Репер", false}, {HeightTitle("Отметка", unit), true}}, {}, {}};
  for (int32_t p : fixed) table.rows.push_back({net.PointNames[p], HeightText(net.PointElevations.GetItem(p), unit)});
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

// The key of «Звенья по убыванию |w|»: |wᵢ| where least squares has tested
// the section, |w| without its figures; a section without one goes last.
double OrderKey(const std::optional<double>& misclosure, const LeastSquaresSection* section) {
  const std::optional<double> key = section ? section->w : misclosure;
  return key ? std::abs(*key) : -1.0;
}

// Rows of `table` in the order of `order` (indices into its rows), the strong ones followed.
void Reorder(ReportTable& table, const std::vector<size_t>& order) {
  std::vector<std::vector<std::string>> rows;
  std::vector<size_t> strong;
  for (const size_t row : order) {
    if (table.IsStrong(row)) strong.push_back(rows.size());
    rows.push_back(std::move(table.rows[row]));
  }
  table.rows = std::move(rows);
  table.strongRows = std::move(strong);
}

ReportPart SectionsPart(const TKorNet& net, const LeastSquaresResult* leastSquares, bool byMisclosure) {
  ReportTable table{{{"№", true},
                     {"Начало", false},
                     {"Конец", false},
                     {"Ходов", true},
                     {"Штативов", true},
                     {"Превышение, мм", true},
                     {"Невязка, мм", true}},
                    {},
                    {}};
  if (leastSquares)
    table.columns.insert(table.columns.end(), {{"v, мм", true}, {"wᵢ", true}, {"Контроль", false, true}});
  ReportPart part = NewPart(kSectionsPart);
  const CaseTolerantIndex points(net.PointNames);
  std::vector<double> keys;
  for (int32_t s = 0; s < net.SectionCount(); ++s) {
    const std::optional<double> misclosure = SectionMisclosure(net, s, points);
    std::vector<std::string> row{std::to_string(s + 1),
                                 net.SectionStarts[s],
                                 net.SectionEnds[s],
                                 std::to_string(net.SectionTables.TableAt(s).RunCount()),
                                 FormatGeneral(net.SectionSetups.GetItem(s)),
                                 FormatFixed(2, net.SectionHeights.GetItem(s)),
                                 misclosure ? FormatFixed(2, *misclosure) : ""};
    const LeastSquaresSection* section = leastSquares ? &leastSquares->sections[static_cast<size_t>(s)] : nullptr;
    if (section) {
      row.insert(row.end(), {FormatFixed(2, section->residual), OptionalFixed(2, section->w), SectionMark(*section)});
      if (section->suspect) table.strongRows.push_back(static_cast<size_t>(s));
    }
    keys.push_back(OrderKey(misclosure, section));
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
                          FormatFixed(2, kCriticalW) + ". Звено с возможной грубой ошибкой выделено.");
  if (byMisclosure) {
    std::vector<size_t> order(keys.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return keys[a] > keys[b]; });
    Reorder(table, order);
    part.notes.push_back(leastSquares ? "Звенья перечислены по убыванию |wᵢ|." : "Звенья перечислены по убыванию |w|.");
  }
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

// σ of every point the runs reach, by name; a name the point table repeats keeps its first.
std::unordered_map<std::string, std::string> CatalogueSigmas(const LeastSquaresResult& result) {
  std::unordered_map<std::string, std::string> sigmas;
  for (const PointHeight& point : result.everyPoint)
    if (point.sigma) sigmas.emplace(point.name, FormatFixed(2, *point.sigma));
  return sigmas;
}

// The catalogue's elevation in the document's unit, from the two decimals of
// millimetres the section tables show.
std::string CatalogueHeight(const std::optional<double>& millimetres, HeightUnit unit) {
  if (!millimetres) return {};
  if (unit == HeightUnit::kMillimetres) return FormatFixed(2, *millimetres);
  return HeightText(RoundHalfEven(2, *millimetres), unit);
}

ReportPart CataloguePart(const TKorNet& net, const LeastSquaresResult* leastSquares, HeightUnit unit) {
  ReportTable table{{{"№", true}, {"Точка", false}, {"Тип", false}, {HeightTitle("Отметка", unit), true}}, {}, {}};
  if (leastSquares) table.columns.push_back({"СКО, мм", true});
  const std::unordered_map<std::string, std::string> sigmas =
      leastSquares ? CatalogueSigmas(*leastSquares) : std::unordered_map<std::string, std::string>();
  int32_t number = 0;
  for (const CatalogueEntry& entry : HeightCatalogue(net)) {
    table.rows.push_back(
        {std::to_string(++number), entry.name, TypeText(entry), CatalogueHeight(entry.elevation, unit)});
    if (leastSquares) {
      const auto sigma = sigmas.find(entry.name);
      table.rows.back().push_back(sigma == sigmas.end() ? std::string() : sigma->second);
    }
  }
  ReportPart part = NewPart(kCataloguePart);
  part.table = std::move(table);
  if (leastSquares)
    part.notes.push_back(
        "СКО — средняя квадратическая ошибка отметки после уравнивания по МНК, в котором каждый ход — "
        "отдельное измерение (вес 1/n), а каждая точка — неизвестная; у реперов 0.");
  return part;
}

}  // namespace

ReportStamp StampNow(const AppState& state) { return StampNow(state.CurrentFileName); }

ReportStamp StampNow(const std::string& fileName) {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &now);
#else
  localtime_r(&now, &local);
#endif
  char text[32];
  std::strftime(text, sizeof text, "%d.%m.%Y %H:%M", &local);
  return {fileName, text};
}

ReportDocument AdjustmentStatement(const TKorNet& net, const ReportStamp& stamp, const StatementResults& results,
                                   const DocumentOptions& options) {
  // A result of another shape belongs to another net: better no figures than wrong ones.
  const LeastSquaresResult* leastSquares =
      results.leastSquares && results.leastSquares->sections.size() == static_cast<size_t>(net.SectionCount())
          ? results.leastSquares
          : nullptr;
  StatementResults checked = results;
  checked.leastSquares = leastSquares;
  ReportDocument document;
  document.title = "Ведомость уравнивания и каталог высот";
  if (!results.heightsAdjusted) document.stamp = kUnadjustedStamp;
  document.parts.push_back(TitlePart(net, stamp, options.title));
  document.parts.push_back(SummaryPart(net, checked));
  document.parts.push_back(BenchmarksPart(net, options.heights));
  if (results.diagram || results.diagramPoints > 0) document.parts.push_back(DiagramPart(results));
  document.parts.push_back(SectionsPart(net, leastSquares, options.sectionsByMisclosure));
  if (results.loops && !results.loops->rows.empty()) document.parts.push_back(LoopsPart(*results.loops));
  document.parts.push_back(CataloguePart(net, leastSquares, options.heights));
  document.parts.push_back(SignaturesPart(options.title));
  return document;
}

ReportDocument CurrentNetStatement(const AppState& state, const ReportStamp& stamp, const DocumentOptions& options,
                                   StatementDiagram diagram) {
  const TKorNet& net = state.Nets.NetAt(state.CurrentNetIndex);
  const LoopsView loops = CurrentNetLoops(state);
  StatementResults results{state.IterationCounter,
                           KeptLeastSquares(state, state.CurrentNetIndex),
                           &loops,
                           nullptr,
                           0,
                           HeightsAdjusted(state, state.CurrentNetIndex)};
  if (net.SectionCount() > 0 && diagram == StatementDiagram::kIncluded) {
    const size_t points = DiagramPointCount(net);
    if (points <= kReportDiagramPointLimit)
      results.diagram = std::make_shared<const NetDiagram>(BuildNetDiagram(net, loops, results.leastSquares));
    else
      results.diagramPoints = points;
  }
  return AdjustmentStatement(net, stamp, results, options);
}

Outcome StatementRefusal(const AppState& state) {
  if (!state.HasCurrentNet()) return Outcome::Refusal(kNoCurrentNetMessage);
  return RefuseUnsoundNet(state.Nets.NetAt(state.CurrentNetIndex));
}

std::string UnadjustedQuestion(const TKorNet& net) {
  return "Отметки сети «" + net.Name +
         "» не уравнены: сеть не уравнивалась по МНК, или её отметки отличаются от уравненных больше чем на " +
         FormatGeneral(kAdjustedHeightTolerance) +
         " мм, или сеть изменилась после уравнивания. Уравняйте сеть кнопкой «Уравнять по МНК».\n\n"
         "Продолжить без уравнивания? На каждой странице документа будет надпись «" +
         kUnadjustedStamp + "».";
}

std::string UnadjustedRefusal(const TKorNet& net) {
  return "отметки сети «" + net.Name +
         "» не уравнены: они не совпадают с уравненными по МНК. Уравняйте сеть (--lsq или lsq " +
         "--save) или дайте --draft: тогда на каждой странице будет надпись «" + kUnadjustedStamp + "»";
}

}  // namespace korvado
