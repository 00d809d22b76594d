// The workbook of a statement read back from its file: the cells, not the bytes.

#include <gtest/gtest.h>

#include "LeastSquaresCommands.h"
#include "LoopNetState.h"
#include "NumberText.h"
#include "ReportXlsx.h"
#include "SeparatorScope.h"
#include "StatementWorkbook.h"
#include "TempFolder.h"
#include "Utf8Text.h"
#include "WorkbookReader.h"

namespace korvado {
namespace {

std::string Reference(size_t column, size_t row) {
  return std::string(1, static_cast<char>('A' + column)) + std::to_string(row + 1);
}

// Every cell of every sheet as the workbook was given it: a number of a
// numeric column as a number in the format of its decimals, the rest as text.
void ExpectSheetsAsGiven(const ReportWorkbook& given, const std::vector<WorkbookSheetContents>& read) {
  ASSERT_EQ(read.size(), given.sheets.size());
  const size_t top = given.stamp.empty() ? 0 : 1;
  for (size_t s = 0; s < read.size(); ++s) {
    const WorkbookSheet& sheet = given.sheets[s];
    const WorkbookSheetContents& contents = read[s];
    EXPECT_EQ(contents.name, sheet.name);
    if (top) {
      EXPECT_EQ(contents.At("A1") ? contents.At("A1")->value : "", given.stamp) << sheet.name;
    }
    EXPECT_NE(contents.xml.find("ySplit=\"" + std::to_string(top + 1) + "\""), std::string::npos) << sheet.name;
    EXPECT_NE(contents.xml.find("state=\"frozen\""), std::string::npos) << sheet.name;
    for (size_t c = 0; c < sheet.table.columns.size(); ++c) {
      const WorkbookCell* title = contents.At(Reference(c, top));
      ASSERT_TRUE(title) << sheet.name << " " << c;
      EXPECT_EQ(title->value, sheet.table.columns[c].title);
      EXPECT_TRUE(title->bold);
    }
    for (size_t r = 0; r < sheet.table.rows.size(); ++r)
      for (size_t c = 0; c < sheet.table.rows[r].size(); ++c) {
        const std::string& text = sheet.table.rows[r][c];
        const WorkbookCell* cell = contents.At(Reference(c, top + 1 + r));
        const std::string where = sheet.name + " " + Reference(c, top + 1 + r) + " «" + text + "»";
        if (text.empty()) {
          EXPECT_FALSE(cell) << where;
          continue;
        }
        ASSERT_TRUE(cell) << where;
        bool parses = true;
        double value = 0;
        try {
          value = ParseDouble(text);
        } catch (const ConversionError&) {
          parses = false;
        }
        if (sheet.table.columns[c].numeric && parses) {
          EXPECT_TRUE(cell->number) << where;
          EXPECT_NEAR(std::stod(cell->value), value, 1e-9) << where;
          const uint8_t decimals = CountDecimals(text);
          EXPECT_EQ(cell->format, decimals ? "0." + std::string(decimals, '0') : "0") << where;
        } else {
          EXPECT_FALSE(cell->number) << where;
          EXPECT_EQ(cell->value, text) << where;
        }
        const bool strong =
            std::find(sheet.table.strongRows.begin(), sheet.table.strongRows.end(), r) != sheet.table.strongRows.end();
        EXPECT_EQ(cell->bold, strong) << where;
      }
  }
}

TEST(StatementWorkbook, ReadsBackCellForCellWithTheDocumentsNumberFormats) {
  for (const char decimal : {'.', ','}) {
    SeparatorScope separator(decimal, "");
    LoopNetState fixture;
    // One section spoiled, so that the adjustment points at it and its row is bold.
    fixture.Net().SectionHeights.SetItem(3, fixture.Net().SectionHeights.GetItem(3) + 4.0);
    ASSERT_TRUE(AdjustCurrentNetByLeastSquares(fixture.state));
    const TempFolder folder;
    for (const bool stamped : {false, true}) {
      ReportWorkbook workbook = CurrentNetWorkbook(fixture.state, {"job.kor", "08.12.2026"}, {});
      ASSERT_TRUE(workbook.stamp.empty());
      ASSERT_FALSE(workbook.sheets[1].table.strongRows.empty()) << "the suspect section";
      if (stamped) workbook.stamp = kUnadjustedStamp;
      const std::string path = folder.File("statement.xlsx");
      SaveReportXlsx(workbook, path);
      const std::vector<WorkbookSheetContents> sheets = ReadWorkbook(path);
      std::vector<std::string> names;
      for (const WorkbookSheetContents& sheet : sheets) names.push_back(sheet.name);
      EXPECT_EQ(names, (std::vector<std::string>{kSummarySheet, kSectionsSheet, kLoopsSheet, kCatalogueSheet,
                                                 kAccuracySheet}));
      ExpectSheetsAsGiven(workbook, sheets);
      // The labels of «Сводка» fit their column.
      size_t longest = 0;
      for (const auto& row : workbook.sheets[0].table.rows) longest = std::max(longest, Utf8CharCount(row[0]));
      const std::string& xml = sheets[0].xml;
      const std::string firstColumn = "<col min=\"1\" max=\"1\" width=\"";
      const size_t column = xml.find(firstColumn);
      ASSERT_NE(column, std::string::npos) << xml.substr(0, 600);
      EXPECT_GE(std::stod(xml.substr(column + firstColumn.size())), static_cast<double>(longest));
    }
  }
}

}  // namespace
}  // namespace korvado
