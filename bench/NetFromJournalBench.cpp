// The net built from the largest journal the data file holds: 65 535 records
// of one setup each (the file holds as many setups as records), laid on a
// random mesh of 150 × 150 points with about a tenth of the lines missing and
// every other line levelled twice, one benchmark in 400 points. Beside it,
// one least-squares solve (heights only) of the net it builds, the work the
// surveyor does next.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "Must.h"
#include "LeastSquares.h"
#include "NetFromJournal.h"

namespace korvado {
namespace {

constexpr int kSide = 150;
constexpr int kRecords = 65535;
constexpr double kMissingLines = 0.1;
constexpr int kBenchmarkEvery = 400;

std::string PointName(int point) { return "P" + std::to_string(point); }

struct Survey {
  TKorData journal;
  NetBuildRequest request;
};

Survey MakeSurvey() {
  std::mt19937 random(29);
  std::uniform_real_distribution<double> ground(100.0, 200.0);
  std::uniform_real_distribution<double> noise(-0.8, 0.8);
  std::bernoulli_distribution missing(kMissingLines);
  std::bernoulli_distribution coin(0.5);
  std::vector<double> elevation(kSide * kSide);
  for (double& e : elevation) e = ground(random);
  std::vector<std::pair<int, int>> lines;
  for (int row = 0; row < kSide; ++row)
    for (int column = 0; column < kSide; ++column) {
      const int point = row * kSide + column;
      if (column + 1 < kSide && !missing(random)) lines.emplace_back(point, point + 1);
      if (row + 1 < kSide && !missing(random)) lines.emplace_back(point, point + kSide);
    }
  std::shuffle(lines.begin(), lines.end(), random);
  Survey survey;
  survey.request.name = "Сетка";
  survey.request.toleranceCoefficient = 10.0;
  std::uniform_int_distribution<size_t> anyLine(0, lines.size() - 1);
  for (int r = 0; r < kRecords; ++r) {
    auto [back, fore] = r < static_cast<int>(lines.size()) ? lines[r] : lines[anyLine(random)];
    if (coin(random)) std::swap(back, fore);
    Must(survey.journal.AddRecord(PointName(back), PointName(fore), 1, ""));
    survey.journal.HeightDiffs.SetItem(r, std::round((elevation[fore] - elevation[back] + noise(random)) * 100) / 100);
    survey.request.records.push_back(r);
  }
  for (int point = 0; point < kSide * kSide; point += kBenchmarkEvery)
    survey.request.benchmarks.push_back({PointName(point), elevation[point]});
  return survey;
}

const Survey& TheSurvey() {
  static const Survey survey = MakeSurvey();
  return survey;
}

void BM_NetFromJournal(benchmark::State& state) {
  const Survey& survey = TheSurvey();
  NetPlan plan;
  for (auto _ : state) {
    plan = PlanNetFromJournal(survey.journal, survey.request);
    benchmark::DoNotOptimize(plan.net.SectionCount());
  }
  state.counters["sections"] = plan.net.SectionCount();
  state.counters["points"] = plan.net.PointCount();
  state.counters["merged"] = static_cast<double>(plan.repeated.size());
}
BENCHMARK(BM_NetFromJournal)->Unit(benchmark::kMillisecond);

void BM_LeastSquaresOfTheBuiltNet(benchmark::State& state) {
  const NetPlan plan = PlanNetFromJournal(TheSurvey().journal, TheSurvey().request);
  for (auto _ : state) {
    const Result<LeastSquaresResult> result = AdjustByLeastSquares(plan.net, 0.5, LeastSquaresScope::kHeightsOnly);
    if (!result.HasValue()) state.SkipWithError(result.RefusalText().c_str());
    benchmark::DoNotOptimize(result);
  }
}
BENCHMARK(BM_LeastSquaresOfTheBuiltNet)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace korvado
