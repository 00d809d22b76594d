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
// The search needs weights that are finite and not negative, or it never
// ends (a negative loop), reads past its arrays (NaN breaks the orderings) or
// takes a far section for an unreached one. The computations refuse nets
// whose setups make no sense; whatever a net holds, the search stays safe:
// such a section weighs as little as one without setups, and no weight is
// so large that sums over a whole net of them overflow.
constexpr double kHeaviestSection = 1e12;

double SearchWeight(double setups) {
  if (!(setups > 0.0)) return kPerSection;
  return std::min(setups, kHeaviestSection) + kPerSection;
}

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
      edges.push_back({from, to, SearchWeight(net.SectionSetups.GetItem(s))});
    }
    // The point table decides the type where it knows the point.
    const PointIndex table = BuildPointIndex(net.PointNames);
    for (size_t v = 0; v < names.size(); ++v) {
      pointRows.push_back(FindInIndex(table, names[v]));
      if (pointRows.back() >= 0) types[v] = net.PointTypes.GetItem(pointRows.back());
    }
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
  std::vector<int32_t> pointRows;  // each vertex's row in the point table, -1 when absent
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

  // Settles every vertex reachable from source.
  void Run(int32_t source, const std::vector<char>& allowed) {
    Start(source);
    while (!queue_.empty()) SettleNext(allowed, [](int32_t, double) {});
  }

  // A search settled one vertex at a time, for the two-sided search.
  void Start(int32_t source) {
    Reset();
    queue_ = {};
    Reach(source, 0.0, -1);
    queue_.push({0.0, source});
  }
  // The distance below which every vertex is settled; infinity when done.
  double Frontier() {
    while (!queue_.empty() && queue_.top().first > distance_[static_cast<size_t>(queue_.top().second)]) queue_.pop();
    return queue_.empty() ? kUnreached : queue_.top().first;
  }
  // Settles the nearest queued vertex; reached(w, d) is told of each vertex reached or bettered.
  template <class OnReach>
  void SettleNext(const std::vector<char>& allowed, OnReach&& reached) {
    if (Frontier() == kUnreached) return;
    const auto [d, v] = queue_.top();
    queue_.pop();
    settled_.push_back(v);
    const auto [first, last] = graph_.EdgesAt(v);
    for (const int32_t* e = first; e != last; ++e) {
      if (!allowed[static_cast<size_t>(*e)]) continue;
      const int32_t w = graph_.Other(*e, v);
      const double candidate = d + graph_.edges[static_cast<size_t>(*e)].weight;
      if (candidate < distance_[static_cast<size_t>(w)]) {
        Reach(w, candidate, *e);
        queue_.push({candidate, w});
        reached(w, candidate);
      }
    }
  }

  bool Reached(int32_t v) const { return distance_[static_cast<size_t>(v)] != kUnreached; }
  double Distance(int32_t v) const { return distance_[static_cast<size_t>(v)]; }
  int32_t Via(int32_t v) const { return via_[static_cast<size_t>(v)]; }
  // Every vertex the last search reached.
  const std::vector<int32_t>& Reached() const { return touched_; }
  // The vertices the last search settled, in the order it settled them: each
  // after the one it was reached from, even where their distances are too
  // large to differ in a double.
  const std::vector<int32_t>& SettledInOrder() const { return settled_; }

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
    settled_.clear();
  }

  using Entry = std::pair<double, int32_t>;
  const SectionGraph& graph_;
  std::vector<double> distance_;
  std::vector<int32_t> via_;
  std::priority_queue<Entry, std::vector<Entry>, std::greater<>> queue_;
  std::vector<int32_t> touched_;
  std::vector<int32_t> settled_;
};

// The path of fewest setups from a to b over the allowed edges, searched from
// both ends at once: on a large net the two small balls around the ends
// cost far less than one ball reaching from one end to the other. Empty
// when b cannot be reached or no path is shorter than `bound`.
std::vector<int32_t> ShortestPath(int32_t a, int32_t b, const std::vector<char>& allowed, PathSearch& fromA,
                                  PathSearch& fromB, double bound = kUnreached) {
  double best = bound;
  int32_t meet = -1;
  fromA.Start(a);
  fromB.Start(b);
  if (a == b) return {};
  auto meets = [&](const PathSearch& other) {
    return [&](int32_t w, double d) {
      if (other.Reached(w) && d + other.Distance(w) < best) best = d + other.Distance(w), meet = w;
    };
  };
  for (;;) {
    const double frontierA = fromA.Frontier();
    const double frontierB = fromB.Frontier();
    if (frontierA == kUnreached || frontierB == kUnreached || frontierA + frontierB >= best) break;
    if (frontierA <= frontierB)
      fromA.SettleNext(allowed, meets(fromB));
    else
      fromB.SettleNext(allowed, meets(fromA));
  }
  if (meet < 0) return {};
  std::vector<int32_t> path = fromA.PathTo(meet);
  std::vector<int32_t> back = fromB.PathTo(meet);
  path.insert(path.end(), back.rbegin(), back.rend());
  return path;
}

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
  std::vector<int32_t> roots;
};

