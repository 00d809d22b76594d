// «Схема сети» of a 2 000-point, 3 000-section net: the layout alone, the
// layout with the scene filled and painted once, and one frame of panning
// (a scroll of the view and its repaint). Runs offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QScrollBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <algorithm>
#include <memory>
#include <random>

#include "BackgroundTask.h"
#include "Must.h"
#include "NetDiagram.h"
#include "NetDiagramPage.h"
#include "PointTable.h"
#include "SettingsFile.h"
#include "WindowBenchMain.h"

namespace korvado {
namespace {

// A jittered grid of blocks as a surveyed net is: 40 × 50 points, 3 000 of its sections.
AppState LargeNet() {
  AppState state;
  TKorNet& net = state.Nets.NetAt(*state.Nets.AddNet("Большая"));
  std::mt19937 random(17);
  const int width = 50, points = 2000;
  std::vector<std::pair<int, int>> pairs;
  for (int p = 0; p < points; ++p) {
    if ((p + 1) % width) pairs.push_back({p, p + 1});
    if (p + width < points) pairs.push_back({p, p + width});
  }
  std::shuffle(pairs.begin() + width, pairs.end(), random);
  pairs.resize(3000);
  auto type = [](int p) { return static_cast<uint8_t>(p % 40 == 0 ? kFixedPoint : kNodalPoint); };
  for (const auto& [a, b] : pairs)
    Must(net.AddSection("P" + std::to_string(a), "P" + std::to_string(b), type(a), type(b), (random() % 1000) / 100.0,
                        2 + random() % 20, 0));
  Must(RebuildPoints(net));
  state.CurrentNetIndex = 0;
  return state;
}

void BM_Layout(benchmark::State& bench) {
  const AppState state = LargeNet();
  for (auto _ : bench) benchmark::DoNotOptimize(BuildNetDiagram(state, 0).points.size());
}

void BM_LayoutAndDrawing(benchmark::State& bench) {
  bench::OffscreenApplication();
  AppState state = LargeNet();
  SettingsFile settings(QDir::temp().filePath(QStringLiteral("korvado-bench.ini")));  // read, never written
  QStatusBar status;
  BackgroundTask tasks(&status);
  NetDiagramPage page(state, settings, tasks);
  page.resize(1000, 700);
  page.show();
  for (auto _ : bench) {
    page.btnDrawNetClick();
    tasks.WaitIdle(600000);
    while (page.Scene->Filling()) QCoreApplication::processEvents();
    benchmark::DoNotOptimize(page.DiagramBox->viewport()->grab());
  }
}

void BM_PanFrame(benchmark::State& bench) {
  bench::OffscreenApplication();
  AppState state = LargeNet();
  SettingsFile settings(QDir::temp().filePath(QStringLiteral("korvado-bench.ini")));  // read, never written
  QStatusBar status;
  BackgroundTask tasks(&status);
  NetDiagramPage page(state, settings, tasks);
  page.resize(1000, 700);
  page.show();
  page.btnDrawNetClick();
  tasks.WaitIdle(600000);
  while (page.Scene->Filling()) QCoreApplication::processEvents();
  page.DiagramBox->scale(4, 4);  // a working zoom, a few hundred sections in view
  QScrollBar* bar = page.DiagramBox->horizontalScrollBar();
  bench.counters["scroll_range"] = bar->maximum() - bar->minimum();
  int step = 20;
  for (auto _ : bench) {
    if (bar->value() + step > bar->maximum() || bar->value() + step < bar->minimum()) step = -step;
    bar->setValue(bar->value() + step);
    benchmark::DoNotOptimize(page.DiagramBox->viewport()->grab());  // the frame, painted into a pixmap
  }
}

BENCHMARK(BM_Layout)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_LayoutAndDrawing)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_PanFrame)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace korvado

KORVADO_WINDOW_BENCHMARK_MAIN()
