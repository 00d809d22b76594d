#include "DiagramSource.h"

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
  uint64_t hash = AdjustmentFingerprint(net);
  auto mix = [&hash](const void* data, size_t size) {
    for (size_t k = 0; k < size; ++k) hash = (hash ^ static_cast<const unsigned char*>(data)[k]) * 1099511628211ull;
  };
  auto text = [&mix](const std::string& s) { mix(s.data(), s.size() + 1); };
  text(net.Name);
  for (int32_t s = 0; s < net.SectionTables.Count(); ++s) {
    const TKorNetDetailTable& table = net.SectionTables.TableAt(s);
    for (int32_t r = 0; r < table.RunCount(); ++r) {
      text(table.RunForePoints[r]);
      const double setups = table.RunSetups.GetItem(r);
      mix(&setups, sizeof setups);
    }
    for (int32_t p = 0; p < table.PendentCount(); ++p) {
      text(table.PendentBackPoints[p]);
      text(table.PendentForePoints[p]);
    }
  }
  const double figures[] = {state.LoopTolerance.Coefficient(), state.SigmaPerSetup,
                            KeptLeastSquares(state, index) ? 1.0 : 0.0, static_cast<double>(index)};
  mix(figures, sizeof figures);
  return hash;
}

NetDiagram BuildNetDiagram(const DiagramSource& source, const DiagramLayout* reuse, const TaskProgress& progress) {
  return BuildNetDiagram(source.net, NetLoops(source.net, source.index, source.tolerance),
                         source.leastSquares ? &*source.leastSquares : nullptr, reuse, progress);
}

}  // namespace korvado
