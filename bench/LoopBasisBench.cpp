// The loops and lines of a 20 000-point, 30 000-section net. Two shapes: a
// levelling net as surveyed (a jittered grid of blocks with long sections
// and a benchmark in every fortieth point), and a random net whose loops
// are far from local, the hard case for the search of short loops.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <string>

#include "KorNets.h"
#include "LoopBasis.h"
#include "Must.h"
#include "PointTable.h"

namespace korvado {
namespace {

constexpr int kPoints = 20000;
constexpr int kSections = 30000;

std::string PointName(int k) { return "P" + std::to_string(k); }

void AddSection(TKorNet& net, std::mt19937& random, int from, int to) {
  std::uniform_real_distribution<double> height(-5.0, 5.0);
  std::uniform_int_distribution<int> setups(2, 30);
  Must(net.AddSection(PointName(from), PointName(to), kNodalPoint, kNodalPoint, height(random), setups(random), 0));
}

void FinishNet(TKorNet& net) {
  Must(RebuildPoints(net));
  for (int p = 0; p < net.PointCount(); p += 40) net.PointTypes.SetItem(p, kFixedPoint);
}

// 200 × 100 points; every point joined to its right and lower neighbour,
// then sections dropped at random until 30 000 remain.
void BuildGridNet(TKorNet& net) {
  std::mt19937 random(17);
  const int width = 200;
  std::vector<std::pair<int, int>> pairs;
  for (int p = 0; p < kPoints; ++p) {
    if ((p + 1) % width) pairs.push_back({p, p + 1});
    if (p + width < kPoints) pairs.push_back({p, p + width});
  }
  std::shuffle(pairs.begin() + width, pairs.end(), random);  // the first row stays, so the net holds together
  pairs.resize(kSections);
  for (const auto& [a, b] : pairs) AddSection(net, random, a, b);
  FinishNet(net);
}

void BuildRandomNet(TKorNet& net) {
  std::mt19937 random(20240611);
  for (int k = 1; k < kPoints; ++k) AddSection(net, random, std::uniform_int_distribution<int>(0, k - 1)(random), k);
  std::uniform_int_distribution<int> any(0, kPoints - 1);
  while (net.SectionCount() < kSections) AddSection(net, random, any(random), any(random));
  FinishNet(net);
}

template <void (*Build)(TKorNet&)>
void BM_LoopsAndLines(benchmark::State& state) {
  TKorNet net;
  Build(net);
  double setups = 0;
  size_t closures = 0;
  for (auto _ : state) {
    const LoopsAndLines result = FindLoopsAndLines(net);
    closures = result.closures.size();
    setups = 0;
    for (int k = 0; k < result.loopCount; ++k) setups += result.closures[k].setups;
    benchmark::DoNotOptimize(closures);
  }
  state.counters["closures"] = static_cast<double>(closures);
  state.counters["loop_setups"] = setups;
}

BENCHMARK(BM_LoopsAndLines<BuildGridNet>)->Name("LoopsAndLines/grid")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoopsAndLines<BuildRandomNet>)->Name("LoopsAndLines/random")->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace korvado
