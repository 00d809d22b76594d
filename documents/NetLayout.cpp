#include "NetLayout.h"

#include <graphviz/gvc.h>
#include <graphviz/types.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <mutex>

#include "ModelErrors.h"
#include "PivotLayout.h"

namespace korvado {

namespace {

// neato's stress majorization draws small nets best but grows quadratically;
// sfdp's multilevel force layout draws mid-sized nets well within a second,
// but takes seconds at ten thousand points and most of a minute at the
// format's limit, where pivot scaling takes a fraction of a second.
constexpr size_t kNeatoLimit = 300;
constexpr size_t kSfdpLimit = 3000;

char* Text(const char* text) { return const_cast<char*>(text); }

#ifdef KORVADO_GRAPHVIZ_BUILTIN_PLUGINS
// The Windows build links Graphviz statically: its layout plugins are in the
// program, not loaded from a plugin folder.
extern "C" gvplugin_library_t gvplugin_neato_layout_LTX_library;
const lt_symlist_t kBuiltinPlugins[] = {
    {"gvplugin_neato_layout_LTX_library", &gvplugin_neato_layout_LTX_library},
    {nullptr, nullptr},
};
GVC_t* NewContext() { return gvContextPlugins(kBuiltinPlugins, 0); }
#else
GVC_t* NewContext() { return gvContext(); }
#endif

// One context for the life of the process: the text-size plugin keeps
// pointers into the context's font table from one layout to the next, and
// freeing the context leaves them dangling.
GVC_t* LayoutContext() {
  static GVC_t* const context = NewContext();
  return context;
}
struct GraphDeleter {
  GVC_t* context;
  void operator()(Agraph_t* graph) const {
    gvFreeLayout(context, graph);
    agclose(graph);
  }
};

// The layout's own scale depends on the engine; the drawing wants a steady one.
void Normalise(std::vector<LayoutPosition>& positions, const std::vector<std::pair<int32_t, int32_t>>& edges,
               double edgeLength) {
  std::vector<double> lengths;
  for (const auto& [a, b] : edges)
    if (a != b)
      lengths.push_back(std::hypot(positions[static_cast<size_t>(a)].x - positions[static_cast<size_t>(b)].x,
                                   positions[static_cast<size_t>(a)].y - positions[static_cast<size_t>(b)].y));
  double median = 0;
  if (!lengths.empty()) {
    std::nth_element(lengths.begin(), lengths.begin() + static_cast<long>(lengths.size() / 2), lengths.end());
    median = lengths[lengths.size() / 2];
  }
  const double scale = median > 1e-9 ? edgeLength / median : 1.0;
  double left = 0, top = 0;
  if (!positions.empty()) {
    left = std::min_element(positions.begin(), positions.end(), [](auto& p, auto& q) { return p.x < q.x; })->x;
    top = std::max_element(positions.begin(), positions.end(), [](auto& p, auto& q) { return p.y < q.y; })->y;
  }
  for (LayoutPosition& p : positions) p = {(p.x - left) * scale, (top - p.y) * scale};  // Graphviz's y runs up
}

std::vector<LayoutPosition> GraphvizLayout(size_t count, const std::vector<std::pair<int32_t, int32_t>>& edges) {
  std::vector<LayoutPosition> positions(count);
  // Graphviz keeps global state: one layout at a time, whichever thread asks.
  static std::mutex graphviz;
  const std::lock_guard<std::mutex> lock(graphviz);
  GVC_t* const context = LayoutContext();
  const std::unique_ptr<Agraph_t, GraphDeleter> graph(agopen(Text("net"), Agundirected, nullptr),
                                                      GraphDeleter{context});
  // A fixed seed: the same net is always drawn the same way.
  agattr(graph.get(), AGRAPH, Text("start"), Text("20240611"));
  agattr(graph.get(), AGRAPH, Text("pack"), Text("true"));  // parts of a net side by side, not on top
  agattr(graph.get(), AGNODE, Text("shape"), Text("point"));
  agattr(graph.get(), AGNODE, Text("width"), Text("0.05"));
  std::vector<Agnode_t*> nodes(count);
  for (size_t v = 0; v < count; ++v) nodes[v] = agnode(graph.get(), Text(("v" + std::to_string(v)).c_str()), 1);
  for (size_t e = 0; e < edges.size(); ++e) {
    const auto [a, b] = edges[e];
    if (a != b)
      agedge(graph.get(), nodes[static_cast<size_t>(a)], nodes[static_cast<size_t>(b)],
             Text(("e" + std::to_string(e)).c_str()), 1);
  }
  const char* engine = count <= kNeatoLimit ? "neato" : "sfdp";
  // sfdp draws its start from the C library's generators, which go on from
  // wherever the last layout left them: seed them so each layout starts alike.
#ifndef _WIN32
  srand48(20240611);  // Windows has no drand48: Graphviz draws from rand() there
#endif
  srand(20240611);
  if (gvLayout(context, graph.get(), engine) != 0)
    throw KorvadoError(std::string("Не удалось построить схему сети: библиотека Graphviz не выполнила раскладку ") +
                       engine + ".");
  for (size_t v = 0; v < count; ++v) positions[v] = {ND_coord(nodes[v]).x, ND_coord(nodes[v]).y};
  return positions;
}

}  // namespace

std::vector<LayoutPosition> LayOutGraph(size_t count, const std::vector<std::pair<int32_t, int32_t>>& edges,
                                        double edgeLength, const TaskProgress& progress) {
  if (count <= 1) return std::vector<LayoutPosition>(count);
  std::vector<LayoutPosition> positions =
      count <= kSfdpLimit ? GraphvizLayout(count, edges) : PivotLayout(count, edges, progress);
  progress.Step(1.0);
  Normalise(positions, edges, edgeLength);
  return positions;
}

}  // namespace korvado
