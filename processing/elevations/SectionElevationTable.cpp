#include "SectionElevationTable.h"

#include <optional>

#include "NumberText.h"
#include "Utf8Text.h"

namespace korvado {

namespace {

// A run's variance grows with its number of setups, so each run takes a share
// of the misclosure in proportion to its setups (equivalent runs with their
// fractional count). Runs without setups at all share it equally.
std::vector<double> MisclosureShares(const TKorNetDetailTable& table) {
  const int32_t runs = table.RunCount();
  double setupSum = 0.0;
  for (int32_t j = 0; j < runs; ++j) setupSum += table.RunSetups.GetItem(j);
  std::vector<double> shares;
  for (int32_t j = 0; j < runs; ++j)
    shares.push_back(setupSum > 0.0 ? table.RunSetups.GetItem(j) / setupSum : 1.0 / runs);
  return shares;
}

std::optional<double> ElevationOf(const TKorNet& net, const CaseTolerantIndex& points, const std::string& name) {
  const int32_t point = points.Find(name);
  if (point < 0) return std::nullopt;
  return net.PointElevations.GetItem(point);
}

void FillRunElevations(std::vector<ElevationRow>& rows, const TKorNet& net, int32_t s, const TKorNetDetailTable& table,
                       const CaseTolerantIndex& points) {
  const std::optional<double> start = ElevationOf(net, points, net.SectionStarts[s]);
  if (!start) return;
  rows[0].elevation = *start;
  const std::optional<double> misclosure = SectionMisclosure(net, s, points);
  if (!misclosure) return;
  const std::vector<double> shares = MisclosureShares(table);
  double carried = 0.0;
  for (int32_t j = 0; j < table.RunCount(); ++j) {
    carried = carried + table.RunHeights.GetItem(j) - *misclosure * shares[j];
    rows[j + 1].elevation = *start + carried;
  }
}

// The row of that name among the section's points or among the pendent ones:
// its exact spelling first, else the first row equal to it ignoring letter case.
const ElevationRow* FindRow(const std::vector<ElevationRow>& rows, const std::string& name, bool pendent) {
  for (const ElevationRow& row : rows)
    if (row.pendent == pendent && row.name == name) return &row;
  const std::string folded = FoldCase(name);
  for (const ElevationRow& row : rows)
    if (row.pendent == pendent && FoldCase(row.name) == folded) return &row;
  return nullptr;
}

// A pendent point hangs off a point of the section or off a pendent point
// listed above it. It starts from its base's elevation in the two decimals
// the table shows, so that the two agree on paper.
void AddPendentRows(std::vector<ElevationRow>& rows, const TKorNetDetailTable& table) {
  for (int32_t j = 0; j < table.PendentCount(); ++j) {
    const std::string& attachment = table.PendentBackPoints[j];
    const ElevationRow* base = FindRow(rows, attachment, false);
    if (!base) base = FindRow(rows, attachment, true);
    ElevationRow row{table.PendentForePoints[j], std::nullopt, kIntermediatePoint, true};
    if (base && base->elevation) row.elevation = RoundHalfEven(2, *base->elevation) + table.PendentHeights.GetItem(j);
    rows.push_back(std::move(row));
  }
}

}  // namespace

std::string ShownName(const ElevationRow& row) { return row.pendent ? row.name + kPendentMark : row.name; }

std::string ShownElevation(const ElevationRow& row) {
  return row.elevation ? FormatFixed(2, *row.elevation) : std::string();
}

std::optional<double> SectionMisclosure(const TKorNet& net, int32_t s, const CaseTolerantIndex& points) {
  const std::optional<double> start = ElevationOf(net, points, net.SectionStarts[s]);
  const std::optional<double> end = ElevationOf(net, points, net.SectionEnds[s]);
  if (!start || !end) return std::nullopt;
  return net.SectionHeights.GetItem(s) + *start - *end;
}

std::vector<ElevationRow> SectionElevationTable(const TKorNet& net, int32_t section) {
  return SectionElevationTable(net, section, CaseTolerantIndex(net.PointNames));
}

std::vector<ElevationRow> SectionElevationTable(const TKorNet& net, int32_t s, const CaseTolerantIndex& points) {
  const TKorNetDetailTable& table = net.SectionTables.TableAt(s);
  std::vector<ElevationRow> rows;
  const int32_t runs = table.RunCount();
  if (runs == 0) {
    rows.push_back({net.SectionStarts[s], std::nullopt, net.SectionStartTypes.GetItem(s)});
  } else {
    for (int32_t j = 0; j < runs; ++j)
      rows.push_back({table.RunBackPoints[j], std::nullopt, table.RunBackTypes.GetItem(j)});
    rows.push_back({table.RunForePoints[runs - 1], std::nullopt, table.RunForeTypes.GetItem(runs - 1)});
  }
  FillRunElevations(rows, net, s, table, points);
  AddPendentRows(rows, table);
  return rows;
}

}  // namespace korvado
