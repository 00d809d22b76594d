// Writing and reading a data file at the format's limits: 65 535 records of
// one setup each and a net of a thousand sections. Reading is compared with
// a single read call of the same bytes.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "DataFile.h"
#include "KorData.h"
#include "KorNets.h"
#include "Must.h"
#include "ReadOneCall.h"

namespace korvado {
namespace {

struct LimitSurvey {
  TKorData journal;
  TNetList nets;
  std::string bytes;
  std::string path;

  LimitSurvey() {
    for (int32_t k = 0; k < 65535; ++k) {
      const std::string back = (k % 2 ? "Рп" : "Rp") + std::to_string(k);
      Must(journal.AddRecord(back, "Рп" + std::to_string(k + 1), 1, k % 10 ? "" : "повторный ход"));
      journal.SetSetupData(k, back, journal.ForePoints[k], 1520.0 + k % 97, 1403.5, 6305.0 + k % 97, 6188.5, "");
      journal.RecalcRecordHeight(k);
    }
    TKorNet& net = nets.NetAt(*nets.AddNet("Сеть на пределе формата"));
    for (int32_t s = 0; s < 1000; ++s) {
      const std::string start = "Узел" + std::to_string(s);
      Must(net.AddSection(start, "П" + std::to_string(s) + "-1", kNodalPoint, kIntermediatePoint, 0.5, 1.0, s + 1));
      for (int32_t r = 2; r <= 5; ++r)
        Must(net.AppendRun(static_cast<uint16_t>(s), "П" + std::to_string(s) + "-" + std::to_string(r),
                           r == 5 ? kNodalPoint : kIntermediatePoint, 0.25 * r, 1.0, -(s + r)));
      Must(net.SectionTables.TableAt(s).AddPendentRun(kIntermediatePoint, start, "В" + std::to_string(s), 2, 0.1,
                                                      s + 7));
      Must(net.AddPoint(start, s % 10 ? kNodalPoint : kFixedPoint, 100.0 + s));
    }
    bytes = WriteDataBytes(journal, nets);
    path = (std::filesystem::temp_directory_path() / ("korvado-bench-" + std::to_string(getpid()) + ".kor")).string();
    WriteDataFile(path, journal, nets);
  }
  ~LimitSurvey() { std::filesystem::remove(path); }
};

const LimitSurvey& Survey() {
  static const LimitSurvey survey;
  return survey;
}

void SetBytes(benchmark::State& state) {
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * Survey().bytes.size()));
  state.counters["file_bytes"] = static_cast<double>(Survey().bytes.size());
}

void BM_WriteDataBytes(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(WriteDataBytes(Survey().journal, Survey().nets));
  SetBytes(state);
}

// Includes the temporary file, fsync and rename of a real save.
void BM_WriteDataFile(benchmark::State& state) {
  for (auto _ : state) WriteDataFile(Survey().path, Survey().journal, Survey().nets);
  SetBytes(state);
}

void BM_ReadDataBytes(benchmark::State& state) {
  for (auto _ : state) {
    TKorData journal;
    TNetList nets;
    ReadDataBytes(Survey().bytes, "bench.kor", journal, nets);
    benchmark::DoNotOptimize(journal.RecordCount());
  }
  SetBytes(state);
}

void BM_ReadDataFile(benchmark::State& state) {
  for (auto _ : state) {
    TKorData journal;
    TNetList nets;
    ReadDataFile(Survey().path, journal, nets);
    benchmark::DoNotOptimize(journal.RecordCount());
  }
  SetBytes(state);
}

// The floor for reading: the same file in one piece with one read call.
void BM_RawReadOneCall(benchmark::State& state) {
  for (auto _ : state) ReadFileInOneCall(Survey().path);
  SetBytes(state);
}

BENCHMARK(BM_WriteDataBytes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteDataFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadDataBytes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadDataFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RawReadOneCall)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace korvado
