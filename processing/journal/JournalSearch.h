#pragma once
// The search of the journal for the runs that start or end at a point, each
// read from that point, and the choice of the row that leads a walk onward.

#include <cstdint>
#include <string>
#include <vector>

#include "KorData.h"

namespace korvado {

// One run found at the searched point, as the result grid shows it.
struct SearchRow {
  std::string ForePoint;   // the run's other end
  std::string SetupsText;  // decimal setup count
  std::string HeightText;  // two decimals, sign taken from the searched point
  std::string Note;
  int32_t Ref = 0;  // JournalRef: +k as recorded, -k reversed
};

// Journal order; a record from the point to itself is listed once, as recorded.
std::vector<SearchRow> SearchJournalRuns(const TKorData& journal, const std::string& point);

// The row (from 0) to preselect after a run from cameFrom was added, so that a
// double click goes on instead of back: the row above the first one returning
// to cameFrom, or the second row when that one is first. -1 leaves the
// selection alone (one row or none, or no row returning).
int32_t OnwardRow(const std::vector<SearchRow>& rows, const std::string& cameFrom);

}  // namespace korvado
