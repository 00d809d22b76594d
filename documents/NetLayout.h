#pragma once
// Positions for drawing a levelling net, which carries no coordinates: the
// points and the sections as a graph laid out by Graphviz (neato for small
// nets, sfdp for mid-sized ones) or, for large nets, by pivot scaling of the
// graph distances; always the same for the same net.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "TaskProgress.h"

namespace korvado {

struct LayoutPosition {
  double x = 0.0;
  double y = 0.0;
  bool operator==(const LayoutPosition&) const = default;
};

inline constexpr double kLayoutEdgeLength = 90.0;

// Vertices 0 .. count-1 joined by edges (parallel edges and loops allowed).
// Positions are scaled so that a typical edge is about `edgeLength` long, y down.
// Graphviz cannot be interrupted: `progress` stops only the pivot layout.
std::vector<LayoutPosition> LayOutGraph(size_t count, const std::vector<std::pair<int32_t, int32_t>>& edges,
                                        double edgeLength = kLayoutEdgeLength, const TaskProgress& progress = {});

}  // namespace korvado
