#pragma once
// «Построить сеть по журналу...»: the records and benchmarks the surveyor
// chooses, the preview of the net they make, and the one change of the data
// that puts that net into the file.
//
// The dialog: AllRecords / SelectedRecords / RecordRange, BenchmarkRows,
// FillBenchmarks (clipboard) or FillBenchmarksFromFile (catalogue), then
// PlanNet and ViewOfPlan for the preview; OK runs BuildPlannedNet.

#include <cstdint>
#include <string>
#include <vector>

#include "AppState.h"
#include "NetFromJournal.h"
#include "Outcome.h"

namespace korvado {

struct BenchmarkRow {
  std::string name;
  bool ticked = false;
  std::string elevation;  // as the cell shows it, the locale's decimal separator
  bool operator==(const BenchmarkRow&) const = default;
};

struct NetFromJournalChoice {
  std::vector<int32_t> records;  // indices from 0
  std::vector<BenchmarkRow> benchmarks;
  // Repeated runs over the tolerance used all the same, by their first record's number.
  std::vector<int32_t> keptRepeats;
  std::string name;  // of a new net
};

std::vector<int32_t> AllRecords(const AppState& state);
// Numbers from 1, both included. Refused when the range is empty or leaves the journal.
Result<std::vector<int32_t>> RecordRange(const AppState& state, int32_t first, int32_t last);

// Every point of the records, in the order the journal meets them; a point
// that a net of the file holds as a fixed point comes ticked with its elevation.
std::vector<BenchmarkRow> BenchmarkRows(const AppState& state, const std::vector<int32_t>& records);

// Ticks every row the known heights name and writes its elevation. The value
// lists the names that are no row, in the order given. Refused (rows
// unchanged) when the text cannot be read.
Result<std::vector<std::string>> FillBenchmarks(std::vector<BenchmarkRow>& rows, const std::string& text);
// The same from a catalogue file; raises FileIOError when it cannot be read.
Result<std::vector<std::string>> FillBenchmarksFromFile(std::vector<BenchmarkRow>& rows, const std::string& path);

// "Допуск расхождения повторных ходов: Техническое, f_доп = 10·√n мм, …":
// the class of the misclosure view, which the repeated runs are checked against.
std::string RepeatedRunsToleranceText(const AppState& state);

// The net the choice makes with the tolerance of the misclosure view.
// Refused: no records, a ticked row whose elevation is not a number, a name
// the file cannot hold.
Result<NetPlan> PlanNet(const AppState& state, const NetFromJournalChoice& choice);

// The preview «Новая сеть» as text.
struct NetPlanView {
  std::string summary;
  std::vector<std::vector<std::string>> sections;  // №, start, end, runs, setups, height
  std::vector<std::vector<std::string>> repeated;  // start, end, records, discrepancy, allowed, verdict
  std::vector<std::vector<std::string>> pendent;   // section №, from, point, record
  std::vector<std::vector<std::string>> leftOut;   // records, points, reason
};
std::vector<std::string> PlanSectionHeader();
std::vector<std::string> PlanRepeatedHeader();
std::vector<std::string> PlanPendentHeader();
std::vector<std::string> PlanLeftOutHeader();
NetPlanView ViewOfPlan(const NetPlan& plan);
// "3–5, 9": record numbers as a reader takes them in.
std::string RecordNumbersText(const std::vector<int32_t>& numbers);

// Nothing when the plan can go into the file; otherwise why not (no section,
// no point table).
Outcome PlanRefusal(const NetPlan& plan);

// OK: the planned net into the file as a new net (into < 0) or in place of
// the sections and points of net `into`, which keeps its name. The net
// becomes current with its first section active. One undo step. Refused
// with PlanRefusal.
Result<int32_t> BuildPlannedNet(AppState& state, const NetPlan& plan, int32_t into);

}  // namespace korvado
