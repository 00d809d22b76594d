// Least squares on a generated net of 20 000 points and 30 000 sections laid
// out like a real levelling net (sections between neighbours on the ground,
// one benchmark in twenty points): the heights alone, the whole result with
// every σ and rᵢ, and the sweeps the same net needs to come within 0.01 of
// the least-squares heights.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <new>
#include <random>
#include <string>

#include "AdjustmentSweep.h"
#include "KorNets.h"
#include "LeastSquares.h"
#include "Must.h"
#include "PointTable.h"

// Every heap allocation is counted, so that the adjustment's own peak of
// memory can be told apart from the net it reads.
namespace {
std::atomic<long long> liveBytes{0};
std::atomic<long long> peakBytes{0};
}  // namespace

// The replaced operator new takes its blocks from malloc, so free is the
// right match; the compiler cannot see that once delete is inlined.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

void* operator new(size_t size) {
  void* block = std::malloc(size ? size : 1);
  if (!block) throw std::bad_alloc();
  const long long now = liveBytes += static_cast<long long>(malloc_usable_size(block));
  long long peak = peakBytes.load();
  while (now > peak && !peakBytes.compare_exchange_weak(peak, now)) {
  }
  return block;
}
void operator delete(void* block) noexcept {
  if (!block) return;
  liveBytes -= static_cast<long long>(malloc_usable_size(block));
  std::free(block);
}
void operator delete(void* block, size_t) noexcept { operator delete(block); }

namespace korvado {
namespace {

constexpr int kColumns = 200;
constexpr int kRows = 100;  // 20 000 points
constexpr int kSections = 30000;
constexpr int kFixedEvery = 20;
constexpr double kTolerance = 0.01;
constexpr int kMostSweeps = 20000;

std::string PointName(int k) { return "P" + std::to_string(k); }

// Every row of the grid is a line of sections; random cross sections between
// the rows close the loops. Heights are a smooth surface plus the setups'
// random errors (σ 0.5 per setup).
void BuildGridNet(TKorNet& net) {
  std::mt19937 random(20240612);
  std::normal_distribution<double> error(0.0, 0.5);
  std::uniform_int_distribution<int> setups(1, 20);
  auto truth = [](int k) { return 100000.0 + 30.0 * std::sin(k % kColumns * 0.05) * std::cos(k / kColumns * 0.07); };
  auto type = [](int k) { return static_cast<uint8_t>(k % kFixedEvery == 0 ? kFixedPoint : kNodalPoint); };
  auto addSection = [&](int from, int to) {
    const int n = setups(random);
    Must(net.AddSection(PointName(from), PointName(to), type(from), type(to),
                        truth(to) - truth(from) + error(random) * std::sqrt(n), n, 0));
  };
  for (int r = 0; r < kRows; ++r)
    for (int c = 0; c + 1 < kColumns; ++c) addSection(r * kColumns + c, r * kColumns + c + 1);
  std::vector<int> crossings;
  for (int k = 0; k < (kRows - 1) * kColumns; ++k) crossings.push_back(k);
  std::shuffle(crossings.begin(), crossings.end(), random);
  for (int k : crossings) {
    if (net.SectionCount() == kSections) break;
    addSection(k, k + kColumns);
  }
  Must(RebuildPoints(net));
  for (int p = 0; p < net.PointCount(); ++p)
    if (net.PointTypes.GetItem(p) == kFixedPoint)
      net.PointElevations.SetItem(p, truth(std::stoi(net.PointNames[p].substr(1))));
}

const TKorNet& GridNet() {
  static TKorNet net;
  if (net.SectionCount() == 0) BuildGridNet(net);
  return net;
}

// The peak of the heap above what was live before, while one adjustment runs.
double PeakHeapMiB(const std::function<void()>& run) {
  const long long before = liveBytes.load();
  peakBytes = before;
  run();
  return static_cast<double>(peakBytes.load() - before) / (1024.0 * 1024.0);
}

void BM_LeastSquaresWhole(benchmark::State& state) {
  const TKorNet& net = GridNet();
  for (auto _ : state) benchmark::DoNotOptimize(AdjustByLeastSquares(net, 0.5));
  state.counters["heap_peak_MiB"] = PeakHeapMiB([&] { Must(AdjustByLeastSquares(net, 0.5)); });
  state.counters["points"] = net.PointCount();
  state.counters["sections"] = net.SectionCount();
}
BENCHMARK(BM_LeastSquaresWhole)->Unit(benchmark::kMillisecond);

void BM_LeastSquaresHeightsOnly(benchmark::State& state) {
  const TKorNet& net = GridNet();
  for (auto _ : state) benchmark::DoNotOptimize(AdjustByLeastSquares(net, 0.5, LeastSquaresScope::kHeightsOnly));
  state.counters["heap_peak_MiB"] =
      PeakHeapMiB([&] { Must(AdjustByLeastSquares(net, 0.5, LeastSquaresScope::kHeightsOnly)); });
}
BENCHMARK(BM_LeastSquaresHeightsOnly)->Unit(benchmark::kMillisecond);

// Sweeps from zero elevations until every height is within 0.01 of least squares.
void BM_SweepsToLeastSquaresHeights(benchmark::State& state) {
  for (auto _ : state) {
    TKorNet net;
    BuildGridNet(net);
    const auto start = std::chrono::steady_clock::now();
    const Result<LeastSquaresResult> adjusted = AdjustByLeastSquares(net, 0.5);
    const double lsqSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!adjusted.HasValue()) {
      state.SkipWithError(adjusted.RefusalText().c_str());
      return;
    }
    int sweeps = 0;
    double worst = 0.0;
    const auto sweepStart = std::chrono::steady_clock::now();
    do {
      Must(AdjustOnce(net));
      ++sweeps;
      worst = 0.0;
      for (int32_t p = 0; p < net.PointCount(); ++p)
        worst = std::max(worst, std::abs(net.PointElevations.GetItem(p) - adjusted->elevations[p]));
    } while (worst > kTolerance && sweeps < kMostSweeps);
    const double sweepSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - sweepStart).count();
    state.counters["sweeps"] = sweeps;
    state.counters["reached"] = worst <= kTolerance;
    state.counters["sweeps_s"] = sweepSeconds;
    state.counters["lsq_s"] = lsqSeconds;
    state.counters["ratio"] = sweepSeconds / lsqSeconds;
  }
}
BENCHMARK(BM_SweepsToLeastSquaresHeights)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace
}  // namespace korvado
