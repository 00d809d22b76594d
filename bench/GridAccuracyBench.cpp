// «Оценка точности» after «Уравнять по МНК» on a 20 000-point grid of blocks
// (30 000 sections): what the pane costs to show the kept result, beside one
// least-squares solve of the same net. Runs offscreen.
#include <benchmark/benchmark.h>

#include <QDir>

#include "AccuracyView.h"
#include "GeneratedNets.h"
#include "LeastSquaresCommands.h"
#include "Must.h"
#include "SettingsFile.h"
#include "WindowBenchMain.h"

namespace korvado {
namespace {

struct AccuracySample {
  AppState state;
  SettingsFile settings{QDir::temp().filePath(QStringLiteral("korvado-bench.ini"))};  // read, never written
  std::unique_ptr<AccuracyView> view;
};

AccuracySample& Grid20k() {
  static AccuracySample* sample = [] {
    bench::OffscreenApplication();
    auto* made = new AccuracySample;
    made->state.Nets.NetAt(*made->state.Nets.AddNet("Сетка")) = GenerateNet(NetShape::Grid, 20000).net;
    made->state.CurrentNetIndex = 0;
    made->view = std::make_unique<AccuracyView>(made->state, made->settings, nullptr);
    made->view->resize(900, 700);
    made->view->show();
    Must(AdjustCurrentNetByLeastSquaresWithoutRows(made->state));
    bench::Gui().teardown.push_back([made] { delete made; });
    return made;
  }();
  return *sample;
}

void BM_LeastSquaresSolve(benchmark::State& bench) {
  AccuracySample& sample = Grid20k();
  for (auto _ : bench) Must(AdjustCurrentNetByLeastSquaresWithoutRows(sample.state));
}

void BM_AccuracyPane(benchmark::State& bench) {
  AccuracySample& sample = Grid20k();
  for (auto _ : bench) {
    sample.view->Refresh();
    QApplication::processEvents();  // the first paint of the filled tables
  }
}

BENCHMARK(BM_LeastSquaresSolve)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_AccuracyPane)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
}  // namespace korvado

KORVADO_WINDOW_BENCHMARK_MAIN()
