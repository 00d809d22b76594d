// Undo on the largest journal the file holds: 65 535 records of one setup each,
// every name and note at its full length, and a net of 10 000 runs. Measures
// recording a step, one undo, and the memory of a full history, in bytes the
// history counts and in the growth of the resident set.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <fstream>

#include "AdjustmentCommands.h"
#include "GeneratedNets.h"
#include "JournalCommands.h"
#include "JournalRecordEdits.h"
#include "Must.h"
#include "NumberText.h"
#include "RecordStep.h"

namespace korvado {
namespace {

constexpr int kRecords = 0xFFFF;
constexpr int kNetRuns = 10000;

std::string Letters(const std::string& letter, int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += letter;
  return text;
}

void FillLargestJournal(AppState& state) {
  const std::string name = Letters("Ж", 18);
  const std::string note = Letters("ю", 26);
  state.Journal.Clear();
  for (int i = 0; i < kRecords; ++i)
    Must(state.Journal.AddRecord(name + std::to_string(i % 100), name + std::to_string(i % 100 + 1), 1,
                                 note + std::to_string(i)));
  TKorNet& net = state.Nets.NetAt(*state.Nets.AddNet("Сеть"));
  Must(net.AddSection("A", "B", kFixedPoint, kIntermediatePoint, 0.0, 1.0, MakeJournalRef(kRecords / 2, false)));
  for (int r = 1; r < kNetRuns; ++r)
    Must(net.AppendRun(0, "B" + std::to_string(r), kIntermediatePoint, 0.0, 1.0,
                       MakeJournalRef(kRecords / 2 + r, false)));
  state.CurrentNetIndex = 0;
  state.History.Reset(state);
}

double ResidentMegabytes() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0, resident = 0;
  statm >> pages >> resident;
  return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// The time of undoing the last step; redoing it between the undos is not counted.
void TimeUndo(benchmark::State& bench, AppState& state) {
  for (auto _ : bench) {
    state.History.Undo(state);
    bench.PauseTiming();
    state.History.Redo(state);
    bench.ResumeTiming();
  }
}

// A finished cell edit recorded as a step, then taken back: the step's own cost.
void BM_RecordCellEdit(benchmark::State& bench) {
  AppState state;
  FillLargestJournal(state);
  int k = 0;
  for (auto _ : bench) {
    Must(RecordStep(state, "правка",
                    [&] { return WriteMainCell(state, kRecords / 2, kMainNote, "заметка " + std::to_string(++k)); }));
  }
}
BENCHMARK(BM_RecordCellEdit)->Unit(benchmark::kMillisecond);

void BM_UndoCellEdit(benchmark::State& bench) {
  AppState state;
  FillLargestJournal(state);
  Must(RecordStep(state, "правка", [&] { return WriteMainCell(state, kRecords / 2, kMainNote, "заметка"); }));
  TimeUndo(bench, state);
}
BENCHMARK(BM_UndoCellEdit)->Unit(benchmark::kMillisecond);

// Inserting a record at the top moves every setup range and every net reference: the dearest step.
void BM_UndoInsertAtTop(benchmark::State& bench) {
  AppState state;
  FillLargestJournal(state);
  Must(DeleteRecordKeepingRefs(state, kRecords - 1));
  state.History.Reset(state);
  Must(RecordStep(state, "вставка", [&] { return InsertJournalRecord(state, 0); }));
  TimeUndo(bench, state);
}
BENCHMARK(BM_UndoInsertAtTop)->Unit(benchmark::kMillisecond);

// A full history of the dearest steps: insert and delete at the top, by turns.
void BM_HistoryMemory(benchmark::State& bench) {
  for (auto _ : bench) {
    AppState state;
    FillLargestJournal(state);
    Must(DeleteRecordKeepingRefs(state, kRecords - 1));
    state.History.Reset(state);
    const double before = ResidentMegabytes();
    for (size_t k = 0; k < UndoHistory::kDepth; ++k)
      Must(RecordStep(state, "шаг", [&] {
        return k % 2 ? DeleteRecordKeepingRefs(state, 0) : Outcome(InsertJournalRecord(state, 0));
      }));
    bench.counters["steps"] = static_cast<double>(state.History.StepCount());
    bench.counters["step_bytes_MB"] = static_cast<double>(state.History.StepBytes()) / (1024.0 * 1024.0);
    bench.counters["resident_growth_MB"] = ResidentMegabytes() - before;
  }
}
BENCHMARK(BM_HistoryMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

// A full history of the smallest net edits: one benchmark's elevation typed
// anew in a chain of 10 000 runs (10 000 sections, 10 001 points), step after step.
void BM_ElevationStepsMemory(benchmark::State& bench) {
  for (auto _ : bench) {
    SetNumberSeparators('.', "");
    AppState state;
    state.Nets.NetAt(*state.Nets.AddNet("Сеть")) = GenerateNet(NetShape::Chain, 10001).net;
    state.CurrentNetIndex = 0;
    state.History.Reset(state);
    const double before = ResidentMegabytes();
    for (size_t k = 0; k < UndoHistory::kDepth; ++k)
      Must(ApplyOriginAltitudes(state, {{"P0", std::to_string(100 + k) + ".5"}}));
    bench.counters["steps"] = static_cast<double>(state.History.StepCount());
    bench.counters["step_bytes_MB"] = static_cast<double>(state.History.StepBytes()) / (1024.0 * 1024.0);
    bench.counters["resident_growth_MB"] = ResidentMegabytes() - before;
  }
}
BENCHMARK(BM_ElevationStepsMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace korvado
