#include "DiagramSource.h"

#include "Fnv1a.h"
#include "LeastSquaresCommands.h"
#include "LoopCommands.h"

namespace korvado {

DiagramSource CopyDiagramSource(const AppState& state, int32_t index) {
  DiagramSource source{index, state.Nets.NetAt(index), state.LoopTolerance, std::nullopt, DiagramStamp(state, index)};
  if (const LeastSquaresResult* kept = KeptLeastSquares(state, index)) source.leastSquares = *kept;
  return source;
}

uint64_t DiagramStamp(const AppState& state, int32_t index) {
  const TKorNet& net = state.Nets.NetAt(index);
  Fnv1a hash;
  hash.AddNumber(AdjustmentFingerprint(net)).AddText(net.Name);
  for (int32_t s = 0; s < net.SectionTables.Count(); ++s) {
    const TKorNetDetailTable& table = net.SectionTables.TableAt(s);
    for (int32_t r = 0; r < table.RunCount(); ++r) {
      const double setups = table.RunSetups.GetItem(r);
      hash.AddText(table.RunForePoints[r]).Add(&setups, sizeof setups);
    }
    for (int32_t p = 0; p < table.PendentCount(); ++p)
      hash.AddText(table.PendentBackPoints[p]).AddText(table.PendentForePoints[p]);
  }
  const double figures[] = {state.LoopTolerance.Coefficient(), state.SigmaPerSetup,
                            KeptLeastSquares(state, index) ? 1.0 : 0.0, static_cast<double>(index)};
  return hash.Add(figures, sizeof figures).Value();
}

NetDiagram BuildNetDiagram(const DiagramSource& source, const DiagramLayout* reuse, const TaskProgress& progress) {
  return BuildNetDiagram(source.net, NetLoops(source.net, source.index, source.tolerance),
                         source.leastSquares ? &*source.leastSquares : nullptr, reuse, progress);
}

}  // namespace korvado
