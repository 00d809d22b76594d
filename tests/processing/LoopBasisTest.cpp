#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
#include <random>
#include <set>

#include "AdjustmentNets.h"
#include "LoopBasis.h"
#include "Tolerance.h"

namespace korvado {
namespace {

using testnets::AddOneRunSection;
using testnets::AddPoints;

constexpr int32_t B = kFixedPoint;
constexpr int32_t N = kNodalPoint;

std::vector<const Closure*> OfKind(const LoopsAndLines& result, ClosureKind kind) {
  std::vector<const Closure*> found;
  for (const Closure& c : result.closures)
    if (c.kind == kind) found.push_back(&c);
  return found;
}

// What every result must satisfy: loops first; each loop or line a connected
// walk whose sums agree with its sections; loops + lines = S − u when every
// part has a benchmark; the loops independent over GF(2).
void ExpectSound(const TKorNet& net, const LoopsAndLines& result) {
  int32_t loops = 0;
  std::vector<std::vector<uint64_t>> rows;
  for (const Closure& c : result.closures) {
    if (c.kind == ClosureKind::Loop) {
      EXPECT_EQ(loops, static_cast<int32_t>(&c - result.closures.data())) << "loops come first";
      ++loops;
      EXPECT_EQ(c.points.front(), c.points.back());
    }
    ASSERT_EQ(c.points.size(), c.sections.size() + 1);
    double setups = 0, heights = 0;
    std::vector<uint64_t> row((static_cast<size_t>(net.SectionCount()) + 63) / 64, 0);
    for (size_t k = 0; k < c.sections.size(); ++k) {
      const SectionStep step = c.sections[k];
      const std::string& from = step.forward ? net.SectionStarts[step.index] : net.SectionEnds[step.index];
      const std::string& to = step.forward ? net.SectionEnds[step.index] : net.SectionStarts[step.index];
      EXPECT_EQ(c.points[k], from);
      EXPECT_EQ(c.points[k + 1], to);
      setups += net.SectionSetups.GetItem(step.index);
      heights += (step.forward ? 1 : -1) * net.SectionHeights.GetItem(step.index);
      row[static_cast<size_t>(step.index) / 64] ^= uint64_t{1} << (step.index % 64);
    }
    EXPECT_NEAR(c.setups, setups, 1e-9);
    if (c.kind == ClosureKind::Loop) {
      EXPECT_NEAR(c.misclosure, heights, 1e-9);
      rows.push_back(row);
    }
  }
  EXPECT_EQ(loops, result.loopCount);
  if (result.warnings.empty()) {
    EXPECT_EQ(static_cast<int32_t>(result.closures.size()), result.sectionCount - result.unknownCount);
  }
  // Elimination over GF(2): full rank means independent loops.
  size_t rank = 0;
  for (size_t bit = 0; bit < static_cast<size_t>(net.SectionCount()) && rank < rows.size(); ++bit) {
    const auto has = [&](size_t r) { return (rows[r][bit / 64] >> (bit % 64)) & 1; };
    size_t pivot = rank;
    while (pivot < rows.size() && !has(pivot)) ++pivot;
    if (pivot == rows.size()) continue;
    std::swap(rows[rank], rows[pivot]);
    for (size_t r = 0; r < rows.size(); ++r)
      if (r != rank && has(r))
        for (size_t w = 0; w < rows[r].size(); ++w) rows[r][w] ^= rows[rank][w];
    ++rank;
  }
  EXPECT_EQ(rank, rows.size()) << "the loops must be independent";
}

TEST(LoopBasis, SmallNetsGiveTheLoopsAndLinesASurveyorExpects) {
  struct Case {
    const char* name;
    std::vector<std::tuple<std::string, std::string, double, double>> sections;  // start, end, h, n
    std::vector<testnets::PointSpec> points;
    int loops;
    int lines;
    std::vector<double> misclosures;  // in result order
    std::vector<double> setups;
  };
  const std::vector<Case> cases = {
      {"two parallel sections and a self-closing one",
       {{"A", "K", 1.00, 4}, {"A", "K", 1.03, 5}, {"K", "K", 0.02, 2}},
       {{"A", B, 100}, {"K", N, 0}},
       2,
       0,
       {0.02, 0.03},
       {2, 9}},
      {"figure-eight through a nodal point",
       {{"A", "K", 1.00, 2},
        {"K", "L", 2.00, 2},
        {"L", "A", -3.01, 2},
        {"K", "M", 0.50, 3},
        {"M", "P", 0.50, 3},
        {"P", "K", -0.98, 3}},
       {{"A", B, 100}, {"K", N, 0}, {"L", N, 0}, {"M", N, 0}, {"P", N, 0}},
       2,
       0,
       {-0.01, 0.02},
       {6, 9}},
      {"a single chain between two benchmarks",
       {{"A", "K", 1.00, 2}, {"K", "L", 2.00, 3}, {"L", "C", 3.00, 4}},
       {{"A", B, 100}, {"K", N, 0}, {"L", N, 0}, {"C", B, 106.05}},
       0,
       1,
       {-0.05},
       {9}},
      {"two parts with two and three benchmarks",
       {{"A", "K", 1.00, 1}, {"K", "C", 1.00, 1}, {"D", "M", 0.50, 1}, {"M", "E", 0.50, 1}, {"M", "F", 0.25, 4}},
       {{"A", B, 10}, {"K", N, 0}, {"C", B, 12.02}, {"D", B, 20}, {"M", N, 0}, {"E", B, 21}, {"F", B, 20.75}},
       0,
       3,
       {-0.02, 0, 0},
       {2, 2, 5}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TKorNet net;
    for (const auto& [start, end, h, n] : c.sections) AddOneRunSection(net, start, end, h, n);
    for (const auto& p : c.points) EXPECT_TRUE(net.AddPoint(p.name, p.type, p.elevation));
    const LoopsAndLines result = FindLoopsAndLines(net);
    ExpectSound(net, result);
    EXPECT_EQ(OfKind(result, ClosureKind::Loop).size(), static_cast<size_t>(c.loops));
    EXPECT_EQ(OfKind(result, ClosureKind::Line).size(), static_cast<size_t>(c.lines));
    ASSERT_EQ(result.closures.size(), c.misclosures.size());
    for (size_t k = 0; k < c.misclosures.size(); ++k) {
      EXPECT_NEAR(result.closures[k].misclosure, c.misclosures[k], 1e-9) << k;
      EXPECT_NEAR(result.closures[k].setups, c.setups[k], 1e-9) << k;
    }
  }
}

TEST(LoopBasis, LinesStartAtTheFirstBenchmarkOfEachPartAndTakeTheFewestSetups) {
  TKorNet net;
  AddOneRunSection(net, "A", "K", 1.00, 10);  // the long way
  AddOneRunSection(net, "K", "C", 1.00, 10);
  AddOneRunSection(net, "A", "C", 2.01, 3);  // the short way
  AddPoints(net, {{"A", B, 0}, {"K", N, 0}, {"C", B, 2.00}});
  const LoopsAndLines result = FindLoopsAndLines(net);
  ExpectSound(net, result);
  const auto lines = OfKind(result, ClosureKind::Line);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0]->points, (std::vector<std::string>{"A", "C"}));
  EXPECT_EQ(lines[0]->sections, (std::vector<SectionStep>{{2, true}}));
  EXPECT_NEAR(lines[0]->misclosure, 0.01, 1e-9);
}

TEST(LoopBasis, ABenchmarkMissingFromThePointTableIsReportedAndItsLineLeftOut) {
  TKorNet net;
  AddOneRunSection(net, "A", "K", 1.00, 2, B, N);
  AddOneRunSection(net, "K", "C", 1.00, 2, N, B);
  AddPoints(net, {{"A", B, 0}, {"K", N, 0}});
  const LoopsAndLines result = FindLoopsAndLines(net);
  EXPECT_TRUE(result.closures.empty());
  ASSERT_EQ(result.warnings.size(), 1u);
  EXPECT_NE(result.warnings[0].find("«C»"), std::string::npos);
}

// On a grid of square blocks every loop found is one block: the minimum basis.
TEST(LoopBasis, GridNetGetsItsBlocksAsLoops) {
  TKorNet net;
  const int side = 12;
  auto name = [](int x, int y) { return "P" + std::to_string(x) + "_" + std::to_string(y); };
  for (int y = 0; y < side; ++y)
    for (int x = 0; x < side; ++x) {
      if (x + 1 < side) AddOneRunSection(net, name(x, y), name(x + 1, y), 0.01 * x, 3);
      if (y + 1 < side) AddOneRunSection(net, name(x, y), name(x, y + 1), -0.01 * y, 3);
    }
  EXPECT_TRUE(net.AddPoint(name(0, 0), B, 0));
  const LoopsAndLines result = FindLoopsAndLines(net);
  ExpectSound(net, result);
  ASSERT_EQ(result.loopCount, (side - 1) * (side - 1));
  for (int k = 0; k < result.loopCount; ++k) EXPECT_EQ(result.closures[k].sections.size(), 4u) << k;
}

TEST(LoopBasis, RandomNetsAlwaysGiveAnIndependentCompleteSet) {
  std::mt19937 random(7);
  for (int trial = 0; trial < 40; ++trial) {
    TKorNet net;
    const int points = 2 + trial % 15;
    std::uniform_int_distribution<int> any(0, points - 1);
    std::uniform_int_distribution<int> setups(0, 9);
    const int sections = points + trial % 11;
    for (int s = 0; s < sections; ++s) {
      const int a = s < points - 1 ? s : any(random);  // a chain keeps it connected; the rest at random
      const int b = s < points - 1 ? s + 1 : any(random);
      AddOneRunSection(net, "P" + std::to_string(a), "P" + std::to_string(b), 0.01 * any(random), setups(random));
    }
    for (int p = 0; p < points; ++p) EXPECT_TRUE(net.AddPoint("P" + std::to_string(p), p % 4 == 0 ? B : N, p * 1.5));
    SCOPED_TRACE(trial);
    ExpectSound(net, FindLoopsAndLines(net));
  }
}

TEST(LoopBasis, AbsurdSetupsNeitherHangTheSearchNorBreakTheBasis) {
  // Negative setups once made the search loop for ever, NaN ones read past its arrays.
  const double absurd[] = {-3.0, 0.0, std::nan(""), HUGE_VAL, -HUGE_VAL, 1e300, 5e-324, -1e308};
  std::mt19937 random(11);
  for (int trial = 0; trial < 40; ++trial) {
    TKorNet net;
    TKorNet clean;
    const int points = 2 + trial % 13;
    std::uniform_int_distribution<int> any(0, points - 1);
    std::uniform_int_distribution<size_t> pick(0, std::size(absurd) * 2 - 1);
    for (int s = 0; s < points + trial % 9; ++s) {
      const std::string a = "P" + std::to_string(s < points - 1 ? s : any(random));
      const std::string b = "P" + std::to_string(s < points - 1 ? s + 1 : any(random));
      const size_t k = pick(random);
      AddOneRunSection(net, a, b, 0.5, k < std::size(absurd) ? absurd[k] : 2.0);
      AddOneRunSection(clean, a, b, 0.5, 2.0);
    }
    for (int p = 0; p < points; ++p) {
      EXPECT_TRUE(net.AddPoint("P" + std::to_string(p), p % 5 == 0 ? B : N, 0));
      EXPECT_TRUE(clean.AddPoint("P" + std::to_string(p), p % 5 == 0 ? B : N, 0));
    }
    SCOPED_TRACE(trial);
    const LoopsAndLines result = FindLoopsAndLines(net);
    const LoopsAndLines expected = FindLoopsAndLines(clean);
    EXPECT_EQ(result.loopCount, expected.loopCount) << "the weights choose the loops, never how many there are";
    EXPECT_EQ(result.closures.size(), expected.closures.size());
    for (const Closure& c : result.closures) {
      ASSERT_EQ(c.points.size(), c.sections.size() + 1);
      for (size_t k = 0; k < c.sections.size(); ++k) {
        const SectionStep step = c.sections[k];
        EXPECT_EQ(c.points[k], step.forward ? net.SectionStarts[step.index] : net.SectionEnds[step.index]);
      }
    }
  }
}

TEST(Tolerance, CoefficientsAndVerdictsAtTheLimit) {
  EXPECT_EQ((Tolerance{ToleranceClass::Technical, 3}.Coefficient()), 10.0);
  EXPECT_EQ((Tolerance{ToleranceClass::FourthClass, 3}.Coefficient()), 5.0);
  EXPECT_EQ((Tolerance{ToleranceClass::Custom, 3}.Coefficient()), 3.0);
  struct Case {
    double k, n, f;
    bool passed;
  };
  for (const Case& c : std::vector<Case>{{10, 4, 20.00, true},
                                         {10, 4, -20.00, true},
                                         {10, 4, 20.01, false},
                                         {5, 9, 0.1 + 0.2 + 14.7, true},  // 15 with binary noise
                                         {5, 2, 7.07, true},              // 7.0710...
                                         {5, 2, 7.08, false},
                                         {10, 0, 0.00, true},
                                         {10, 0, 0.01, false}}) {
    EXPECT_EQ(WithinTolerance(c.f, AllowedMisclosure(c.k, c.n)), c.passed) << c.k << " " << c.n << " " << c.f;
  }
  for (const ToleranceClass c : {ToleranceClass::Technical, ToleranceClass::FourthClass, ToleranceClass::Custom})
    EXPECT_EQ(ToleranceClassFromKey(ToleranceClassKey(c)), c);
  EXPECT_FALSE(ToleranceClassFromKey("II"));
  EXPECT_EQ(ToleranceFormulaText(2.5), "f_доп = 2.5·√n мм, n — число штативов");
}

}  // namespace
}  // namespace korvado
