// «Отметки точек» at the format's limit: the tree of nets and sections filled
// for a 65 535-point chain (65 534 sections), and the net report of that
// chain shown in the table. Runs offscreen; peak memory is the process's own
// (state it with /usr/bin/time -v).
#include <benchmark/benchmark.h>

#include <QAction>

#include "ElevationPage.h"
#include "GeneratedNets.h"
#include "WindowBenchMain.h"

namespace korvado {
namespace {

struct TreeSample {
  AppState state;
  QAction select;
  QAction copy;
  std::unique_ptr<ElevationPage> page;
};

TreeSample& Chain65k() {
  static TreeSample* sample = [] {
    bench::OffscreenApplication();
    auto* made = new TreeSample;
    made->state.Nets.NetAt(*made->state.Nets.AddNet("Цепь")) = GenerateNet(NetShape::Chain, 65535).net;
    made->page = std::make_unique<ElevationPage>(made->state, &made->select, &made->copy);
    made->page->resize(900, 700);
    made->page->show();
    bench::Gui().teardown.push_back([made] { delete made; });
    return made;
  }();
  return *sample;
}

void BM_FillTree(benchmark::State& bench) {
  TreeSample& sample = Chain65k();
  for (auto _ : bench) {
    sample.page->btnUpDateTreeClick();
    QApplication::processEvents();  // the first paint of the filled tree
  }
}

void BM_NetReport(benchmark::State& bench) {
  TreeSample& sample = Chain65k();
  sample.page->btnUpDateTreeClick();
  for (auto _ : bench) {
    sample.page->ShowSections(0, {0});
    sample.page->AltitudeTree->setCurrentIndex(sample.page->AltitudeTree->model()->index(0, 0));
    sample.page->btnNetReportClick();
    QApplication::processEvents();
  }
}

BENCHMARK(BM_FillTree)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_NetReport)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace korvado

KORVADO_WINDOW_BENCHMARK_MAIN()
