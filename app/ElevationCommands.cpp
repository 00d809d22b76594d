#include "ElevationCommands.h"

#include <algorithm>

#include "ModelMessages.h"
#include "NetReport.h"
#include "SelectionText.h"
#include "UnsoundValues.h"

namespace korvado {

namespace {

bool IsNet(const AppState& state, int32_t net) { return net >= 0 && net < state.Nets.NetCount(); }

std::string Cell(const ElevationRow& row, int32_t column) {
  if (column == 0) return ShownName(row);
  if (column == 1) return ShownElevation(row);
  return {};
}

}  // namespace

std::vector<TreeNetNode> AltitudeTree(const AppState& state) { return ElevationTree(state.Nets); }

Result<std::vector<ElevationRow>> AltitudeTableForNode(const AppState& state, int32_t net, int32_t section) {
  const std::vector<ElevationRow> emptyRow{ElevationRow{}};
  if (!IsNet(state, net) || section < 0 || section >= state.Nets.NetAt(net).SectionCount()) return emptyRow;
  if (Outcome refused = RefuseUnsoundNet(state.Nets.NetAt(net)); !refused) return refused;
  return SectionElevationTable(state.Nets.NetAt(net), section);
}

Result<std::vector<ElevationRow>> AltitudeNetReport(const AppState& state, int32_t net) {
  if (!IsNet(state, net)) return Outcome::Refusal(kIndexOutOfRangeMessage);
  if (Outcome refused = RefuseUnsoundNet(state.Nets.NetAt(net)); !refused) return refused;
  return NetReport(state.Nets.NetAt(net));
}

std::string AltitudeTableCopyText(const std::vector<ElevationRow>& rows, int32_t top, int32_t left, int32_t bottom,
                                  int32_t right) {
  top = std::max(top, 0);
  left = std::max(left, 0);
  bottom = std::min(bottom, static_cast<int32_t>(rows.size()) - 1);
  right = std::min(right, 1);
  std::vector<std::vector<std::string>> cells;
  for (int32_t r = top; r <= bottom; ++r) {
    std::vector<std::string> line;
    for (int32_t c = left; c <= right; ++c) line.push_back(Cell(rows[r], c));
    cells.push_back(std::move(line));
  }
  return SelectedCellsText(cells);
}

}  // namespace korvado
