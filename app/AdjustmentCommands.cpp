#include "AdjustmentCommands.h"

#include "AdjustmentSweep.h"
#include "NetUpdate.h"
#include "NumberText.h"
#include "PointTable.h"
#include "ShowOutcome.h"

namespace korvado {

std::vector<EquateRow> EquateRows(const TKorNet& net) {
  std::vector<EquateRow> rows;
  rows.reserve(static_cast<size_t>(net.PointCount()));
  for (int32_t p = 0; p < net.PointCount(); ++p)
    rows.push_back({net.PointTypes.GetItem(p), net.PointNames[p], FormatGeneral(net.PointElevations.GetItem(p))});
  return rows;
}

bool RebuildCurrentNetPoints(AppState& state) {
  if (!RequireCurrentNet(state) || !ShowOutcome(RebuildPoints(state.Nets.NetAt(state.CurrentNetIndex)))) return false;
  state.MarkChanged();
  return true;
}

std::optional<OriginAltitudeDialogContent> OpenOriginAltitudes(const AppState& state) {
  if (!RequireCurrentNet(state)) return std::nullopt;
  const TKorNet& net = state.Nets.NetAt(state.CurrentNetIndex);
  return OriginAltitudeDialogContent{OriginAltitudeTitle(net), FixedPointRows(net)};
}

bool ApplyOriginAltitudes(AppState& state, const std::vector<AltitudeRow>& rows) {
  if (!RequireCurrentNet(state) || !ShowOutcome(ApplyFixedElevations(state.Nets.NetAt(state.CurrentNetIndex), rows)))
    return false;
  state.MarkChanged();
  state.IterationCounter = 0;
  return true;
}

void CancelOriginAltitudes(AppState& state) { state.IterationCounter = 0; }

namespace {

// The shape of the net last swept, for the next sweep: it is checked against
// the net's shape on every use and planned again when it does not fit, so
// one plan serves whichever net and state comes next.
SweepPlan& KeptSweepPlan() {
  static SweepPlan plan;
  return plan;
}

}  // namespace

std::optional<double> AdjustCurrentNet(AppState& state) {
  if (!RequireCurrentNet(state)) return std::nullopt;
  const Result<double> error = AdjustOnce(state.Nets.NetAt(state.CurrentNetIndex), KeptSweepPlan());
  if (!ShowOutcome(error)) return std::nullopt;
  state.MarkChanged();
  ++state.IterationCounter;
  return *error;
}

std::optional<EquateView> EquateCurrentNet(AppState& state) {
  const std::optional<double> error = AdjustCurrentNet(state);
  if (!error) return std::nullopt;
  const TKorNet& net = state.Nets.NetAt(state.CurrentNetIndex);
  const std::string muText = FormatFixed(2, *error);
  return EquateView{EquateRows(net), "Итерация: " + std::to_string(state.IterationCounter), "СКО: " + muText + " мм",
                    *error, muText};
}

void UpdateNetsFromJournal(AppState& state) {
  if (state.Nets.NetCount() == 0) return;
  const Result<bool> changed = RefreshNetsFromJournal(state.Nets, state.Journal);
  if (changed.HasValue() && *changed) state.MarkChanged();
  ShowOutcome(changed);
}

}  // namespace korvado
