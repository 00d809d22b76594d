#include <gtest/gtest.h>

#include "JournalRuns.h"
#include "JournalSearch.h"
#include "SeparatorScope.h"

namespace korvado {
namespace {

std::vector<std::string> ForePoints(const std::vector<SearchRow>& rows) {
  std::vector<std::string> points;
  for (const SearchRow& row : rows) points.push_back(row.ForePoint);
  return points;
}

TEST(JournalSearch, RunsAtThePointAreListedFromItWithReversedSignAndReference) {
  for (const char separator : {'.', ','}) {
    SeparatorScope scope(separator, " ");
    TKorData journal;
    AddJournalRun(journal, "A", "B", 2, 1.25, "первый");
    AddJournalRun(journal, "C", "D", 5, 3.00);
    AddJournalRun(journal, "K", "A", 3, -0.40, "обратно");
    const std::vector<SearchRow> rows = SearchJournalRuns(journal, "A");
    ASSERT_EQ(rows.size(), 2u);
    const std::string dot(1, separator);
    EXPECT_EQ(rows[0].ForePoint, "B");
    EXPECT_EQ(rows[0].SetupsText, "2");
    EXPECT_EQ(rows[0].HeightText, "1" + dot + "25");
    EXPECT_EQ(rows[0].Note, "первый");
    EXPECT_EQ(rows[0].Ref, 1);
    EXPECT_EQ(rows[1].ForePoint, "K");
    EXPECT_EQ(rows[1].SetupsText, "3");
    EXPECT_EQ(rows[1].HeightText, "0" + dot + "40");
    EXPECT_EQ(rows[1].Note, "обратно");
    EXPECT_EQ(rows[1].Ref, -3);
  }
}

TEST(JournalSearch, NamesMatchExactlyAndARunToItselfIsListedOnceAsRecorded) {
  TKorData journal;
  AddJournalRun(journal, "A", "A", 1, 0.5);
  AddJournalRun(journal, "a", "B", 1, 0.1);
  AddJournalRun(journal, "B", "A ", 1, 0.2);
  const std::vector<SearchRow> rows = SearchJournalRuns(journal, "A");
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].Ref, 1);
  EXPECT_EQ(rows[0].HeightText, "0.50");
  EXPECT_TRUE(SearchJournalRuns(journal, "Z").empty());
}

TEST(JournalSearch, ARunThatFailedTheScaleCheckIsListedWithTheMarkerValue) {
  TKorData journal;
  AddJournalRun(journal, "A", "B", 2, InvalidHeight);
  EXPECT_EQ(SearchJournalRuns(journal, "A")[0].HeightText, "1234567.00");
  EXPECT_EQ(SearchJournalRuns(journal, "B")[0].HeightText, "-1234567.00");
}

TEST(JournalSearch, TheWalkGoesOnPastTheRunThatLeadsBack) {
  TKorData journal;
  // At L: K -> L (back to K), L -> M, L -> K (back to K again).
  AddJournalRun(journal, "K", "L", 1, 0.1);
  AddJournalRun(journal, "L", "M", 1, 0.2);
  AddJournalRun(journal, "L", "K", 1, 0.3);
  std::vector<SearchRow> rows = SearchJournalRuns(journal, "L");
  ASSERT_EQ(ForePoints(rows), (std::vector<std::string>{"K", "M", "K"}));
  EXPECT_EQ(OnwardRow(rows, "K"), 1) << "the first row leads back: the second is preselected";

  TKorData later;
  AddJournalRun(later, "L", "M", 1, 0.2);
  AddJournalRun(later, "L", "N", 1, 0.2);
  AddJournalRun(later, "K", "L", 1, 0.1);
  rows = SearchJournalRuns(later, "L");
  EXPECT_EQ(OnwardRow(rows, "K"), 1) << "the row above the one leading back";
  EXPECT_EQ(OnwardRow(rows, "Q"), -1) << "no row leads back";
  rows.resize(1);
  EXPECT_EQ(OnwardRow(rows, "M"), -1) << "a single row is left as it is";
}

}  // namespace
}  // namespace korvado
