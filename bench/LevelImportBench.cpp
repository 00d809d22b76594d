// Reading a digital level's file of 200 000 lines, GSI-16 and DiNi M5, up to
// the preview the import dialog shows, against one read call of the same bytes.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "LevelImportCommands.h"
#include "ReadOneCall.h"

namespace korvado {
namespace {

constexpr int kLines = 200000;
constexpr int kStationsPerLine = 50;

std::string Padded(long long value, int width) {
  std::string digits = std::to_string(value < 0 ? -value : value);
  return std::string(width - static_cast<int>(digits.size()), '0') + digits;
}

std::string GsiWord(const char* head, long long value) {
  return std::string(head) + (value < 0 ? "-" : "+") + Padded(value, 16) + " ";
}

// BFFB lines of 50 stations: a code block, then four reading blocks per station.
std::string GsiFile() {
  std::string text;
  int block = 0;
  for (int line = 0; line < kLines; ++line) {
    const int k = line % (4 * kStationsPerLine + 1);
    if (k == 0) {
      text += "*41" + Padded(++block % 10000, 4) + "+00000000?......2 \n";
      continue;
    }
    static const char* const kReadings[] = {"331.08", "332.08", "336.08", "335.08"};
    const int station = (k - 1) / 4;
    const int step = (k - 1) % 4;
    const bool back = step == 0 || step == 3;
    const std::string id = "P" + std::to_string(back ? station : station + 1);
    text += "*11" + Padded(++block % 10000, 4) + "+" + std::string(16 - id.size(), '0') + id + " " +
            GsiWord("32...8", 2500000 + line % 700) + GsiWord(kReadings[step], 140000 + (line * 37) % 9000) +
            GsiWord("391.08", 1);
    text.back() = '\n';
  }
  return text;
}

std::string M5Row(int address, const std::string& type, const std::string& info, const std::string& blocks) {
  char row[160];
  std::snprintf(row, sizeof row, "For M5|Adr %5d|%-3s %-27s|%-69s \n", address % 100000, type.c_str(), info.c_str(),
                blocks.c_str());
  return row;
}

std::string M5Block(const char* type, double value, const char* unit) {
  char block[32];
  std::snprintf(block, sizeof block, "%-2s %14.5f %-4s|", type, value, unit);
  return block;
}

// BFFB lines of six stations (so that 200 000 rows end with a whole line): a
// start row, five rows per station (four readings and the height), an end row.
std::string M5File() {
  constexpr int kM5Stations = 6;
  std::string text;
  const std::string empty = "                      |";
  for (int row = 1; row <= kLines; ++row) {
    const int k = (row - 1) % (5 * kM5Stations + 2);
    if (k == 0 || k == 5 * kM5Stations + 1) {
      text += M5Row(row, "TO", k == 0 ? "Start-Line        BFFB    1" : "End-Line          1", empty + empty + empty);
      continue;
    }
    const int step = (k - 1) % 5;
    const int station = (k - 1) / 5;
    if (step == 4) {
      text +=
          M5Row(row, "KD1", "P" + std::to_string(station + 1), M5Block("Z", 100.0 + row * 1e-5, "m") + empty + empty);
      continue;
    }
    const bool back = step == 0 || step == 3;
    const std::string id = "P" + std::to_string(back ? station : station + 1);
    text += M5Row(row, "KD1", id,
                  M5Block(back ? "Rb" : "Rf", 1.4 + (row % 97) * 1e-5, "m") + M5Block("HD", 25.0, "m") + empty);
  }
  return text;
}

struct LevelFiles {
  std::string gsi = GsiFile();
  std::string m5 = M5File();
  std::string gsiPath = Write("gsi", gsi);
  std::string m5Path = Write("dat", m5);

  static std::string Write(const char* suffix, const std::string& bytes) {
    const std::string path =
        (std::filesystem::temp_directory_path() / ("korvado-bench-" + std::to_string(getpid()) + "." + suffix))
            .string();
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
  }
  ~LevelFiles() {
    std::filesystem::remove(gsiPath);
    std::filesystem::remove(m5Path);
  }
};

const LevelFiles& Files() {
  static const LevelFiles files;
  return files;
}

void SetBytes(benchmark::State& state, const std::string& bytes) {
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
  state.counters["file_bytes"] = static_cast<double>(bytes.size());
}

// From the file on disk to the preview rows, as the import command does.
void ParseAndPreview(benchmark::State& state, const std::string& path, const std::string& bytes) {
  const AppState journal;
  for (auto _ : state) {
    const LevelImport import = PrepareLevelImport(journal, path);
    benchmark::DoNotOptimize(import.Lines.data());
  }
  SetBytes(state, bytes);
}

void ReadOneCall(benchmark::State& state, const std::string& path, const std::string& bytes) {
  for (auto _ : state) ReadFileInOneCall(path);
  SetBytes(state, bytes);
}

void BM_GsiParsePreview(benchmark::State& state) { ParseAndPreview(state, Files().gsiPath, Files().gsi); }
void BM_GsiReadOneCall(benchmark::State& state) { ReadOneCall(state, Files().gsiPath, Files().gsi); }
void BM_M5ParsePreview(benchmark::State& state) { ParseAndPreview(state, Files().m5Path, Files().m5); }
void BM_M5ReadOneCall(benchmark::State& state) { ReadOneCall(state, Files().m5Path, Files().m5); }

BENCHMARK(BM_GsiParsePreview)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GsiReadOneCall)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_M5ParsePreview)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_M5ReadOneCall)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace korvado
