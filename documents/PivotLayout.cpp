#include "PivotLayout.h"

#include <Eigen/Dense>
#include <algorithm>
#include <cmath>
#include <deque>
#include <numeric>

namespace korvado {

namespace {

// Fifty pivots give a drawing close to full classical scaling; more only cost time.
constexpr int32_t kPivots = 50;
constexpr double kPartGap = 3.0;  // between connected parts, in edge lengths

// Neighbours of every vertex, loops left out (they carry no distance).
struct Adjacency {
  std::vector<int32_t> starts;
  std::vector<int32_t> neighbours;
  Adjacency(size_t count, const std::vector<std::pair<int32_t, int32_t>>& edges) : starts(count + 1, 0) {
    for (const auto& [a, b] : edges)
      if (a != b) ++starts[static_cast<size_t>(a) + 1], ++starts[static_cast<size_t>(b) + 1];
    std::partial_sum(starts.begin(), starts.end(), starts.begin());
    neighbours.resize(static_cast<size_t>(starts.back()));
    std::vector<int32_t> next(starts.begin(), starts.end() - 1);
    for (const auto& [a, b] : edges)
      if (a != b) neighbours[static_cast<size_t>(next[a]++)] = b, neighbours[static_cast<size_t>(next[b]++)] = a;
  }
  template <class Visit>
  void ForEachNeighbour(int32_t v, Visit visit) const {
    for (int32_t k = starts[static_cast<size_t>(v)]; k < starts[static_cast<size_t>(v) + 1]; ++k)
      visit(neighbours[static_cast<size_t>(k)]);
  }
};

// Hop distances from `from` to every vertex of its part, -1 elsewhere.
// `order` is the part's vertices in the order reached.
void Distances(const Adjacency& graph, int32_t from, std::vector<int32_t>& distance, std::vector<int32_t>& order) {
  order.clear();
  distance[static_cast<size_t>(from)] = 0;
  order.push_back(from);
  for (size_t head = 0; head < order.size(); ++head) {
    const int32_t v = order[head];
    graph.ForEachNeighbour(v, [&](int32_t w) {
      if (distance[static_cast<size_t>(w)] >= 0) return;
      distance[static_cast<size_t>(w)] = distance[static_cast<size_t>(v)] + 1;
      order.push_back(w);
    });
  }
}

std::vector<std::vector<int32_t>> ConnectedParts(const Adjacency& graph, size_t count) {
  std::vector<std::vector<int32_t>> parts;
  std::vector<int32_t> distance(count, -1);
  for (size_t v = 0; v < count; ++v) {
    if (distance[v] >= 0) continue;
    parts.emplace_back();
    Distances(graph, static_cast<int32_t>(v), distance, parts.back());
  }
  return parts;
}

// Pivot MDS of one connected part: squared distances to pivots spread by
// max-min choice, double centred, projected on the two leading directions.
std::vector<LayoutPosition> LayOutPart(const Adjacency& graph, const std::vector<int32_t>& part,
                                       std::vector<int32_t>& distance, const TaskProgress& progress, double done,
                                       double share) {
  const auto size = static_cast<Eigen::Index>(part.size());
  std::vector<LayoutPosition> at(part.size());
  if (size <= 2) {
    if (size == 2) at[1] = {1.0, 0.0};
    return at;
  }
  const Eigen::Index pivots = std::min<Eigen::Index>(kPivots, size);
  Eigen::MatrixXd c(size, pivots);
  std::vector<int32_t> nearest(part.size(), std::numeric_limits<int32_t>::max());
  std::vector<int32_t> order;
  int32_t pivot = part.front();
  for (Eigen::Index k = 0; k < pivots; ++k) {
    progress.Step(done + share * static_cast<double>(k) / static_cast<double>(pivots));
    for (int32_t v : part) distance[static_cast<size_t>(v)] = -1;
    Distances(graph, pivot, distance, order);
    size_t farthest = 0;
    for (size_t i = 0; i < part.size(); ++i) {
      const int32_t d = distance[static_cast<size_t>(part[i])];
      c(static_cast<Eigen::Index>(i), k) = static_cast<double>(d) * d;
      nearest[i] = std::min(nearest[i], d);
      if (nearest[i] > nearest[farthest]) farthest = i;
    }
    pivot = part[farthest];
  }
  const Eigen::RowVectorXd columnMeans = c.colwise().mean();
  const Eigen::VectorXd rowMeans = c.rowwise().mean();
  const double mean = c.mean();
  c = (-0.5 * ((c.colwise() - rowMeans).rowwise() - columnMeans).array() - 0.5 * mean).matrix();
  const Eigen::SelfAdjointEigenSolver<Eigen::MatrixXd> solver(c.transpose() * c);
  // CᵀC's eigenvalues are the squares of the scaling's own: each axis takes
  // the fourth root back so that both keep the graph's proportions.
  for (int axis = 0; axis < 2; ++axis) {
    const Eigen::Index column = pivots - 1 - axis;
    const double eigenvalue = solver.eigenvalues()[column];
    if (!(eigenvalue > 1e-12 * std::max(1.0, solver.eigenvalues()[pivots - 1]))) continue;
    const Eigen::VectorXd coordinate = c * solver.eigenvectors().col(column) / std::pow(eigenvalue, 0.25);
    for (Eigen::Index i = 0; i < size; ++i) (axis == 0 ? at[i].x : at[i].y) = coordinate[i];
  }
  return at;
}

// Scales a part so that its median edge is one unit long and moves its
// corner to the origin; returns its size.
LayoutPosition Normalise(std::vector<LayoutPosition>& at, const Adjacency& graph, const std::vector<int32_t>& part,
                         const std::vector<int32_t>& local) {
  std::vector<double> lengths;
  for (size_t i = 0; i < part.size(); ++i)
    graph.ForEachNeighbour(part[i], [&](int32_t w) {
      const LayoutPosition& a = at[i];
      const LayoutPosition& b = at[static_cast<size_t>(local[static_cast<size_t>(w)])];
      lengths.push_back(std::hypot(a.x - b.x, a.y - b.y));
    });
  double scale = 1.0;
  if (!lengths.empty()) {
    std::nth_element(lengths.begin(), lengths.begin() + static_cast<long>(lengths.size() / 2), lengths.end());
    if (lengths[lengths.size() / 2] > 1e-9) scale = 1.0 / lengths[lengths.size() / 2];
  }
  LayoutPosition low{0, 0}, high{0, 0};
  if (!at.empty()) low = high = at.front();
  for (const LayoutPosition& p : at) {
    low = {std::min(low.x, p.x), std::min(low.y, p.y)};
    high = {std::max(high.x, p.x), std::max(high.y, p.y)};
  }
  for (LayoutPosition& p : at) p = {(p.x - low.x) * scale, (p.y - low.y) * scale};
  return {(high.x - low.x) * scale, (high.y - low.y) * scale};
}

}  // namespace

std::vector<LayoutPosition> PivotLayout(size_t count, const std::vector<std::pair<int32_t, int32_t>>& edges,
                                        const TaskProgress& progress) {
  std::vector<LayoutPosition> positions(count);
  const Adjacency graph(count, edges);
  std::vector<std::vector<int32_t>> parts = ConnectedParts(graph, count);
  std::stable_sort(parts.begin(), parts.end(), [](const auto& a, const auto& b) { return a.size() > b.size(); });
  std::vector<int32_t> distance(count, -1);
  std::vector<int32_t> local(count, -1);
  std::vector<std::pair<std::vector<LayoutPosition>, LayoutPosition>> laid;
  double done = 0.0, area = 0.0, widest = 0.0;
  for (const std::vector<int32_t>& part : parts) {
    const double share = static_cast<double>(part.size()) / static_cast<double>(count);
    for (size_t i = 0; i < part.size(); ++i) local[static_cast<size_t>(part[i])] = static_cast<int32_t>(i);
    std::vector<LayoutPosition> at = LayOutPart(graph, part, distance, progress, done, share);
    const LayoutPosition size = Normalise(at, graph, part, local);
    area += (size.x + kPartGap) * (size.y + kPartGap);
    widest = std::max(widest, size.x);
    laid.emplace_back(std::move(at), size);
    done += share;
  }
  // Rows about as wide as the whole is tall, the largest part first.
  const double rowWidth = std::max(widest, std::sqrt(area));
  double x = 0.0, y = 0.0, rowHeight = 0.0;
  for (size_t k = 0; k < parts.size(); ++k) {
    const LayoutPosition size = laid[k].second;
    if (x > 0.0 && x + size.x > rowWidth) x = 0.0, y += rowHeight + kPartGap, rowHeight = 0.0;
    for (size_t i = 0; i < parts[k].size(); ++i)
      positions[static_cast<size_t>(parts[k][i])] = {x + laid[k].first[i].x, y + laid[k].first[i].y};
    x += size.x + kPartGap;
    rowHeight = std::max(rowHeight, size.y);
  }
  return positions;
}

}  // namespace korvado
