#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>
#include <random>

#include "AdjustmentNets.h"
#include "AdjustmentSweep.h"
#include "ChiSquareQuantile.h"
#include "DenseLevelling.h"
#include "LeastSquares.h"
#include "LeastSquaresWorkspace.h"
#include "PointTable.h"

namespace korvado {
namespace {

using testnets::AddOneRunSection;
using testnets::AddPoints;
using testnets::Elevation;

LeastSquaresResult Adjusted(const TKorNet& net, double sigmaPerSetup = 0.5) {
  Result<LeastSquaresResult> outcome = AdjustByLeastSquares(net, sigmaPerSetup);
  EXPECT_TRUE(outcome.HasValue()) << outcome.RefusalText();
  return outcome.HasValue() ? *outcome : LeastSquaresResult{};
}

int32_t Row(const TKorNet& net, const std::string& name) {
  for (int32_t p = 0; p < net.PointCount(); ++p)
    if (net.PointNames[p] == name) return p;
  return -1;
}

// A connected random net: a tree over the points, extra sections closing
// loops, fractional setups, three benchmarks, a section between two
// benchmarks, one closed on its own point and an unfinished section ending
// at an intermediate point.
TKorNet RandomNet(unsigned seed) {
  std::mt19937 random(seed);
  std::uniform_real_distribution<double> height(-3.0, 3.0);
  std::uniform_real_distribution<double> setups(0.5, 20.0);
  const int points = 8 + static_cast<int>(seed % 7);
  auto name = [](int k) { return "P" + std::to_string(k); };
  auto type = [](int k) { return k < 3 ? kFixedPoint : kNodalPoint; };
  TKorNet net;
  net.Name = "Случайная";
  auto add = [&](int from, int to) {
    AddOneRunSection(net, name(from), name(to), height(random), setups(random), type(from), type(to));
  };
  for (int k = 1; k < points; ++k) add(std::uniform_int_distribution<int>(0, k - 1)(random), k);
  for (int extra = 0; extra < points / 2; ++extra)
    add(std::uniform_int_distribution<int>(0, points - 1)(random),
        std::uniform_int_distribution<int>(0, points - 1)(random));
  add(0, 1);
  add(points - 1, points - 1);
  AddOneRunSection(net, name(points - 1), "Open", height(random), setups(random), kNodalPoint, kIntermediatePoint);
  EXPECT_TRUE(RebuildPoints(net));
  for (int k = 0; k < 3; ++k) SetPointElevation(net, name(k), 100.0 + height(random));
  return net;
}

TEST(LeastSquares, RandomNetsMatchTheDenseTextbookSolution) {
  for (unsigned seed : {1u, 2u, 3u, 4u, 5u, 6u}) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    const TKorNet net = RandomNet(seed);
    const DenseLevelling dense =
        AdjustDense(SectionRuns(net), PointTableHeights(net, [](int32_t type) { return type == kFixedPoint; }));
    const LeastSquaresResult result = Adjusted(net);
    ASSERT_EQ(result.sections.size(), dense.residuals.size());
    EXPECT_EQ(result.dof, net.SectionCount() - static_cast<int32_t>(dense.heights.size()));
    EXPECT_NEAR(result.weightedSquares, dense.weightedSquares, 1e-9);
    const double sigma0 = std::sqrt(dense.weightedSquares / result.dof);
    ASSERT_TRUE(result.sigma0);
    EXPECT_NEAR(*result.sigma0, sigma0, 1e-9);
    for (const auto& [name, height] : dense.heights) {
      const int32_t row = Row(net, name);
      EXPECT_NEAR(result.elevations[row], height, 1e-9) << name;
      ASSERT_TRUE(result.sigmas[row]) << name;
      EXPECT_NEAR(*result.sigmas[row], sigma0 * std::sqrt(dense.cofactors.at(name)), 1e-9) << name;
    }
    for (int32_t p : {0, 1, 2}) EXPECT_EQ(result.sigmas[p], 0.0);
    double redundancySum = 0.0;
    for (size_t s = 0; s < dense.residuals.size(); ++s) {
      EXPECT_NEAR(result.sections[s].residual, dense.residuals[s], 1e-9) << s;
      EXPECT_NEAR(result.sections[s].redundancy, dense.redundancies[s], 1e-9) << s;
      redundancySum += result.sections[s].redundancy;
    }
    // The redundancy numbers share out the degrees of freedom.
    EXPECT_NEAR(redundancySum, result.dof, 1e-9);
    // The closed section's misclosure is all residual; the open end is not controlled.
    EXPECT_NEAR(result.sections[net.SectionCount() - 2].residual, -net.SectionHeights.GetItem(net.SectionCount() - 2),
                1e-12);
    EXPECT_TRUE(result.sections.back().uncontrolled);
    EXPECT_FALSE(result.sections.back().w);
  }
}

// The analysis kept in a workspace serves only a net of the same shape: one
// workspace across nets of other shapes, and the same net with new heights,
// gives exactly what a fresh adjustment gives.
TEST(LeastSquares, AKeptAnalysisGivesExactlyAFreshAdjustment) {
  LeastSquaresWorkspace workspace;
  const std::vector<unsigned> seeds = {1, 2, 1, 3, 3, 2};
  for (size_t k = 0; k < seeds.size(); ++k) {
    TKorNet net = RandomNet(seeds[k]);
    if (k >= 4) net.SectionHeights.SetItem(0, net.SectionHeights.GetItem(0) + 0.37);
    const Result<LeastSquaresResult> kept = AdjustByLeastSquares(net, 0.5, LeastSquaresScope::kWithAccuracy, workspace);
    const LeastSquaresResult fresh = Adjusted(net);
    ASSERT_TRUE(kept.HasValue()) << k;
    EXPECT_EQ(kept->elevations, fresh.elevations) << k;
    EXPECT_EQ(kept->cofactors, fresh.cofactors) << k;
    EXPECT_EQ(kept->weightedSquares, fresh.weightedSquares) << k;
  }
}

// A line of thousands of sections between two benchmarks a hundred metres
// up: the misclosure shared out by setups, worked out in long double, must
// come out to the last micrometre's thousandth, as another least-squares
// program gives it, although elevations of 10⁵ mm would eat those digits in
// a solution for the elevations themselves.
TEST(LeastSquares, LongLinesAtRealElevationsKeepEveryDigit) {
  for (int sections : {200, 5000}) {
    std::mt19937 random(static_cast<unsigned>(sections));
    TKorNet net;
    std::vector<long double> heights, setups;
    long double total = 0, setupSum = 0;
    for (int k = 0; k < sections; ++k) {
      heights.push_back(static_cast<long double>(static_cast<int>(random() % 200001) - 100000) / 100);
      setups.push_back(1 + random() % 20);
      AddOneRunSection(net, "P" + std::to_string(k), "P" + std::to_string(k + 1), static_cast<double>(heights[k]),
                       static_cast<double>(setups[k]), k ? kNodalPoint : kFixedPoint,
                       k + 1 < sections ? kNodalPoint : kFixedPoint);
      total += heights[k], setupSum += setups[k];
    }
    const long double start = 123456.78L, end = start + total + 37.21L;
    ASSERT_TRUE(RebuildPoints(net));
    net.PointElevations.SetItem(Row(net, "P0"), static_cast<double>(start));
    net.PointElevations.SetItem(Row(net, "P" + std::to_string(sections)), static_cast<double>(end));
    const LeastSquaresResult result = Adjusted(net);
    const long double misclosure = start + total - end;
    long double carried = start, worst = 0;
    for (int k = 0; k < sections; ++k) {
      carried += heights[k] - misclosure * setups[k] / setupSum;
      worst = std::max(worst, std::abs(carried - result.elevations[Row(net, "P" + std::to_string(k + 1))]));
    }
    EXPECT_LT(worst, 1e-9L) << sections << " sections";
  }
}

// The loop net of the sweep's tests: clicking the sweep long enough reaches
// the least-squares heights, and its error the a-posteriori σ₀.
TEST(LeastSquares, RepeatedSweepsReachTheSameHeightsAndError) {
  TKorNet net;
  testnets::BuildLoopNet(net);
  const LeastSquaresResult result = Adjusted(net);
  std::optional<double> error;
  for (int sweep = 0; sweep < 400; ++sweep) error = AdjustOnce(net).Value();
  for (int32_t p = 0; p < net.PointCount(); ++p)
    EXPECT_NEAR(net.PointElevations.GetItem(p), result.elevations[p], 1e-9);
  ASSERT_TRUE(error && result.sigma0);
  EXPECT_NEAR(*error, *result.sigma0, 1e-9);
}

// A published one-dimensional sample adjustment of a free-software adjustment manual
// (a square of four legs levelled forward and back, point 1a fixed at
// 1000.000 m, equal weights, m0 a priori 5 mm): adjusted heights 998.77513,
// 997.93325, 999.27487; standard deviations with m0 a priori 3.1, 3.5, 3.1 mm;
// m0 a posteriori 5.42 mm, [pvv] 146.625 mm²; largest normalised residual 1.68
// on observation 6.
TEST(LeastSquares, PublishedLevellingSampleIsReproduced) {
  TKorNet net;
  const struct {
    const char* from;
    const char* to;
    double h;
  } legs[] = {{"1a", "4", -1.225}, {"4", "3", -0.848}, {"3", "2", 1.342}, {"2", "1a", 0.720},
              {"1a", "2", -0.724}, {"2", "3", -1.335}, {"3", "4", 0.842}, {"4", "1a", 1.231}};
  for (const auto& leg : legs)
    AddOneRunSection(net, leg.from, leg.to, leg.h, 1, leg.from == std::string("1a") ? kFixedPoint : kNodalPoint,
                     leg.to == std::string("1a") ? kFixedPoint : kNodalPoint);
  ASSERT_TRUE(RebuildPoints(net));
  SetPointElevation(net, "1a", 1000.0);
  const LeastSquaresResult result = Adjusted(net, 0.005);
  EXPECT_EQ(result.dof, 5);
  EXPECT_NEAR(result.elevations[Row(net, "4")], 998.77513, 5.01e-6);  // printed to five decimals
  EXPECT_NEAR(result.elevations[Row(net, "3")], 997.93325, 5.01e-6);  // printed to five decimals
  EXPECT_NEAR(result.elevations[Row(net, "2")], 999.27487, 5.01e-6);  // printed to five decimals
  EXPECT_NEAR(result.weightedSquares * 1e6, 146.625, 5e-4);
  ASSERT_TRUE(result.sigma0);
  EXPECT_NEAR(*result.sigma0 * 1e3, 5.42, 5e-3);
  const double toApriori = 0.005 / *result.sigma0 * 1e3;
  EXPECT_NEAR(*result.sigmas[Row(net, "4")] * toApriori, 3.1, 0.05);
  EXPECT_NEAR(*result.sigmas[Row(net, "3")] * toApriori, 3.5, 0.05);
  EXPECT_NEAR(*result.sigmas[Row(net, "2")] * toApriori, 3.1, 0.05);
  double largest = 0.0;
  int32_t at = -1;
  for (size_t s = 0; s < result.sections.size(); ++s)
    if (std::abs(*result.sections[s].w) > largest) largest = std::abs(*result.sections[at = static_cast<int32_t>(s)].w);
  EXPECT_NEAR(largest, 1.68, 0.005);
  EXPECT_EQ(at, 5);
  EXPECT_EQ(result.suspectSection, -1);
}

// Exact heights on a grid of loops with one blunder: the w-test points at
// it, and the global test fails. A chain without redundancy tests nothing.
TEST(LeastSquares, BlunderIsFlaggedAndANetWithoutRedundancyTestsNothing) {
  TKorNet net;
  auto name = [](int row, int col) { return "N" + std::to_string(row) + std::to_string(col); };
  auto truth = [](int row, int col) { return 100.0 + 0.37 * row - 0.21 * col + 0.05 * row * col; };
  auto type = [](int row, int col) { return (row + col) % 3 == 0 ? kFixedPoint : kNodalPoint; };
  auto add = [&](int r1, int c1, int r2, int c2, double n) {
    AddOneRunSection(net, name(r1, c1), name(r2, c2), truth(r2, c2) - truth(r1, c1), n, type(r1, c1), type(r2, c2));
  };
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 4; ++c) {
      if (c + 1 < 4) add(r, c, r, c + 1, 2 + r);
      if (r + 1 < 4) add(r, c, r + 1, c, 3 + c * 0.5);
    }
  const int32_t blundered = 7;
  net.SectionHeights.SetItem(blundered, net.SectionHeights.GetItem(blundered) + 20.0);
  ASSERT_TRUE(RebuildPoints(net));
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 4; ++c)
      if (type(r, c) == kFixedPoint) SetPointElevation(net, name(r, c), truth(r, c));
  const LeastSquaresResult result = Adjusted(net);
  EXPECT_EQ(result.suspectSection, blundered);
  EXPECT_TRUE(result.sections[blundered].suspect);
  ASSERT_TRUE(result.chi2);
  EXPECT_FALSE(result.chi2->passed);
  EXPECT_GT(result.chi2->value, result.chi2->upper);

  TKorNet chain;
  AddOneRunSection(chain, "A", "K", 1.0, 4, kFixedPoint, kNodalPoint);
  AddOneRunSection(chain, "K", "L", 2.0, 9, kNodalPoint, kNodalPoint);
  AddPoints(chain, {{"A", kFixedPoint, 100}, {"K", kNodalPoint, 0}, {"L", kNodalPoint, 0}});
  const LeastSquaresResult bare = Adjusted(chain, 0.5);
  EXPECT_EQ(bare.dof, 0);
  EXPECT_FALSE(bare.sigma0);
  EXPECT_FALSE(bare.chi2);
  EXPECT_NEAR(bare.elevations[1], 101.0, 1e-12);
  EXPECT_NEAR(bare.elevations[2], 103.0, 1e-12);
  // A priori σ₀ over 4 and 4 + 9 setups.
  EXPECT_NEAR(*bare.sigmas[1], 0.5 * 2.0, 1e-12);
  EXPECT_NEAR(*bare.sigmas[2], 0.5 * std::sqrt(13.0), 1e-12);
  for (const LeastSquaresSection& section : bare.sections) {
    EXPECT_TRUE(section.uncontrolled);
    EXPECT_FALSE(section.w);
  }
}

