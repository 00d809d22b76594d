#include <gtest/gtest.h>

#include "JournalRuns.h"
#include "PendentSearch.h"
#include "SeparatorScope.h"

namespace korvado {
namespace {

TEST(PendentSearch, ASpurIsReadFromTheSectionsPointToThePendentPoint) {
  for (const char separator : {'.', ','}) {
    SeparatorScope scope(separator, " ");
    const std::string dot(1, separator);
    TKorData journal;
    AddJournalRun(journal, "Q", "R", 1, 9.0);
    AddJournalRun(journal, "A", "B", 3, 1.25, "висячка");

    std::vector<PendentRow> rows = SearchPendentRuns(journal, "B", {{"A", 0, "C", 2}});
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].Point, "A");
    EXPECT_EQ(rows[0].Icon, 0);
    EXPECT_EQ(rows[0].SetupsText, "3");
    EXPECT_EQ(rows[0].HeightText, "1" + dot + "25");
    EXPECT_EQ(rows[0].Note, "висячка");
    EXPECT_EQ(rows[0].Ref, 2);

    // Searched from the other end: the section holds B, the spur runs against the record.
    rows = SearchPendentRuns(journal, "A", {{"X", 1, "B", 2}});
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].Point, "B");
    EXPECT_EQ(rows[0].Icon, 2) << "found under the fore point, with that cell's icon";
    EXPECT_EQ(rows[0].HeightText, "-1" + dot + "25");
    EXPECT_EQ(rows[0].Ref, -2);
  }
}

TEST(PendentSearch, OnlyRunsToAListedPointAreFoundAndTheFirstListedCellGivesTheIcon) {
  TKorData journal;
  AddJournalRun(journal, "A", "B", 3, 1.0);
  AddJournalRun(journal, "Z", "B", 2, 0.5);
  AddJournalRun(journal, "B", "A", 4, -1.1);
  AddJournalRun(journal, "B", "B", 1, 0.3);
  AddJournalRun(journal, "W", "V", 1, 0.7);
  // A stands in the first row's fore cell and in the second row's back cell.
  const std::vector<ListedRunEnds> listed = {{"P", 1, "A", 2}, {"A", 0, "B", 1}};
  const std::vector<PendentRow> rows = SearchPendentRuns(journal, "B", listed);
  ASSERT_EQ(rows.size(), 3u) << "Z is not listed; B to itself counts as a back-point match";
  EXPECT_EQ(rows[0].Point, "A");
  EXPECT_EQ(rows[0].Icon, 2);
  EXPECT_EQ(rows[0].Ref, 1);
  EXPECT_EQ(rows[1].Point, "A");
  EXPECT_EQ(rows[1].HeightText, "1.1");
  EXPECT_EQ(rows[1].Ref, -3);
  EXPECT_EQ(rows[2].Point, "B");
  EXPECT_EQ(rows[2].Icon, 1);
  EXPECT_EQ(rows[2].HeightText, "-0.3");
  EXPECT_EQ(rows[2].Ref, -4);

  EXPECT_TRUE(SearchPendentRuns(journal, "V", listed).empty()) << "W stands nowhere in the list";
  EXPECT_TRUE(SearchPendentRuns(journal, "b", listed).empty()) << "names compare exactly";
}

}  // namespace
}  // namespace korvado
