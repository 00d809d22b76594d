// The layout of large nets: pivot scaling of graph distances.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "NetDiagram.h"
#include "PivotLayout.h"

namespace korvado {
namespace {

using Edges = std::vector<std::pair<int32_t, int32_t>>;

double Distance(LayoutPosition a, LayoutPosition b) { return std::hypot(a.x - b.x, a.y - b.y); }

// A rows × columns grid of points numbered from `first`, joined to right and below.
void AddGrid(Edges& edges, int32_t first, int32_t rows, int32_t columns) {
  for (int32_t r = 0; r < rows; ++r)
    for (int32_t c = 0; c < columns; ++c) {
      const int32_t k = first + r * columns + c;
      if (c + 1 < columns) edges.push_back({k, k + 1});
      if (r + 1 < rows) edges.push_back({k, k + columns});
    }
}

struct Box {
  double left = 1e300, top = 1e300, right = -1e300, bottom = -1e300;
  void Add(LayoutPosition p) {
    left = std::min(left, p.x), right = std::max(right, p.x), top = std::min(top, p.y), bottom = std::max(bottom, p.y);
  }
  bool Overlaps(const Box& o) const { return left <= o.right && o.left <= right && top <= o.bottom && o.top <= bottom; }
};

// A grid keeps its shape: joined points about one unit apart, the sides
// roughly in their proportions, no two points on one another. (Hop
// distances make a square grid's drawing a little star-shaped.)
TEST(PivotLayout, GridsAreDrawnAsGridsAtOneUnitPerSection) {
  for (const auto& [rows, columns] : {std::pair{3, 3}, {10, 40}, {60, 60}, {1, 200}}) {
    Edges edges;
    AddGrid(edges, 0, rows, columns);
    const auto count = static_cast<size_t>(rows * columns);
    const std::vector<LayoutPosition> at = PivotLayout(count, edges);
    ASSERT_EQ(at.size(), count);
    std::vector<double> lengths;
    for (const auto& [a, b] : edges) lengths.push_back(Distance(at[a], at[b]));
    std::sort(lengths.begin(), lengths.end());
    EXPECT_NEAR(lengths[lengths.size() / 2], 1.0, 1e-9) << rows << "×" << columns;
    EXPECT_LT(lengths.back(), 4.0) << rows << "×" << columns;
    // The sides keep their proportion: across the middle, along a row and along a column.
    const auto point = [&](int r, int c) { return at[static_cast<size_t>(r * columns + c)]; };
    const double across = Distance(point(rows / 2, 0), point(rows / 2, columns - 1));
    if (rows == 1) {
      EXPECT_NEAR(across, columns - 1, 1e-6) << "a chain is drawn straight";
    }
    if (rows > 1) {
      // Scaling hop counts widens the narrow side of a strip, at most about
      // twice, and never turns the strip across.
      const double shape = across / Distance(point(0, columns / 2), point(rows - 1, columns / 2));
      const double truth = double(columns - 1) / (rows - 1);
      EXPECT_GT(shape, truth / 2) << rows << "×" << columns;
      EXPECT_LT(shape, truth * 1.25) << rows << "×" << columns;
    }
    if (rows > 1) {
      for (size_t i = 0; i < count; i += 7) {
        for (size_t j = i + 1; j < count; j += 5) EXPECT_GT(Distance(at[i], at[j]), 0.05) << i << " " << j;
      }
    }
  }
}

// Parts of a net not joined to each other (and lone points) lie side by
// side, never on one another; loops and parallel sections are harmless.
TEST(PivotLayout, SeparatePartsDoNotOverlap) {
  Edges edges;
  AddGrid(edges, 0, 20, 20);
  AddGrid(edges, 400, 5, 8);
  AddGrid(edges, 440, 1, 2);
  edges.push_back({445, 445});
  edges.push_back({0, 1});
  const size_t count = 450;  // 442 .. 449 are lone points
  const std::vector<LayoutPosition> at = PivotLayout(count, edges);
  std::vector<Box> boxes(3);
  for (size_t v = 0; v < 400; ++v) boxes[0].Add(at[v]);
  for (size_t v = 400; v < 440; ++v) boxes[1].Add(at[v]);
  for (size_t v = 440; v < 442; ++v) boxes[2].Add(at[v]);
  for (size_t v = 442; v < count; ++v) {
    Box lone;
    lone.Add(at[v]);
    boxes.push_back(lone);
  }
  for (size_t i = 0; i < boxes.size(); ++i)
    for (size_t j = i + 1; j < boxes.size(); ++j) EXPECT_FALSE(boxes[i].Overlaps(boxes[j])) << i << " " << j;
  EXPECT_EQ(PivotLayout(count, edges), at) << "the same graph, the same drawing";
}

TEST(PivotLayout, ReportsProgressAndStopsWhenAsked) {
  Edges edges;
  AddGrid(edges, 0, 30, 30);
  std::vector<double> shares;
  std::atomic<bool> stop{false};
  PivotLayout(900, edges, TaskProgress(&stop, [&](double share) { shares.push_back(share); }));
  ASSERT_GT(shares.size(), 10u);
  EXPECT_TRUE(std::is_sorted(shares.begin(), shares.end()));
  EXPECT_GE(shares.front(), 0.0);
  EXPECT_LE(shares.back(), 1.0);
  int reports = 0;
  const TaskProgress stopping(&stop, [&](double) {
    if (++reports == 3) stop = true;
  });
  EXPECT_THROW(PivotLayout(900, edges, stopping), TaskCancelled);
  EXPECT_EQ(reports, 3);
}

// Beyond a few thousand points the diagram takes this layout, at the
// diagram's own scale.
TEST(PivotLayout, LargeNetsAreLaidOutAtTheDiagramsScale) {
  Edges edges;
  AddGrid(edges, 0, 50, 100);
  const std::vector<LayoutPosition> at = LayOutGraph(5000, edges);
  std::vector<double> lengths;
  for (const auto& [a, b] : edges) lengths.push_back(Distance(at[a], at[b]));
  std::nth_element(lengths.begin(), lengths.begin() + lengths.size() / 2, lengths.end());
  EXPECT_NEAR(lengths[lengths.size() / 2], kLayoutEdgeLength, 1e-6);
  for (const LayoutPosition& p : at) EXPECT_TRUE(p.x >= 0 && p.y >= 0);
}

}  // namespace
}  // namespace korvado
