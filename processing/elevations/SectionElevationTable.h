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

// Marks a pendent point in the table, and finds a point hanging off another one.
inline constexpr const char* kPendentMark = " [вис.]";

// No point icon (an empty row).
inline constexpr int32_t kNoIcon = -1;

struct ElevationRow {
  std::string name;
  // Two decimals with the locale's separator; empty when it cannot be computed.
  std::string elevation;
  int32_t icon = kNoIcon;
  bool operator==(const ElevationRow&) const = default;
};

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
