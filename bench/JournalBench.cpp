// Journal edits on a journal of 60 000 records: each visits every record once.
#include <benchmark/benchmark.h>

#include "KorData.h"
#include "Must.h"

namespace korvado {
namespace {

constexpr int kRecords = 60000;

TKorData LargeJournal() {
  TKorData journal;
  for (int i = 0; i < kRecords; ++i) Must(journal.AddRecord("A", "B", 1, ""));
  return journal;
}

void BM_SetSetupCount(benchmark::State& state) {
  TKorData journal = LargeJournal();
  for (auto _ : state) {
    Must(journal.SetSetupCount(kRecords / 2, 3));
    Must(journal.SetSetupCount(kRecords / 2, 1));
  }
  state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_SetSetupCount)->Unit(benchmark::kMicrosecond);

void BM_InsertAndDeleteRecord(benchmark::State& state) {
  TKorData journal = LargeJournal();
  for (auto _ : state) {
    Must(journal.InsertRecord(kRecords / 2, "N", "M", 2, ""));
    Must(journal.DeleteRecord(kRecords / 2));
  }
  state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_InsertAndDeleteRecord)->Unit(benchmark::kMicrosecond);

void BM_DeleteRecord(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    TKorData journal = LargeJournal();
    state.ResumeTiming();
    Must(journal.DeleteRecord(0));
    benchmark::DoNotOptimize(journal.RecordCount());
  }
}
BENCHMARK(BM_DeleteRecord)->Unit(benchmark::kMicrosecond)->Iterations(20);

}  // namespace
}  // namespace korvado
