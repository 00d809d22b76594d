#include <gtest/gtest.h>

#include "AdjustmentStatement.h"
#include "LeastSquaresCommands.h"
#include "NumberText.h"
#include "ReportHtml.h"
#include "SectionCaption.h"
#include "SeparatorScope.h"

namespace korvado {
namespace {

using Rows = std::vector<std::vector<std::string>>;

// Rp10 (100) -> K (nodal) -> Rp2 (110) and a loop K -> K of four setups.
TKorNet StatementNet() {
  TKorNet net;
  net.Name = "Сеть <1> & 2";
  EXPECT_TRUE(net.AddSection("Rp10", "X", kFixedPoint, kIntermediatePoint, 1.0, 1, 1));
  EXPECT_TRUE(net.AppendRun(0, "K", kNodalPoint, 3.0, 3, 2));
  EXPECT_TRUE(net.AddSection("K", "Rp2", kNodalPoint, kFixedPoint, 6.1, 2, 3));
  EXPECT_TRUE(net.AddSection("K", "K", kNodalPoint, kNodalPoint, 0.8, 4, 4));
  EXPECT_TRUE(net.AddPoint("Rp10", kFixedPoint, 100.0));
  EXPECT_TRUE(net.AddPoint("K", kNodalPoint, 103.95));
  EXPECT_TRUE(net.AddPoint("Rp2", kFixedPoint, 110.0));
  return net;
}

const ReportTable& TableOf(const ReportDocument& document, const char* heading) {
  const ReportPart* part = document.Part(heading);
  EXPECT_TRUE(part && part->table) << heading;
  return *part->table;
}

std::vector<std::string> Headings(const ReportDocument& document) {
  std::vector<std::string> headings;
  for (const ReportPart& part : document.parts) headings.push_back(part.heading);
  return headings;
}

std::string Fact(const ReportPart& part, const std::string& label) {
  for (const auto& [name, value] : part.facts)
    if (name == label) return value;
  return "(нет)";
}

std::vector<std::string> Column(const ReportTable& table, size_t column) {
  std::vector<std::string> cells;
  for (const std::vector<std::string>& row : table.rows) cells.push_back(row.at(column));
  return cells;
}

TEST(AdjustmentStatement, PartsHoldTheNetsFiguresInOrder) {
  SeparatorScope separator(',', " ");
  DocumentOptions millimetres;
  millimetres.heights = HeightUnit::kMillimetres;
  const ReportDocument document = AdjustmentStatement(StatementNet(), {"/data/job.kor", "08.12.2026 10:15"},
                                                      {3, nullptr, nullptr, nullptr, 0}, millimetres);
  EXPECT_EQ(Headings(document), (std::vector<std::string>{kTitlePart, kSummaryPart, kBenchmarksPart, kSectionsPart,
                                                          kCataloguePart, kSignaturesPart}));
  EXPECT_EQ(document.Part(kTitlePart)->facts[0].second, "/data/job.kor");
  EXPECT_EQ(document.Part(kTitlePart)->facts[2].second, "08.12.2026 10:15");

  const auto& summary = document.Part(kSummaryPart)->facts;
  const std::vector<std::string> expected = {"2", "1", "3", "4", "10"};
  for (size_t k = 0; k < expected.size(); ++k) EXPECT_EQ(summary[k].second, expected[k]) << summary[k].first;
  EXPECT_NE(summary[5].second.find("итераций: 3"), std::string::npos);
  // Misclosures 0.05, 0.05 and the loop's 0.8: Q = 0.0025 / 4 + 0.0025 / 2 + 0.64 / 4, r = 3 - 3 + 2.
  EXPECT_EQ(summary[6].second, "0,28 мм");
  EXPECT_EQ(summary[7].second, "2");

  EXPECT_EQ(TableOf(document, kBenchmarksPart).rows, (Rows{{"Rp2", "110,00"}, {"Rp10", "100,00"}}));
  EXPECT_EQ(TableOf(document, kSectionsPart).rows, (Rows{{"1", "Rp10", "K", "2", "4", "4,00", "0,05"},
                                                         {"2", "K", "Rp2", "1", "2", "6,10", "0,05"},
                                                         {"3", "K", "K", "1", "4", "0,80", "0,80"}}));
  const std::vector<std::string>& notes = document.Part(kSectionsPart)->notes;
  ASSERT_EQ(notes.size(), 2u);
  EXPECT_NE(notes[1].find("полигон из одного звена"), std::string::npos) << notes[1];
  EXPECT_EQ(TableOf(document, kCataloguePart).rows, (Rows{{"1", "K", "узловая", "103,95"},
                                                          {"2", "Rp2", "репер", "110,00"},
                                                          {"3", "Rp10", "репер", "100,00"},
                                                          {"4", "X", "промежуточная", "100,99"}}));
}

TEST(AdjustmentStatement, WebPageEscapesNamesAndRepeatsTableHeaders) {
  SeparatorScope separator('.', ",");
  DocumentOptions millimetres;
  millimetres.heights = HeightUnit::kMillimetres;
  const std::string html = ReportHtml(AdjustmentStatement(StatementNet(), {"", ""}, {}, millimetres));
  EXPECT_NE(html.find("Сеть &lt;1&gt; &amp; 2"), std::string::npos);
  EXPECT_EQ(html.find("<1>"), std::string::npos);
  EXPECT_NE(html.find("<thead><tr><th align=\"right\">№</th><th>Точка</th>"), std::string::npos);
  EXPECT_NE(html.find("<td align=\"right\">103.95</td>"), std::string::npos);
  EXPECT_NE(html.find("(не сохранен)"), std::string::npos);
}

// The statement net as the window holds it, current, with a small a-priori σ
// so that the loop K–K of 0.8 mm fails every test.
struct StatementState {
  StatementState() {
    state.Nets.NetAt(*state.Nets.AddNet("Сеть")) = StatementNet();
    state.CurrentNetIndex = 0;
    state.SigmaPerSetup = 0.1;
  }
  AppState state;
};

// Every combination of least squares, loops and diagram: a part, a column or
// a fact is there exactly when its figures are given.
TEST(AdjustmentStatement, EachPartAppearsExactlyWhenItsFiguresExist) {
  SeparatorScope separator('.', ",");
  StatementState fixture;
  const TKorNet& net = fixture.state.Nets.NetAt(0);
  const LeastSquaresResult lsq = *AdjustByLeastSquares(net, 0.5);
  const LoopsView loops = CurrentNetLoops(fixture.state);
  ASSERT_EQ(loops.rows.size(), 2u);  // the loop K–K and the line Rp10–Rp2
  const auto diagram = std::make_shared<const NetDiagram>(BuildNetDiagram(fixture.state, 0));
  for (int mask = 0; mask < 8; ++mask) {
    const bool withLsq = mask & 1, withLoops = mask & 2, withDiagram = mask & 4;
    const StatementResults results{2, withLsq ? &lsq : nullptr, withLoops ? &loops : nullptr,
                                   withDiagram ? diagram : nullptr, 0};
    const ReportDocument document = AdjustmentStatement(net, {"", ""}, results);
    std::vector<std::string> expected{kTitlePart, kSummaryPart, kBenchmarksPart};
    if (withDiagram) expected.push_back(kDiagramPart);
    expected.push_back(kSectionsPart);
    if (withLoops) expected.push_back(kLoopsPart);
    expected.insert(expected.end(), {kCataloguePart, kSignaturesPart});
    EXPECT_EQ(Headings(document), expected) << mask;
    EXPECT_EQ(TableOf(document, kSectionsPart).columns.size(), withLsq ? 10u : 7u) << mask;
    EXPECT_EQ(TableOf(document, kSectionsPart).rows[0].size(), withLsq ? 10u : 7u) << mask;
    EXPECT_EQ(TableOf(document, kCataloguePart).rows[0].size(), withLsq ? 5u : 4u) << mask;
    const ReportPart& summary = *document.Part(kSummaryPart);
    EXPECT_EQ(Fact(summary, "Уравнивание").rfind(withLsq ? "МНК" : "итерациями (", 0), 0u) << mask;
    EXPECT_EQ(Fact(summary, "СКО единицы веса (1 штатив)") == "(нет)", withLsq) << mask;
    EXPECT_EQ(Fact(summary, "Глобальный тест") == "(нет)", !withLsq) << mask;
    if (withDiagram) {
      EXPECT_EQ(document.Part(kDiagramPart)->diagram, diagram);
    }
  }

  // No rows to show, a result of another net's shape, a diagram too large:
  // no loops part, no least-squares figures, a line instead of the picture.
  LoopsView empty = loops;
  empty.rows.clear();
  LeastSquaresResult other = lsq;
  other.sections.pop_back();
  const ReportDocument document = AdjustmentStatement(net, {"", ""}, {0, &other, &empty, nullptr, 5000});
  EXPECT_EQ(Headings(document), (std::vector<std::string>{kTitlePart, kSummaryPart, kBenchmarksPart, kDiagramPart,
                                                          kSectionsPart, kCataloguePart, kSignaturesPart}));
  EXPECT_EQ(TableOf(document, kSectionsPart).columns.size(), 7u);
  const ReportPart& left = *document.Part(kDiagramPart);
  EXPECT_FALSE(left.diagram);
  ASSERT_EQ(left.notes.size(), 1u);
  EXPECT_NE(left.notes[0].find("из 5000 точек в отчёт не включена"), std::string::npos) << left.notes[0];
}

// After «Уравнять по МНК» the statement says what the accuracy view and
// «Невязки» say, in their words, until the net changes.
TEST(AdjustmentStatement, LeastSquaresAndLoopFiguresMatchTheirViewsUntilTheNetChanges) {
  SeparatorScope separator(',', " ");
  StatementState fixture;
  AppState& state = fixture.state;
  ASSERT_TRUE(AdjustCurrentNetByLeastSquares(state));
  const AccuracyTables accuracy = CurrentAccuracyTables(state);
  ReportDocument document = CurrentNetStatement(state, {"", ""});

  const ReportPart& summary = *document.Part(kSummaryPart);
  const LeastSquaresResult& result = state.LastLeastSquares->result;
  EXPECT_EQ(Fact(summary, "σ₀ априори (1 штатив)"), "0,1 мм");
  EXPECT_EQ(Fact(summary, "σ₀ апостериори (1 штатив)"), FormatFixed(2, *result.sigma0) + " мм");
  EXPECT_EQ(Fact(summary, "Число степеней свободы"), "2");
  EXPECT_EQ(Fact(summary, "Глобальный тест"), ChiSquareVerdict(result));
  EXPECT_NE(Fact(summary, "Глобальный тест").find("отвергнут"), std::string::npos);
  EXPECT_EQ(Fact(summary, "Возможна грубая ошибка"), "звено " + SectionCaption(state.Nets.NetAt(0), 2));

  const ReportTable& sections = TableOf(document, kSectionsPart);
  EXPECT_EQ(Column(sections, 7), Column(ReportTable{{}, accuracy.sections, {}}, 4));  // v
  EXPECT_EQ(Column(sections, 8), Column(ReportTable{{}, accuracy.sections, {}}, 6));  // w
  EXPECT_EQ(Column(sections, 9), (std::vector<std::string>{"", "", kSuspectMark}));
  // Catalogue in natural order K, Rp2, Rp10, X: the σ the accuracy view shows,
  // 0 at the benchmarks, the point inside a section (listed after the table's rows) too.
  ASSERT_EQ(accuracy.points.size(), 4u);
  EXPECT_EQ(accuracy.points[3][0], "X");
  EXPECT_EQ(Column(TableOf(document, kCataloguePart), 4),
            (std::vector<std::string>{accuracy.points[1][3], "0,00", "0,00", accuracy.points[3][3]}));

  const LoopsView loops = CurrentNetLoops(state);
  const ReportPart& loopsPart = *document.Part(kLoopsPart);
  EXPECT_EQ(Fact(loopsPart, "Класс нивелирования"), "Техническое");
  EXPECT_EQ(Fact(loopsPart, "Допуск"), loops.formula);
  EXPECT_EQ(Fact(loopsPart, "Превышают допуск"), std::to_string(loops.failedCount) + " из 2");
  ASSERT_EQ(loopsPart.table->rows.size(), 2u);
  for (size_t r = 0; r < 2; ++r) {
    const LoopRow& row = loops.rows[r];
    EXPECT_EQ(loopsPart.table->rows[r],
              (std::vector<std::string>{row.number, row.kind, row.points, row.setups, row.misclosure, row.allowed,
                                        row.ratio, row.verdict}));
  }
  ASSERT_TRUE(document.Part(kDiagramPart) && document.Part(kDiagramPart)->diagram);
  EXPECT_EQ(document.Part(kDiagramPart)->diagram->points.size(), 3u);

  const std::string html = ReportHtml(document);
  EXPECT_EQ(html.find("<?xml"), std::string::npos);
  for (const std::string text : {"<div class=\"diagram\">\n<svg", "<h2>Невязки полигонов и линий</h2>",
                                 "<th>Контроль</th>", kSuspectMark, "<th align=\"right\">СКО, мм</th>"})
    EXPECT_NE(html.find(text), std::string::npos) << text;

  state.Nets.NetAt(0).SectionHeights.SetItem(0, 4.01);
  document = CurrentNetStatement(state, {"", ""});
  EXPECT_EQ(Fact(*document.Part(kSummaryPart), "Уравнивание").rfind("итерациями", 0), 0u);
  EXPECT_EQ(TableOf(document, kCataloguePart).columns.size(), 4u);
  EXPECT_TRUE(document.Part(kLoopsPart));
}

// A net whose diagram could not be read on a sheet is reported without it,
// and without laying it out.
TEST(AdjustmentStatement, AHugeNetsDiagramIsLeftOutWithALineSayingSo) {
  AppState state;
  TKorNet& net = state.Nets.NetAt(*state.Nets.AddNet("Цепь"));
  for (size_t k = 0; k < kReportDiagramPointLimit; ++k)
    EXPECT_TRUE(net.AddSection("N" + std::to_string(k), "N" + std::to_string(k + 1), k ? kNodalPoint : kFixedPoint,
                               kNodalPoint, 0.1, 1, 1));
  state.CurrentNetIndex = 0;
  const ReportDocument document = CurrentNetStatement(state, {"", ""});
  const ReportPart* part = document.Part(kDiagramPart);
  ASSERT_TRUE(part);
  EXPECT_FALSE(part->diagram);
  ASSERT_EQ(part->notes.size(), 1u);
  EXPECT_NE(part->notes[0].find(std::to_string(kReportDiagramPointLimit + 1) + " точек"), std::string::npos);
}

TEST(AdjustmentStatement, NoStatementWithoutACurrentNetOrOfANetNoComputationTakes) {
  AppState state;
  EXPECT_EQ(StatementRefusal(state).RefusalText(), kNoCurrentNetMessage);
  TKorNet& net = state.Nets.NetAt(*state.Nets.AddNet("Сеть"));
  EXPECT_TRUE(net.AddSection("A", "K", kFixedPoint, kNodalPoint, 1.0, -4.0, 1));
  state.CurrentNetIndex = 0;
  EXPECT_NE(StatementRefusal(state).RefusalText().find("звено 1  [A --> K]: число штативов — -4"), std::string::npos)
      << StatementRefusal(state).RefusalText();
  state.Nets.NetAt(0).SectionSetups.SetItem(0, 4.0);
  state.Nets.NetAt(0).SectionTables.TableAt(0).RunSetups.SetItem(0, 4.0);  // the section's one run
  EXPECT_TRUE(StatementRefusal(state).Ok()) << StatementRefusal(state).RefusalText();
}

}  // namespace
}  // namespace korvado
