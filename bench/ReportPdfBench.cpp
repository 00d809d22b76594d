// The adjustment statement of a net of 1 000 sections and 3 000 points with
// every part: least squares, loops and lines, the diagram. Building the
// document (the diagram's layout included), its web page, and the PDF (the
// goal: under 3 s).
#include <benchmark/benchmark.h>

#include <string>

#include "AdjustmentStatement.h"
#include "OffscreenGui.h"
#include "ReportHtml.h"
#include "ReportPages.h"
#include "StatementBenchNet.h"

namespace korvado {
namespace {

ReportDocument Statement() { return CurrentNetStatement(AdjustedChainNet(), {"bench.kor", "08.12.2026 00:00"}); }

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
