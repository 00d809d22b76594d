#pragma once
// Positions for a large graph in time linear in its edges: classical scaling
// of the graph distances to a few pivot vertices (pivot MDS). A levelling
// net is close to planar and mesh-like, and scaling its hop distances draws
// it much as it lies on the ground, in a fraction of a second at the
// format's limit, where force-directed layouts take tens of seconds.

#include <cstdint>
#include <utility>
#include <vector>

#include "NetLayout.h"
#include "TaskProgress.h"

namespace korvado {

// Vertices 0 .. count-1 joined by edges (parallel edges and loops allowed).
// Each connected part is laid out on its own, about one unit per edge, and
// the parts are placed in rows, largest first. Always the same for the same graph.
std::vector<LayoutPosition> PivotLayout(size_t count, const std::vector<std::pair<int32_t, int32_t>>& edges,
                                        const TaskProgress& progress = {});

}  // namespace korvado
