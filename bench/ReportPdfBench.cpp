// The adjustment statement of a net of 1 000 sections and 3 000 points with
// every part: least squares, loops and lines, the diagram. Building the
// document (the diagram's layout included), its web page, and the PDF (the
// goal: under 3 s).
#include <benchmark/benchmark.h>

#include <string>

#include "AdjustmentStatement.h"
#include "KorNets.h"
#include "LeastSquaresCommands.h"
#include "Must.h"
#include "OffscreenGui.h"
#include "ReportHtml.h"
#include "ReportPages.h"

namespace korvado {
namespace {

constexpr int kSections = 1000;

// Nodal points N1 .. N1001 in a chain (every hundredth a benchmark), each
// section of three runs through two intermediate points: 3 001 points.
TKorNet ChainNet() {
  TKorNet net;
  net.Name = "Сеть";
  auto type = [](int k) { return static_cast<uint8_t>(k % 100 == 1 ? kFixedPoint : kNodalPoint); };
  for (int k = 1; k <= kSections; ++k) {
    const auto s = static_cast<uint16_t>(k - 1);
    const std::string tag = std::to_string(k);
    Must(net.AddSection("N" + tag, "A" + tag, type(k), kIntermediatePoint, 0.31 * (k % 7), 2, 0));
    Must(net.AppendRun(s, "B" + tag, kIntermediatePoint, -0.12 * (k % 5), 3, 0));
    Must(net.AppendRun(s, "N" + std::to_string(k + 1), type(k + 1), 1.05, 4, 0));
  }
  for (int k = 1; k <= kSections + 1; ++k) Must(net.AddPoint("N" + std::to_string(k), type(k), 1000.0 + 1.1 * k));
  return net;
}

// The net as the window holds it after «Уравнять по МНК».
const AppState& State() {
  static const AppState state = [] {
    AppState adjusted;
    adjusted.Nets.NetAt(*adjusted.Nets.AddNet("Сеть")) = ChainNet();
    adjusted.CurrentNetIndex = 0;
    Must(AdjustCurrentNetByLeastSquares(adjusted));
    return adjusted;
  }();
  return state;
}

ReportDocument Statement() { return CurrentNetStatement(State(), {"bench.kor", "08.12.2026 00:00"}); }

void BM_StatementDocument(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(Statement());
}
BENCHMARK(BM_StatementDocument)->Unit(benchmark::kMillisecond);

void BM_StatementHtml(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(ReportHtml(Statement()));
}
BENCHMARK(BM_StatementHtml)->Unit(benchmark::kMillisecond);

void BM_StatementPdf(benchmark::State& state) {
  const OffscreenGui gui;
  for (auto _ : state) {
    const QByteArray pdf = ReportPdf(Statement());
    state.counters["bytes"] = static_cast<double>(pdf.size());
  }
}
BENCHMARK(BM_StatementPdf)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace
}  // namespace korvado
