// A settlement job of 300 marks levelled in 40 cycles, each cycle a data file
// holding a net of about 1 000 points (the marks among the points between the
// runs, the rest turning points and six reference benchmarks): the whole
// project computed from its files, and the redraw of its two plots.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <filesystem>
#include <random>

#include "Must.h"
#include "ChartPainter.h"
#include "DataFile.h"
#include "MonitoringComputation.h"
#include "OffscreenGui.h"
#include "PointTable.h"
#include "SettlementCharts.h"

namespace korvado {
namespace {

constexpr int kCycles = 40;
constexpr int kMarks = 300;
constexpr int kPoints = 1000;
constexpr int kRunsPerSection = 10;
constexpr int kReference = 6;

// The ring of points in levelling order: a benchmark every kPoints / kReference
// points, a mark every third point, turning points between.
std::vector<std::string> RingNames() {
  std::vector<std::string> names;
  int marks = 0;
  for (int k = 0; k < kPoints; ++k) {
    if (k % (kPoints / kReference) == 0 && k / (kPoints / kReference) < kReference)
      names.push_back("Rp" + std::to_string(k / (kPoints / kReference) + 1));
    else if (k % 3 == 1 && marks < kMarks)
      names.push_back("M" + std::to_string(++marks));
    else
      names.push_back("T" + std::to_string(k));
  }
  return names;
}

// Sections of ten runs around the ring and a few one-run cross lines; every
// mark sinks 0.02 mm a cycle times its number's last digit.
TKorNet CycleNet(const std::vector<std::string>& names, int cycle, std::mt19937& random) {
  std::normal_distribution<double> error(0.0, 0.05);
  auto height = [&](int k) {
    const std::string& name = names[static_cast<size_t>(k % kPoints)];
    const double sink = name[0] == 'M' ? 0.02 * cycle * (name.back() - '0') : 0.0;
    return 100000.0 + 500.0 * std::sin(k * 0.01) - sink;
  };
  TKorNet net;
  net.Name = "Цикл";
  for (int start = 0; start < kPoints; start += kRunsPerSection) {
    const auto s = static_cast<uint16_t>(net.SectionCount());
    for (int j = 0; j < kRunsPerSection; ++j) {
      const int from = start + j;
      const int to = from + 1;
      const bool end = j + 1 == kRunsPerSection;
      const double h = height(to) - height(from) + error(random) * std::sqrt(2.0);
      const std::string& fore = names[static_cast<size_t>(to % kPoints)];
      if (j == 0)
        Must(net.AddSection(names[static_cast<size_t>(from)], fore, kNodalPoint, end ? kNodalPoint : kIntermediatePoint, h, 2, 0));
      else
        Must(net.AppendRun(s, fore, end ? kNodalPoint : kIntermediatePoint, h, 2, 0));
    }
  }
  for (int k = 0; k + 50 < kPoints; k += 100)
    Must(net.AddSection(names[static_cast<size_t>(k)], names[static_cast<size_t>(k + 50)], kNodalPoint, kNodalPoint,
                   height(k + 50) - height(k) + error(random) * 3.0, 9, 0));
  Must(RebuildPoints(net));
  return net;
}

struct Job {
  std::filesystem::path folder;
  MonitoringProject project;
  std::string projectPath;

  Job() {
    folder = std::filesystem::temp_directory_path() / "korvado-settlement-bench";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    projectPath = (folder / "job.kmon").string();
    project.object = "Бенчмарк";
    for (int r = 1; r <= kReference; ++r) project.reference.push_back("Rp" + std::to_string(r));
    const std::vector<std::string> names = RingNames();
    std::mt19937 random(7);
    for (int c = 0; c < kCycles; ++c) {
      TNetList nets;
      nets.NetAt(*nets.AddNet("Цикл")) = CycleNet(names, c, random);
      const std::string file = "cycle" + std::to_string(c + 1) + ".kor";
      WriteDataFile((folder / file).string(), TKorData(), nets);
      project.cycles.push_back({file, "Цикл", 20000 + 30 * c, std::nullopt});
    }
  }
  ~Job() { std::filesystem::remove_all(folder); }
};

const Job& SharedJob() {
  static const Job job;
  return job;
}

void BM_WholeProject(benchmark::State& state) {
  const Job& job = SharedJob();
  for (auto _ : state) {
    Result<MonitoringResult> result = ComputeProject(job.project, job.projectPath);
    if (!result.HasValue()) state.SkipWithError(result.RefusalText().c_str());
    benchmark::DoNotOptimize(result);
  }
}
BENCHMARK(BM_WholeProject)->Unit(benchmark::kMillisecond);

void PaintBench(benchmark::State& state, bool bars) {
  const OffscreenGui gui;
  const Job& job = SharedJob();
  const Result<MonitoringResult> result = ComputeProject(job.project, job.projectPath);
  const Chart chart = bars ? TotalSettlementChart(*result)
                           : SettlementTimeChart(*result, LargestSettlements(*result, 10));
  QImage image(900, 520, QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    QPainter painter(&image);
    PaintChart(painter, chart, QRectF(image.rect()));
  }
}

void BM_RedrawTimePlot(benchmark::State& state) { PaintBench(state, false); }
void BM_RedrawTotalPlot(benchmark::State& state) { PaintBench(state, true); }
BENCHMARK(BM_RedrawTimePlot)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedrawTotalPlot)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace korvado