TEST(LeastSquares, ChiSquareQuantilesMatchPublishedTables) {
  const struct {
    double p;
    int dof;
    double x;
  } table[] = {{0.025, 1, 0.000982069}, {0.975, 1, 5.023886},    {0.025, 2, 0.0506356},  {0.975, 2, 7.377759},
               {0.025, 10, 3.246973},   {0.975, 10, 20.483177},  {0.025, 30, 16.790772}, {0.975, 30, 46.979242},
               {0.025, 100, 74.221927}, {0.975, 100, 129.561197}};
  for (const auto& row : table) EXPECT_NEAR(ChiSquareQuantile(row.p, row.dof), row.x, row.x * 2e-6) << row.dof;
  // Far beyond the tables: finite, ordered, near the normal approximation.
  const double low = ChiSquareQuantile(0.025, 60000), high = ChiSquareQuantile(0.975, 60000);
  EXPECT_NEAR(low, 60000 - 1.959964 * std::sqrt(120000.0), 5.0);
  EXPECT_NEAR(high, 60000 + 1.959964 * std::sqrt(120000.0), 5.0);
}

// The sweep and least squares refuse the same nets with the same message,
// and nothing changes.
TEST(LeastSquares, UnadjustableNetsAreRefusedByBothAdjustments) {
  const struct {
    const char* what;
    void (*spoil)(TKorNet&);
    const char* says;
  } cases[] = {
      {"no benchmark",
       [](TKorNet& net) {
         net.PointTypes.SetItem(0, kNodalPoint);
         net.PointTypes.SetItem(2, kNodalPoint);
       },
       "нет ни одной жесткой точки"},
      {"island",
       [](TKorNet& net) {
         AddOneRunSection(net, "U1", "U2", 1.0, 2);
         AddOneRunSection(net, "U2", "U3", 1.0, 2);
         AddPoints(net, {{"U1", kNodalPoint, 0}, {"U2", kNodalPoint, 0}, {"U3", kIntermediatePoint, 0}});
       },
       "до точек «U1», «U2», «U3»"},
      {"no setups", [](TKorNet& net) { net.SectionSetups.SetItem(1, -1.0); }, "больше нуля"},
      {"height NaN", [](TKorNet& net) { net.SectionHeights.SetItem(0, std::nan("")); }, "превышение"},
      {"benchmark inf", [](TKorNet& net) { net.PointElevations.SetItem(2, std::numeric_limits<double>::infinity()); },
       "B"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TKorNet net;
    testnets::BuildTwoBenchmarkNet(net);
    c.spoil(net);
    const Result<LeastSquaresResult> outcome = AdjustByLeastSquares(net, 0.5);
    EXPECT_FALSE(outcome.HasValue());
    EXPECT_NE(outcome.RefusalText().find(c.says), std::string::npos) << outcome.RefusalText();
    const std::vector<double> before = net.PointElevations.Items();
    EXPECT_EQ(AdjustOnce(net).RefusalText(), outcome.RefusalText());
    EXPECT_EQ(net.PointElevations.Items(), before);
  }
}

}  // namespace
}  // namespace korvado
