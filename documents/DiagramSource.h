#pragma once
// What the diagram of a net is drawn from, copied out of the running
// program's state, so that a large net can be laid out on another thread
// while the window goes on; and a stamp of it, to tell whether a diagram
// that arrives later still shows the data as they are.

#include <cstdint>
#include <optional>

#include "AppState.h"
#include "NetDiagram.h"

namespace korvado {

struct DiagramSource {
  int32_t index = -1;
  TKorNet net;
  Tolerance tolerance;
  std::optional<LeastSquaresResult> leastSquares;  // the kept result while it is valid for the net
  uint64_t stamp = 0;
};

// Net `index` of the state's list, which must exist.
DiagramSource CopyDiagramSource(const AppState& state, int32_t index);

// Changes with whatever the diagram of net `index` shows: the net's sections,
// runs, pendent points, points and elevations, the tolerance, the a-priori σ
// and whether a least-squares result is kept for it.
uint64_t DiagramStamp(const AppState& state, int32_t index);

NetDiagram BuildNetDiagram(const DiagramSource& source, const DiagramLayout* reuse = nullptr,
                           const TaskProgress& progress = {});

}  // namespace korvado
