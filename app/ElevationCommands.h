#pragma once
// The commands of the elevation page: the tree of nets and sections, the
// table of the selected node, the net report and the copied text. Nothing
// here changes the data. A net holding a value that is not a finite number is
// refused with a message naming it: the table then shows one empty row.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "AppState.h"
#include "ElevationTree.h"
#include "SectionElevationTable.h"

namespace korvado {

// btnUpDateTreeClick.
std::vector<TreeNetNode> AltitudeTree(const AppState& state);

// AltitudeTreeChange. section -1 is the net node itself; a net node, no node
// (net -1) and a node the nets no longer have give one empty row; a net
// holding values that are not finite numbers is refused.
Result<std::vector<ElevationRow>> AltitudeTableForNode(const AppState& state, int32_t net, int32_t section);

// btnNetReportClick on the net node `net`: refused when there is no such net.
Result<std::vector<ElevationRow>> AltitudeNetReport(const AppState& state, int32_t net);

// acCopyFromAltitudeTableExecute: the block of rows top..bottom and columns
// left..right (both from 0, data rows only; column 0 the name, 1 the elevation).
std::string AltitudeTableCopyText(const std::vector<ElevationRow>& rows, int32_t top, int32_t left, int32_t bottom,
                                  int32_t right);

}  // namespace korvado
