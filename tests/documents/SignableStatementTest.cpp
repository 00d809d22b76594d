// What makes a statement fit to sign: heights that are adjusted or a stamp
// that says they are not, the unit of every height, the suspect section
// that stands out.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "AdjustmentCommands.h"
#include "AdjustmentStatement.h"
#include "LeastSquaresCommands.h"
#include "LoopNetState.h"
#include "NumberText.h"
#include "ReportHtml.h"
#include "SeparatorScope.h"
#include "StatementWorkbook.h"

namespace korvado {
namespace {

void Sweep(AppState& state, int sweeps) {
  for (int k = 0; k < sweeps; ++k) ASSERT_TRUE(AdjustCurrentNet(state));
}

void LeastSquares(AppState& state) { ASSERT_TRUE(AdjustCurrentNetByLeastSquares(state)); }

void MoveNodalPoint(AppState& state, double by) {
  TKorNet& net = state.Nets.NetAt(0);
  net.PointElevations.SetItem(1, net.PointElevations.GetItem(1) + by);
  ASSERT_EQ(net.PointTypes.GetItem(1), kNodalPoint);
}

TEST(SignableStatement, OnlyAdjustedHeightsGoOutWithoutTheStamp) {
  struct Case {
    const char* name;
    std::function<void(AppState&)> prepare;
    bool adjusted;
  };
  const Case cases[] = {
      {"never adjusted", [](AppState&) {}, false},
      {"a few sweeps", [](AppState& s) { Sweep(s, 2); }, false},
      {"sweeps until they settle", [](AppState& s) { Sweep(s, 300); }, true},
      {"least squares", LeastSquares, true},
      {"least squares, the file opened again", [](AppState& s) { LeastSquares(s), s.LastLeastSquares.reset(); }, true},
      {"least squares, then a section edited",
       [](AppState& s) {
         LeastSquares(s);
         s.Nets.NetAt(0).SectionHeights.SetItem(2, s.Nets.NetAt(0).SectionHeights.GetItem(2) + 0.5);
       },
       false},
      {"least squares, a height moved within 0,01 mm", [](AppState& s) { LeastSquares(s), MoveNodalPoint(s, 0.008); },
       true},
      {"least squares, a height moved by 0,02 mm", [](AppState& s) { LeastSquares(s), MoveNodalPoint(s, -0.02); },
       false},
      {"no point table", [](AppState& s) { s.Nets.NetAt(0).ClearPoints(); }, false},
  };
  for (const Case& c : cases) {
    LoopNetState fixture;
    c.prepare(fixture.state);
    EXPECT_EQ(HeightsAdjusted(fixture.state, 0), c.adjusted) << c.name;
    const std::string stamp = c.adjusted ? "" : kUnadjustedStamp;
    const ReportDocument statement = CurrentNetStatement(fixture.state, {"", ""}, {}, StatementDiagram::kLeftOut);
    EXPECT_EQ(statement.stamp, stamp) << c.name;
    EXPECT_EQ(ReportHtml(statement).find(kUnadjustedStamp) != std::string::npos, !c.adjusted) << c.name;
    EXPECT_EQ(CurrentNetWorkbook(fixture.state, {"", ""}, {}).stamp, stamp) << c.name;
  }
}

// Every column of heights in the statement and in the workbook says its unit
// and shows its heights in it; heights differences and misclosures stay in mm.
TEST(SignableStatement, HeightsAreInTheChosenUnitInEveryTable) {
  struct Case {
    HeightUnit unit;
    char decimal;
    const char* title;
    const char* benchmark;  // Rp2 of 155.162 mm
  };
  const Case cases[] = {{HeightUnit::kMetres, ',', "Отметка, м", "0,1552"},
                        {HeightUnit::kMetres, '.', "Отметка, м", "0.1552"},
                        {HeightUnit::kMillimetres, ',', "Отметка, мм", "155,16"}};
  for (const Case& c : cases) {
    SeparatorScope separator(c.decimal, "");
    LoopNetState fixture;
    LeastSquares(fixture.state);
    DocumentOptions options;
    options.heights = c.unit;
    const ReportDocument statement = CurrentNetStatement(fixture.state, {"", ""}, options, StatementDiagram::kLeftOut);
    const ReportWorkbook workbook = CurrentNetWorkbook(fixture.state, {"", ""}, options);
    std::vector<const ReportTable*> tables;
    for (const ReportPart& part : statement.parts)
      if (part.table) tables.push_back(&*part.table);
    for (const WorkbookSheet& sheet : workbook.sheets) tables.push_back(&sheet.table);
    const uint8_t decimals = c.unit == HeightUnit::kMetres ? 4 : 2;
    size_t heightColumns = 0;
    for (const ReportTable* table : tables)
      for (size_t column = 0; column < table->columns.size(); ++column) {
        const std::string& title = table->columns[column].title;
        if (title.rfind("Отметка", 0) != 0) continue;
        ++heightColumns;
        EXPECT_EQ(title, c.title);
        for (const auto& row : table->rows) {
          if (!row[column].empty()) {
            EXPECT_EQ(CountDecimals(row[column]), decimals) << row[column];
          }
        }
      }
    EXPECT_EQ(heightColumns, 3u) << "benchmarks, catalogue, catalogue sheet";
    EXPECT_EQ(statement.Part(kBenchmarksPart)->table->rows[1], (std::vector<std::string>{"Rp2", c.benchmark}));
    const ReportTable& catalogue = *statement.Part(kCataloguePart)->table;
    for (const auto& row : catalogue.rows) {
      if (row[1] == "Rp2") {
        EXPECT_EQ(row[3], c.benchmark);
      }
    }
    EXPECT_EQ(statement.Part(kSectionsPart)->table->columns[5].title, "Превышение, мм");
    EXPECT_EQ(workbook.sheets[3].table.rows, catalogue.rows);
  }
}

// The section least squares suspects is set in bold, in the document and in
// the workbook, and leads when the sections go by |wᵢ|.
TEST(SignableStatement, TheSuspectSectionStandsOutAndLeadsByW) {
  SeparatorScope separator('.', "");
  LoopNetState fixture;
  fixture.Net().SectionHeights.SetItem(3, fixture.Net().SectionHeights.GetItem(3) + 4.0);
  LeastSquares(fixture.state);
  const int32_t suspect = fixture.state.LastLeastSquares->result.suspectSection;
  ASSERT_GE(suspect, 0);
  for (const bool byW : {false, true}) {
    DocumentOptions options;
    options.sectionsByMisclosure = byW;
    const ReportDocument statement = CurrentNetStatement(fixture.state, {"", ""}, options, StatementDiagram::kLeftOut);
    const ReportTable& sections = *statement.Part(kSectionsPart)->table;
    ASSERT_EQ(sections.rows.size(), 9u);
    const size_t suspectRow = byW ? 0 : static_cast<size_t>(suspect);
    EXPECT_EQ(sections.strongRows, std::vector<size_t>{suspectRow}) << byW;
    EXPECT_EQ(sections.rows[suspectRow][0], std::to_string(suspect + 1));
    EXPECT_EQ(sections.rows[suspectRow][9], kSuspectMark);
    std::vector<double> w;
    for (const auto& row : sections.rows) w.push_back(row[8] == "—" ? -1.0 : std::abs(ParseDouble(row[8])));
    EXPECT_EQ(std::is_sorted(w.rbegin(), w.rend()), byW);
    std::vector<std::string> numbers;
    for (const auto& row : sections.rows) numbers.push_back(row[0]);
    std::sort(numbers.begin(), numbers.end());
    EXPECT_EQ(numbers, (std::vector<std::string>{"1", "2", "3", "4", "5", "6", "7", "8", "9"})) << "every section once";
    EXPECT_NE(ReportHtml(statement).find("<tr class=\"strong\"><td align=\"right\">" + std::to_string(suspect + 1)),
              std::string::npos);
  }
}

}  // namespace
}  // namespace korvado