Forest BuildForest(const SectionGraph& graph, PathSearch& search) {
  const size_t count = graph.VertexCount();
  Forest forest{std::vector<int32_t>(count, -1), std::vector<int32_t>(count, -1), {}};
  const std::vector<char> all(graph.edges.size(), 1);
  std::vector<int32_t> order(count);
  std::iota(order.begin(), order.end(), 0);
  std::stable_partition(order.begin(), order.end(), [&](int32_t v) { return graph.IsBenchmark(v); });
  for (const int32_t root : order) {
    if (forest.depth[static_cast<size_t>(root)] >= 0) continue;
    forest.roots.push_back(root);
    search.Run(root, all);
    for (const int32_t v : search.SettledInOrder()) {
      const int32_t e = search.Via(v);
      forest.parentEdge[static_cast<size_t>(v)] = e;
      forest.depth[static_cast<size_t>(v)] = e < 0 ? 0 : forest.depth[static_cast<size_t>(graph.Other(e, v))] + 1;
    }
  }
  return forest;
}

// The path through the forest from a to b (in one part).
std::vector<int32_t> TreePath(const SectionGraph& graph, const Forest& forest, int32_t a, int32_t b) {
  std::vector<int32_t> fromA;
  std::vector<int32_t> fromB;
  auto up = [&](int32_t& v, std::vector<int32_t>& path) {
    path.push_back(forest.parentEdge[static_cast<size_t>(v)]);
    v = graph.Other(path.back(), v);
  };
  while (forest.depth[static_cast<size_t>(a)] > forest.depth[static_cast<size_t>(b)]) up(a, fromA);
  while (forest.depth[static_cast<size_t>(b)] > forest.depth[static_cast<size_t>(a)]) up(b, fromB);
  while (a != b) up(a, fromA), up(b, fromB);
  fromA.insert(fromA.end(), fromB.rbegin(), fromB.rend());
  return fromA;
}

// Setups around the fundamental cycle of a non-tree edge: the order in which
// the loops are chosen, short ones first.
double TreeCycleLength(const SectionGraph& graph, const Forest& forest, int32_t edge) {
  double length = graph.edges[static_cast<size_t>(edge)].weight;
  for (const int32_t e :
       TreePath(graph, forest, graph.edges[static_cast<size_t>(edge)].from, graph.edges[static_cast<size_t>(edge)].to))
    length += graph.edges[static_cast<size_t>(e)].weight;
  return length;
}

// The loops: the edges outside the forest are taken shortest fundamental
// cycle first, and each closes the shortest cycle through the forest and the
// edges taken before it. Each loop thus holds one edge that no earlier loop
// holds, so the loops are independent and, being as many as the edges outside
// the forest, a basis; each is the shortest such cycle, which keeps the basis
// near the minimum on a levelling net.
void AddLoops(const TKorNet& net, const SectionGraph& graph, const Forest& forest, std::vector<Closure>& out) {
  PathSearch fromEnd(graph);
  PathSearch fromStart(graph);
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
  std::stable_sort(chords.begin(), chords.end(), [&](int32_t a, int32_t b) {
    return length[static_cast<size_t>(a)] < length[static_cast<size_t>(b)];
  });
  for (const int32_t e : chords) {
    const Edge& edge = graph.edges[static_cast<size_t>(e)];
    // The path from the chord's end back to its start continues the loop
    // after the chord; the path through the forest is the one to beat.
    const double bound = length[static_cast<size_t>(e)] - edge.weight;
    std::vector<int32_t> path = ShortestPath(edge.to, edge.from, allowed, fromEnd, fromStart, bound);
    if (path.empty()) path = TreePath(graph, forest, edge.to, edge.from);
    std::vector<int32_t> loop{e};
    loop.insert(loop.end(), path.begin(), path.end());
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
    const int32_t p = graph.pointRows[v];
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
  AddLoops(net, graph, forest, result.closures);
  result.loopCount = static_cast<int32_t>(result.closures.size());
  AddLines(net, graph, search, result);
  return result;
}

}  // namespace korvado
