#include "AdjustmentCommands.h"

#include "AdjustmentSweep.h"
#include "NetUpdate.h"
#include "NumberText.h"
#include "PointTable.h"
#include "RecordStep.h"

namespace korvado {

std::vector<EquateRow> EquateRows(const TKorNet& net) {
  std::vector<EquateRow> rows;
  rows.reserve(static_cast<size_t>(net.PointCount()));
  for (int32_t p = 0; p < net.PointCount(); ++p)
    rows.push_back({net.PointTypes.GetItem(p), net.PointNames[p], FormatFixed(2, net.PointElevations.GetItem(p)),
                    FormatGeneral(net.PointElevations.GetItem(p))});
  return rows;
}

Outcome RebuildCurrentNetPoints(AppState& state) {
  return RecordStep(state, "перестроение таблицы точек", [&]() -> Outcome {
    Outcome rebuilt =
        RequireCurrentNet(state).AndThen([&] { return RebuildPoints(state.Nets.NetAt(state.CurrentNetIndex)); });
    if (rebuilt) state.MarkChanged();
    return rebuilt;
  });
}

Result<OriginAltitudeDialogContent> OpenOriginAltitudes(const AppState& state) {
  if (Outcome refused = RequireCurrentNet(state); !refused) return refused;
  const TKorNet& net = state.Nets.NetAt(state.CurrentNetIndex);
  return OriginAltitudeDialogContent{OriginAltitudeTitle(net), FixedPointRows(net)};
}

Outcome ApplyOriginAltitudes(AppState& state, const std::vector<AltitudeRow>& rows) {
  return RecordStep(state, "ввод отметок исходных пунктов", [&]() -> Outcome {
    Outcome applied = RequireCurrentNet(state).AndThen(
        [&] { return ApplyFixedElevations(state.Nets.NetAt(state.CurrentNetIndex), rows); });
    if (!applied) return applied;
    state.MarkChanged();
    state.IterationCounter = 0;
    return applied;
  });
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

Result<double> AdjustCurrentNet(AppState& state) {
  return RecordStep(state, "уравнивание сети", [&]() -> Result<double> {
    if (Outcome refused = RequireCurrentNet(state); !refused) return refused;
    Result<double> error = AdjustOnce(state.Nets.NetAt(state.CurrentNetIndex), KeptSweepPlan());
    if (!error) return error;
    state.MarkChanged();
    ++state.IterationCounter;
    return error;
  });
}

Result<EquateView> EquateCurrentNet(AppState& state) {
  const Result<double> error = AdjustCurrentNet(state);
  if (!error) return error;
  const TKorNet& net = state.Nets.NetAt(state.CurrentNetIndex);
  const std::string muText = FormatFixed(2, *error);
  Result<EquateView> view = EquateView{EquateRows(net), "Итерация: " + std::to_string(state.IterationCounter),
                                       "СКО: " + muText + " мм", *error, muText};
  view.Append(error);
  return view;
}

Outcome UpdateNetsFromJournal(AppState& state) {
  return RecordStep(state, "обновление данных сетей", [&]() -> Outcome {
    if (state.Nets.NetCount() == 0) return {};
    const Result<bool> changed = RefreshNetsFromJournal(state.Nets, state.Journal);
    if (changed.HasValue() && *changed) state.MarkChanged();
    return changed;
  });
}

}  // namespace korvado
