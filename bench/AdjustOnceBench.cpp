// One adjustment sweep over a generated net of 20 000 points and 30 000
// sections, against a literal point-by-section sweep kept here as the
// baseline: the sweep must stay linear in the number of sections.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "AdjustmentSweep.h"
#include "KorNets.h"
#include "Must.h"
#include "PointTable.h"
#include "Utf8Text.h"

namespace korvado {
namespace {

constexpr int kPoints = 20000;
constexpr int kSections = 30000;
constexpr int kFixedEvery = 20;  // one benchmark in twenty points

std::string PointName(int k) { return "P" + std::to_string(k); }

// A connected net: a random tree over all points, then random extra sections
// closing loops. The same seed always gives the same net.
void BuildLargeNet(TKorNet& net) {
  std::mt19937 random(20240611);
  auto type = [](int k) { return static_cast<uint8_t>(k % kFixedEvery == 0 ? kFixedPoint : kNodalPoint); };
  std::uniform_real_distribution<double> height(-5.0, 5.0);
  std::uniform_int_distribution<int> setups(1, 20);
  auto addSection = [&](int from, int to) {
    Must(net.AddSection(PointName(from), PointName(to), type(from), type(to), std::round(height(random) * 100) / 100,
                        setups(random), 0));
  };
  for (int k = 1; k < kPoints; ++k) addSection(std::uniform_int_distribution<int>(0, k - 1)(random), k);
  std::uniform_int_distribution<int> anyPoint(0, kPoints - 1);
  while (net.SectionCount() < kSections) {
    const int from = anyPoint(random);
    const int to = anyPoint(random);
    if (from != to) addSection(from, to);
  }
  Must(RebuildPoints(net));
  for (int p = 0; p < net.PointCount(); ++p)
    if (net.PointTypes.GetItem(p) == kFixedPoint) net.PointElevations.SetItem(p, 100.0 + p * 0.001);
}

// The sweep as first written: every nodal point scans every section and looks
// its neighbour up by scanning the point table. The case-folded names of the
// misclosure step are folded once beforehand, which only flatters the baseline.
double LiteralSweep(TKorNet& net) {
  const int32_t points = net.PointCount();
  const int32_t sections = net.SectionCount();
  auto firstExact = [&](const std::string& name) {
    for (int32_t k = 0; k < points; ++k)
      if (net.PointNames[k] == name) return k;
    return int32_t{-1};
  };
  for (int32_t p = 0; p < points; ++p) {
    if (net.PointTypes.GetItem(p) != kNodalPoint) continue;
    double weightSum = 0.0;
    double weighted = 0.0;
    double carried = 0.0;
    for (int32_t s = 0; s < sections; ++s) {
      double candidate;
      if (net.PointNames[p] == net.SectionStarts[s]) {
        carried = net.PointElevations.GetItem(firstExact(net.SectionEnds[s]));
        candidate = carried - net.SectionHeights.GetItem(s);
      } else if (net.PointNames[p] == net.SectionEnds[s]) {
        carried = net.PointElevations.GetItem(firstExact(net.SectionStarts[s]));
        candidate = carried + net.SectionHeights.GetItem(s);
      } else {
        continue;
      }
      const double weight = 10.0 / net.SectionSetups.GetItem(s);
      weighted += weight * candidate;
      weightSum += weight;
      net.PointElevations.SetItem(p, weighted / weightSum);
    }
  }
  std::vector<std::string> folded;
  for (int32_t k = 0; k < points; ++k) folded.push_back(FoldCase(net.PointNames[k]));
  auto firstFolded = [&](const std::string& name) {
    const std::string key = FoldCase(name);
    for (int32_t k = 0; k < points; ++k)
      if (folded[k] == key) return k;
    return int32_t{-1};
  };
  double squares = 0.0;
  int32_t fixed = 0;
  for (int32_t s = 0; s < sections; ++s) {
    const double v = net.SectionHeights.GetItem(s) + net.PointElevations.GetItem(firstFolded(net.SectionStarts[s])) -
                     net.PointElevations.GetItem(firstFolded(net.SectionEnds[s]));
    squares += (1.0 / net.SectionSetups.GetItem(s)) * (v * v);
  }
  for (int32_t p = 0; p < points; ++p)
    if (net.PointTypes.GetItem(p) == kFixedPoint) ++fixed;
  const int32_t redundancy = sections - points + fixed;
  return squares < 0.0001 || redundancy <= 0 ? 0.0 : std::sqrt(squares / redundancy);
}

template <class Sweep>
double SecondsOf(const Sweep& sweep) {
  const auto start = std::chrono::steady_clock::now();
  sweep();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_AdjustOnce(benchmark::State& state) {
  TKorNet net;
  BuildLargeNet(net);
  for (auto _ : state) benchmark::DoNotOptimize(AdjustOnce(net));
  state.counters["sections"] = net.SectionCount();
  state.counters["points"] = net.PointCount();
}
BENCHMARK(BM_AdjustOnce)->Unit(benchmark::kMillisecond);

// One literal sweep and one indexed sweep from the same start: both must
// leave the same elevations and error; the counters give the speed-up.
void BM_AdjustOnceAgainstLiteral(benchmark::State& state) {
  for (auto _ : state) {
    TKorNet indexed;
    TKorNet literal;
    BuildLargeNet(indexed);
    BuildLargeNet(literal);
    double indexedError = 0.0;
    double literalError = 0.0;
    const double indexedSeconds = SecondsOf([&] { indexedError = *AdjustOnce(indexed); });
    const double literalSeconds = SecondsOf([&] { literalError = LiteralSweep(literal); });
    if (indexed.PointElevations != literal.PointElevations || indexedError != literalError)
      state.SkipWithError("the indexed sweep differs from the literal one");
    state.counters["indexed_ms"] = indexedSeconds * 1000.0;
    state.counters["literal_ms"] = literalSeconds * 1000.0;
    state.counters["ratio"] = literalSeconds / indexedSeconds;
  }
}
BENCHMARK(BM_AdjustOnceAgainstLiteral)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace korvado
