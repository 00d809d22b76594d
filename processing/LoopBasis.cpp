#include "LoopBasis.h"

#include <algorithm>
#include <functional>
#include <limits>
#include <numeric>
#include <queue>
#include <unordered_map>

#include "PointIndex.h"

namespace korvado {

namespace {

constexpr double kUnreached = std::numeric_limits<double>::infinity();
// Among paths of equal setups the one of fewer sections wins; sections
// without setups still cost something, so no path loops through them.
constexpr double kPerSection = 1e-6;

struct Edge {
  int32_t from = 0;
  int32_t to = 0;
  double weight = 0.0;
};

// The sections as a graph over their end points (exact names), points
// numbered in order of first appearance, as in the point table.
class SectionGraph {
 public:
  explicit SectionGraph(const TKorNet& net) {
    std::unordered_map<std::string, int32_t> ids;
    auto vertex = [&](const std::string& name, int32_t type) {
      const auto [it, added] = ids.emplace(name, static_cast<int32_t>(names.size()));
      if (added) {
        names.push_back(name);
        types.push_back(type);
      }
      return it->second;
    };
    for (int32_t s = 0; s < net.SectionCount(); ++s) {
      const int32_t from = vertex(net.SectionStarts[s], net.SectionStartTypes.GetItem(s));
      const int32_t to = vertex(net.SectionEnds[s], net.SectionEndTypes.GetItem(s));
      edges.push_back({from, to, net.SectionSetups.GetItem(s) + kPerSection});
    }
    // The point table decides the type where it knows the point.
    for (size_t v = 0; v < names.size(); ++v)
      if (const int32_t p = FindPoint(net, names[v]); p >= 0) types[v] = net.PointTypes.GetItem(p);
    BuildAdjacency();
  }

  size_t VertexCount() const { return names.size(); }
  bool IsBenchmark(int32_t v) const { return types[static_cast<size_t>(v)] == kFixedPoint; }
  int32_t Other(int32_t edge, int32_t v) const {
    const Edge& e = edges[static_cast<size_t>(edge)];
    return e.from == v ? e.to : e.from;
  }
  // The edges at v (a section closing on its own point is not among them).
  std::pair<const int32_t*, const int32_t*> EdgesAt(int32_t v) const {
    const int32_t* base = incident_.data();
    return {base + offsets_[static_cast<size_t>(v)], base + offsets_[static_cast<size_t>(v) + 1]};
  }

  std::vector<std::string> names;
  std::vector<int32_t> types;
  std::vector<Edge> edges;

 private:
  void BuildAdjacency() {
    offsets_.assign(names.size() + 1, 0);
    for (const Edge& e : edges)
      if (e.from != e.to) ++offsets_[static_cast<size_t>(e.from) + 1], ++offsets_[static_cast<size_t>(e.to) + 1];
    std::partial_sum(offsets_.begin(), offsets_.end(), offsets_.begin());
    incident_.resize(static_cast<size_t>(offsets_.back()));
    std::vector<int32_t> fill(offsets_.begin(), offsets_.end() - 1);
    for (size_t k = 0; k < edges.size(); ++k) {
      const Edge& e = edges[k];
      if (e.from == e.to) continue;
      incident_[static_cast<size_t>(fill[static_cast<size_t>(e.from)]++)] = static_cast<int32_t>(k);
      incident_[static_cast<size_t>(fill[static_cast<size_t>(e.to)]++)] = static_cast<int32_t>(k);
    }
  }

  std::vector<int32_t> offsets_;
  std::vector<int32_t> incident_;
};

// Shortest paths by setups over the edges allowed; the arrays are reset only
// where a search touched them, so thousands of small searches stay cheap.
class PathSearch {
 public:
  explicit PathSearch(const SectionGraph& graph)
      : graph_(graph), distance_(graph.VertexCount(), kUnreached), via_(graph.VertexCount(), -1) {}

  // Settles every vertex reachable from source; stops early once target is settled.
  void Run(int32_t source, const std::vector<char>& allowed, int32_t target = -1) {
    Reset();
    using Entry = std::pair<double, int32_t>;
    std::priority_queue<Entry, std::vector<Entry>, std::greater<>> queue;
    Reach(source, 0.0, -1);
    queue.push({0.0, source});
    while (!queue.empty()) {
      const auto [d, v] = queue.top();
      queue.pop();
      if (d > distance_[static_cast<size_t>(v)]) continue;
      if (v == target) return;
      const auto [first, last] = graph_.EdgesAt(v);
      for (const int32_t* e = first; e != last; ++e) {
        if (!allowed[static_cast<size_t>(*e)]) continue;
        const int32_t w = graph_.Other(*e, v);
        const double candidate = d + graph_.edges[static_cast<size_t>(*e)].weight;
        if (candidate < distance_[static_cast<size_t>(w)]) {
          Reach(w, candidate, *e);
          queue.push({candidate, w});
        }
      }
    }
  }

