#include "PendentSearch.h"

#include <optional>

#include "NumberText.h"

namespace korvado {

namespace {

std::optional<int32_t> ListedIcon(const std::vector<ListedRunEnds>& listed, const std::string& point) {
  for (const ListedRunEnds& row : listed) {
    if (row.BackPoint == point) return row.BackIcon;
    if (row.ForePoint == point) return row.ForeIcon;
  }
  return std::nullopt;
}

}  // namespace

std::vector<PendentRow> SearchPendentRuns(const TKorData& journal, const std::string& pendentPoint,
                                          const std::vector<ListedRunEnds>& listed) {
  std::vector<PendentRow> rows;
  for (int32_t e = 0; e < journal.RecordCount(); ++e) {
    // Recorded from the pendent point means the spur runs against the record.
    const bool fromPendent = journal.BackPoints[e] == pendentPoint;
    if (!fromPendent && journal.ForePoints[e] != pendentPoint) continue;
    const std::string other = fromPendent ? journal.ForePoints[e] : journal.BackPoints[e];
    const std::optional<int32_t> icon = ListedIcon(listed, other);
    if (!icon) continue;
    const double height = journal.HeightDiffs.GetItem(e);
    PendentRow row;
    row.Point = other;
    row.Icon = *icon;
    row.SetupsText = std::to_string(journal.SetupCounts.GetItem(e));
    row.HeightText = FormatGeneral(fromPendent ? -height : height);
    row.Note = journal.Notes[e];
    row.Ref = MakeJournalRef(e, fromPendent);
    rows.push_back(std::move(row));
  }
  return rows;
}

}  // namespace korvado
