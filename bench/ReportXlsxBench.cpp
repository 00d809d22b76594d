// The workbook of the statement of a net of 1 000 sections and 3 000 points
// after least squares: the statement without its picture, the sheets, and
// the .xlsx bytes (the goal: under 0.5 s). With the adjustment thrown away,
// as after opening the file again, the heights are checked by a new
// least-squares solution.
#include <benchmark/benchmark.h>

#include "ReportXlsx.h"
#include "StatementBenchNet.h"
#include "StatementWorkbook.h"

namespace korvado {
namespace {

const ReportStamp kStamp{"bench.kor", "08.12.2026 00:00"};

void BM_StatementWorkbook(benchmark::State& state) {
  for (auto _ : state) {
    const std::string bytes = ReportXlsx(CurrentNetWorkbook(AdjustedChainNet(), kStamp, {}));
    state.counters["bytes"] = static_cast<double>(bytes.size());
  }
}
BENCHMARK(BM_StatementWorkbook)->Unit(benchmark::kMillisecond);

void BM_StatementWorkbookAfterReopening(benchmark::State& state) {
  AppState reopened;
  AdjustChainNet(reopened);
  reopened.LastLeastSquares.reset();
  for (auto _ : state) benchmark::DoNotOptimize(ReportXlsx(CurrentNetWorkbook(reopened, kStamp, {})));
}
BENCHMARK(BM_StatementWorkbookAfterReopening)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace korvado