  bool Reached(int32_t v) const { return distance_[static_cast<size_t>(v)] != kUnreached; }
  double Distance(int32_t v) const { return distance_[static_cast<size_t>(v)]; }
  int32_t Via(int32_t v) const { return via_[static_cast<size_t>(v)]; }
  // Every vertex the last search reached.
  const std::vector<int32_t>& Reached() const { return touched_; }

  // The edges from the last source to v, in order from the source.
  std::vector<int32_t> PathTo(int32_t v) const {
    std::vector<int32_t> path;
    for (int32_t e = Via(v); e >= 0; e = Via(v)) {
      path.push_back(e);
      v = graph_.Other(e, v);
    }
    std::reverse(path.begin(), path.end());
    return path;
  }

 private:
  void Reach(int32_t v, double d, int32_t edge) {
    if (distance_[static_cast<size_t>(v)] == kUnreached) touched_.push_back(v);
    distance_[static_cast<size_t>(v)] = d;
    via_[static_cast<size_t>(v)] = edge;
  }
  void Reset() {
    for (const int32_t v : touched_) distance_[static_cast<size_t>(v)] = kUnreached, via_[static_cast<size_t>(v)] = -1;
    touched_.clear();
  }

  const SectionGraph& graph_;
  std::vector<double> distance_;
  std::vector<int32_t> via_;
  std::vector<int32_t> touched_;
};

// Walks the edges from `start`, recording the points passed, the direction
// of each section and the sums of setups and height differences.
Closure Walk(const TKorNet& net, const SectionGraph& graph, ClosureKind kind, int32_t start,
             const std::vector<int32_t>& edges) {
  Closure closure;
  closure.kind = kind;
  closure.points.push_back(graph.names[static_cast<size_t>(start)]);
  int32_t at = start;
  for (const int32_t e : edges) {
    const bool forward = graph.edges[static_cast<size_t>(e)].from == at;
    at = graph.Other(e, at);
    closure.points.push_back(graph.names[static_cast<size_t>(at)]);
    closure.sections.push_back({e, forward});
    closure.setups += net.SectionSetups.GetItem(e);
    closure.misclosure += forward ? net.SectionHeights.GetItem(e) : -net.SectionHeights.GetItem(e);
  }
  return closure;
}

// A spanning forest of shortest-path trees, one per connected part, rooted
// at the part's first benchmark (its first point when it has none).
struct Forest {
  std::vector<int32_t> parentEdge;
  std::vector<int32_t> depth;
  std::vector<double> distance;
  std::vector<int32_t> roots;
};

Forest BuildForest(const SectionGraph& graph, PathSearch& search) {
  const size_t count = graph.VertexCount();
  Forest forest{std::vector<int32_t>(count, -1), std::vector<int32_t>(count, -1), std::vector<double>(count, 0.0), {}};
  const std::vector<char> all(graph.edges.size(), 1);
  std::vector<int32_t> order(count);
  std::iota(order.begin(), order.end(), 0);
  std::stable_partition(order.begin(), order.end(), [&](int32_t v) { return graph.IsBenchmark(v); });
  std::vector<int32_t> settled;
  for (const int32_t root : order) {
    if (forest.depth[static_cast<size_t>(root)] >= 0) continue;
    forest.roots.push_back(root);
    search.Run(root, all);
    settled = search.Reached();
    std::sort(settled.begin(), settled.end(), [&](int32_t a, int32_t b) { return search.Distance(a) < search.Distance(b); });
    for (const int32_t v : settled) {
      const int32_t e = search.Via(v);
      forest.parentEdge[static_cast<size_t>(v)] = e;
      forest.distance[static_cast<size_t>(v)] = search.Distance(v);
      forest.depth[static_cast<size_t>(v)] = e < 0 ? 0 : forest.depth[static_cast<size_t>(graph.Other(e, v))] + 1;
    }
  }
  return forest;
}

// Setups around the fundamental cycle of a non-tree edge: the order in which
// the loops are chosen, short ones first.
double TreeCycleLength(const SectionGraph& graph, const Forest& forest, int32_t edge) {
  int32_t a = graph.edges[static_cast<size_t>(edge)].from;
  int32_t b = graph.edges[static_cast<size_t>(edge)].to;
  const double ends = forest.distance[static_cast<size_t>(a)] + forest.distance[static_cast<size_t>(b)];
  auto up = [&](int32_t v) { return graph.Other(forest.parentEdge[static_cast<size_t>(v)], v); };
  while (forest.depth[static_cast<size_t>(a)] > forest.depth[static_cast<size_t>(b)]) a = up(a);
  while (forest.depth[static_cast<size_t>(b)] > forest.depth[static_cast<size_t>(a)]) b = up(b);
  while (a != b) a = up(a), b = up(b);
  return ends - 2 * forest.distance[static_cast<size_t>(a)] + graph.edges[static_cast<size_t>(edge)].weight;
}

// The loops: the edges outside the forest are taken shortest fundamental
// cycle first, and each closes the shortest cycle through the forest and the
// edges taken before it. Each loop thus holds one edge that no earlier loop
// holds, so the loops are independent and, being as many as the edges outside
// the forest, a basis; each is the shortest such cycle, which keeps the basis
// near the minimum on a levelling net.
void AddLoops(const TKorNet& net, const SectionGraph& graph, const Forest& forest, PathSearch& search,
              std::vector<Closure>& out) {
  std::vector<char> allowed(graph.edges.size(), 0);
  std::vector<int32_t> chords;
  for (size_t e = 0; e < graph.edges.size(); ++e) {
    const Edge& edge = graph.edges[e];
    if (edge.from == edge.to) {
      out.push_back(Walk(net, graph, ClosureKind::Loop, edge.from, {static_cast<int32_t>(e)}));
      continue;
    }
    const bool inTree = forest.parentEdge[static_cast<size_t>(edge.from)] == static_cast<int32_t>(e) ||
                        forest.parentEdge[static_cast<size_t>(edge.to)] == static_cast<int32_t>(e);
    if (inTree)
      allowed[e] = 1;
    else
      chords.push_back(static_cast<int32_t>(e));
  }
  std::vector<double> length(graph.edges.size(), 0.0);
  for (const int32_t e : chords) length[static_cast<size_t>(e)] = TreeCycleLength(graph, forest, e);
  std::stable_sort(chords.begin(), chords.end(),
                   [&](int32_t a, int32_t b) { return length[static_cast<size_t>(a)] < length[static_cast<size_t>(b)]; });
  for (const int32_t e : chords) {
    const Edge& edge = graph.edges[static_cast<size_t>(e)];
    search.Run(edge.to, allowed, edge.from);
    std::vector<int32_t> loop{e};
    for (const int32_t step : search.PathTo(edge.from)) loop.push_back(step);
    // PathTo runs from edge.to back to edge.from, which continues the loop after e.
    out.push_back(Walk(net, graph, ClosureKind::Loop, edge.from, loop));
    allowed[static_cast<size_t>(e)] = 1;
  }
}

// The lines: from the first benchmark with a known elevation of each part to
// every other such benchmark of the part, along the path of fewest setups.
void AddLines(const TKorNet& net, const SectionGraph& graph, PathSearch& search, LoopsAndLines& result) {
  const std::vector<char> all(graph.edges.size(), 1);
  std::vector<char> done(graph.VertexCount(), 0);
  std::vector<double> elevation(graph.VertexCount(), 0.0);
  std::vector<int32_t> benchmarks;
  for (size_t v = 0; v < graph.VertexCount(); ++v) {
    if (!graph.IsBenchmark(static_cast<int32_t>(v))) continue;
    const int32_t p = FindPoint(net, graph.names[v]);
    if (p < 0) {
      result.warnings.push_back("Репер «" + graph.names[v] +
                                "» отсутствует в таблице точек сети, линии к нему не вычислены. Выполните "
                                "«Создание нулевых отметок» и введите отметки жестких пунктов.");
      continue;
    }
    elevation[v] = net.PointElevations.GetItem(p);
    benchmarks.push_back(static_cast<int32_t>(v));
  }
  for (const int32_t reference : benchmarks) {
    if (done[static_cast<size_t>(reference)]) continue;
    done[static_cast<size_t>(reference)] = 1;
    search.Run(reference, all);
    for (const int32_t other : benchmarks) {
      if (done[static_cast<size_t>(other)] || !search.Reached(other)) continue;
      done[static_cast<size_t>(other)] = 1;
      Closure line = Walk(net, graph, ClosureKind::Line, reference, search.PathTo(other));
      line.misclosure -= elevation[static_cast<size_t>(other)] - elevation[static_cast<size_t>(reference)];
      result.closures.push_back(std::move(line));
    }
  }
}

}  // namespace

LoopsAndLines FindLoopsAndLines(const TKorNet& net) {
  const SectionGraph graph(net);
  PathSearch search(graph);
  LoopsAndLines result;
  result.sectionCount = net.SectionCount();
  for (size_t v = 0; v < graph.VertexCount(); ++v)
    if (!graph.IsBenchmark(static_cast<int32_t>(v))) ++result.unknownCount;
  const Forest forest = BuildForest(graph, search);
  AddLoops(net, graph, forest, search, result.closures);
  result.loopCount = static_cast<int32_t>(result.closures.size());
  AddLines(net, graph, search, result);
  return result;
}

}  // namespace korvado
