#include "SectionElevationTable.h"

#include <optional>

#include "ModelErrors.h"
#include "NumberText.h"
#include "Utf8Text.h"

namespace korvado {

namespace {

// The misclosure is shared in proportion to the run weights 10/n. A run
// without setups has an unbounded weight: such runs share the misclosure
// equally and the others take none, the limit of 10/n as n goes to 0.
std::vector<double> MisclosureWeights(const TKorNetDetailTable& table) {
  const int32_t runs = table.RunCount();
  bool someWithoutSetups = false;
  for (int32_t j = 0; j < runs; ++j)
    if (!(table.RunSetups.GetItem(j) > 0.0)) someWithoutSetups = true;
  std::vector<double> weights;
  for (int32_t j = 0; j < runs; ++j) {
    const double setups = table.RunSetups.GetItem(j);
    if (someWithoutSetups)
      weights.push_back(setups > 0.0 ? 0.0 : 1.0);
    else
      weights.push_back(10.0 / setups);
  }
  return weights;
}

std::optional<double> ElevationOf(const TKorNet& net, const PointIndex& foldedPoints, const std::string& name) {
  const int32_t point = FindInIndex(foldedPoints, FoldCase(name));
  if (point < 0) return std::nullopt;
  return net.PointElevations.GetItem(point);
}

void FillRunElevations(std::vector<ElevationRow>& rows, const TKorNet& net, int32_t s, const TKorNetDetailTable& table,
                       const PointIndex& foldedPoints) {
  const std::optional<double> start = ElevationOf(net, foldedPoints, net.SectionStarts[s]);
  const std::optional<double> end = ElevationOf(net, foldedPoints, net.SectionEnds[s]);
  if (!start) return;
  rows[0].elevation = FormatFixed(2, *start);
  if (!end) return;
  const double misclosure = net.SectionHeights.GetItem(s) + *start - *end;
  const std::vector<double> weights = MisclosureWeights(table);
  double weightSum = 0.0;
  for (double weight : weights) weightSum += weight;
  double carried = 0.0;
  for (int32_t j = 0; j < table.RunCount(); ++j) {
    carried = carried + table.RunHeights.GetItem(j) - misclosure * weights[j] / weightSum;
    rows[j + 1].elevation = FormatFixed(2, *start + carried);
  }
}

// The shown two-decimal text of the first row named `name`, ignoring letter case.
std::optional<double> ShownElevation(const std::vector<ElevationRow>& rows, const std::string& name) {
  const std::string folded = FoldCase(name);
  for (const ElevationRow& row : rows) {
    if (FoldCase(row.name) != folded) continue;
    if (row.elevation.empty()) return std::nullopt;
    try {
      return ParseDouble(row.elevation);
    } catch (const ConversionError&) {
      return std::nullopt;
    }
  }
  return std::nullopt;
}

bool HasRow(const std::vector<ElevationRow>& rows, const std::string& name) {
  const std::string folded = FoldCase(name);
  for (const ElevationRow& row : rows)
    if (FoldCase(row.name) == folded) return true;
  return false;
}

// A pendent point hangs off a point of the section or off a pendent point listed above it.
void AddPendentRows(std::vector<ElevationRow>& rows, const TKorNetDetailTable& table) {
  for (int32_t j = 0; j < table.PendentCount(); ++j) {
    const std::string& attachment = table.PendentBackPoints[j];
    const std::string base = HasRow(rows, attachment) ? attachment : attachment + kPendentMark;
    const std::optional<double> baseElevation = ShownElevation(rows, base);
    ElevationRow row{table.PendentForePoints[j] + kPendentMark, "", kIntermediatePoint};
    if (baseElevation) row.elevation = FormatFixed(2, *baseElevation + table.PendentHeights.GetItem(j));
    rows.push_back(std::move(row));
  }
}

}  // namespace

std::vector<ElevationRow> SectionElevationTable(const TKorNet& net, int32_t section) {
  return SectionElevationTable(net, section, BuildFoldedPointIndex(net.PointNames));
}

std::vector<ElevationRow> SectionElevationTable(const TKorNet& net, int32_t s, const PointIndex& foldedPoints) {
  const TKorNetDetailTable& table = net.SectionTables.TableAt(s);
  std::vector<ElevationRow> rows;
  const int32_t runs = table.RunCount();
  if (runs == 0) {
    rows.push_back({net.SectionStarts[s], "", net.SectionStartTypes.GetItem(s)});
  } else {
    for (int32_t j = 0; j < runs; ++j) rows.push_back({table.RunBackPoints[j], "", table.RunBackTypes.GetItem(j)});
    rows.push_back({table.RunForePoints[runs - 1], "", table.RunForeTypes.GetItem(runs - 1)});
  }
  FillRunElevations(rows, net, s, table, foldedPoints);
  AddPendentRows(rows, table);
  return rows;
}

}  // namespace korvado
