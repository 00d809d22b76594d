#pragma once
// The elevations of all points along one section: carried from the start
// point with the section's misclosure distributed over the runs, followed by
// the section's pendent points.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "KorNets.h"
#include "PointIndex.h"

namespace korvado {

// Follows a pendent point's name wherever the table is shown as text.
inline constexpr const char* kPendentMark = " [вис.]";

// No point icon (an empty row).
inline constexpr int32_t kNoIcon = -1;

struct ElevationRow {
  std::string name;  // the point's own name, unmarked
  // Nothing when it cannot be computed.
  std::optional<double> elevation;
  int32_t icon = kNoIcon;
  bool pendent = false;
  bool operator==(const ElevationRow&) const = default;
};

// The row as the table, its copies and reports show it: a pendent point's
// name followed by kPendentMark, the elevation in two decimals with the
// locale's separator (empty when there is none).
std::string ShownName(const ElevationRow& row);
std::string ShownElevation(const ElevationRow& row);

// Rows for the run points (run count + 1), then one per pendent run. The
// section ends are found in the point table by CaseTolerantIndex; an end that
// is missing leaves the elevations that depend on it empty. The index of
// section is checked (ListIndexError).
std::vector<ElevationRow> SectionElevationTable(const TKorNet& net, int32_t section);
// The same with the net's point index built once for many sections.
std::vector<ElevationRow> SectionElevationTable(const TKorNet& net, int32_t section, const CaseTolerantIndex& points);

// w = h + H(start) − H(end), the ends found as above; nothing when one is missing.
std::optional<double> SectionMisclosure(const TKorNet& net, int32_t section, const CaseTolerantIndex& points);

}  // namespace korvado
