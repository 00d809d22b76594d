#include "AdjustmentStatement.h"

#include <gtest/gtest.h>

#include "MessageRecorder.h"
#include "ReportHtml.h"
#include "SeparatorScope.h"

namespace korvado {
namespace {

using Rows = std::vector<std::vector<std::string>>;

// Rp10 (100) -> K (nodal) -> Rp2 (110) and a loop K -> K of four setups.
TKorNet StatementNet() {
  TKorNet net;
  net.Name = "Сеть <1> & 2";
  net.AddSection("Rp10", "X", kFixedPoint, kIntermediatePoint, 1.0, 1, 1);
  net.AppendRun(0, "K", kNodalPoint, 3.0, 3, 2);
  net.AddSection("K", "Rp2", kNodalPoint, kFixedPoint, 6.1, 2, 3);
  net.AddSection("K", "K", kNodalPoint, kNodalPoint, 0.8, 4, 4);
  net.AddPoint("Rp10", kFixedPoint, 100.0);
  net.AddPoint("K", kNodalPoint, 103.95);
  net.AddPoint("Rp2", kFixedPoint, 110.0);
  return net;
}

const ReportTable& TableOf(const ReportDocument& document, const char* heading) {
  const ReportPart* part = document.Part(heading);
  EXPECT_TRUE(part && part->table) << heading;
  return *part->table;
}

TEST(AdjustmentStatement, PartsHoldTheNetsFiguresInOrder) {
  SeparatorScope separator(',', " ");
  const ReportDocument document = AdjustmentStatement(StatementNet(), {"/data/job.kor", "08.12.2026 10:15"}, 3);
  std::vector<std::string> headings;
  for (const ReportPart& part : document.parts) headings.push_back(part.heading);
  EXPECT_EQ(headings, (std::vector<std::string>{kTitlePart, kSummaryPart, kBenchmarksPart, kSectionsPart,
                                                kCataloguePart}));
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
  const std::string html = ReportHtml(AdjustmentStatement(StatementNet(), {"", ""}, 0));
  EXPECT_NE(html.find("Сеть &lt;1&gt; &amp; 2"), std::string::npos);
  EXPECT_EQ(html.find("<1>"), std::string::npos);
  EXPECT_NE(html.find("<thead><tr><th align=\"right\">№</th><th>Точка</th>"), std::string::npos);
  EXPECT_NE(html.find("<td align=\"right\">103.95</td>"), std::string::npos);
  EXPECT_NE(html.find("(не сохранен)"), std::string::npos);
}

TEST(AdjustmentStatement, WithoutACurrentNetThereIsNoStatement) {
  MessageRecorder messages;
  AppState state;
  EXPECT_FALSE(CurrentNetStatement(state));
  EXPECT_EQ(messages.errors.size(), 1u);
}

}  // namespace
}  // namespace korvado
