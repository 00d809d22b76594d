#include "JournalSearch.h"

#include "NumberText.h"

namespace korvado {

std::vector<SearchRow> SearchJournalRuns(const TKorData& journal, const std::string& point) {
  std::vector<SearchRow> rows;
  for (int32_t k = 0; k < journal.RecordCount(); ++k) {
    const bool forward = journal.BackPoints[k] == point;
    if (!forward && journal.ForePoints[k] != point) continue;
    const double height = journal.HeightDiffs.GetItem(k);
    SearchRow row;
    row.ForePoint = forward ? journal.ForePoints[k] : journal.BackPoints[k];
    row.SetupsText = std::to_string(journal.SetupCounts.GetItem(k));
    row.HeightText = FormatFixed(2, forward ? height : -height);
    row.Note = journal.Notes[k];
    row.Ref = MakeJournalRef(k, !forward);
    rows.push_back(std::move(row));
  }
  return rows;
}

int32_t OnwardRow(const std::vector<SearchRow>& rows, const std::string& cameFrom) {
  if (rows.size() < 2) return -1;
  for (size_t m = 0; m < rows.size(); ++m) {
    if (rows[m].ForePoint != cameFrom) continue;
    return m == 0 ? 1 : static_cast<int32_t>(m) - 1;
  }
  return -1;
}

}  // namespace korvado
