#pragma once
// The least-squares commands: adjust the current net and write its heights,
// change the a-priori σ of one setup, and the tables of the accuracy view.
// A refusal goes to the message service and changes nothing.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "AdjustmentCommands.h"
#include "AppState.h"

namespace korvado {

inline constexpr const char* kSuspectMark = "возможна грубая ошибка";
inline constexpr const char* kUncontrolledMark = "не контролируется";
inline constexpr const char* kPendentTypeName = "Висячая точка";

// What EquateListView shows after «Уравнять по МНК».
struct LeastSquaresListView {
  std::vector<EquateRow> rows;
  std::vector<std::string> sigmas;  // «СКО отметки, мм» per row, empty where undefined
  std::string methodCaption;        // "МНК, r = 5"
  std::string resultCaption;        // "σ₀ = 0.54 мм, χ² принят"
};

// btnLeastSquaresClick: adjusts the current net, writes the adjusted heights
// into its point table (the data change; the sweep counter stays) and keeps
// the result for the accuracy view.
Result<LeastSquaresListView> AdjustCurrentNetByLeastSquares(AppState& state);
// The same adjustment without the rows the window lists: for korvado-cli,
// which prints the kept result itself.
Outcome AdjustCurrentNetByLeastSquaresWithoutRows(AppState& state);

// The texts the accuracy view and the report share: "χ² = … : принят", and
// a section's mark (suspect, not controlled, or empty).
std::string ChiSquareVerdict(const LeastSquaresResult& result);
std::string SectionMark(const LeastSquaresSection& section);
// "МНК, r = 5" and "σ₀ = 0.54 мм, χ² = …: принят": the result in a line.
std::string LeastSquaresMethodCaption(const LeastSquaresResult& result);
std::string LeastSquaresResultCaption(const LeastSquaresResult& result);
// Two decimals, or «—» where the figure is not defined.
std::string OptionalFixed(int8_t digits, const std::optional<double>& value);

// Parses and stores the a-priori σ of one setup (locale decimal separator);
// the kept result's tests follow it.
Outcome SetSigmaPerSetup(AppState& state, const std::string& text);

// The two tables of «Оценка точности», as text cells, and a line above them.
struct AccuracyTables {
  std::string summary;
  std::vector<std::vector<std::string>> points;    // name, type, elevation (two decimals), σ
  std::vector<std::string> fullElevations;         // per point, its elevation as stored
  std::vector<std::vector<std::string>> sections;  // start, end, n, h, v, rᵢ, wᵢ, mark
  std::vector<double> absoluteW;                   // per section, |wᵢ|; −1 where wᵢ is not defined
  std::vector<bool> suspect;                       // per section, suspected of a blunder
  int32_t net = -1;                                // the net the sections belong to
};

std::vector<std::string> AccuracyPointHeader();
std::vector<std::string> AccuracySectionHeader();
// The column of wᵢ in the sections table.
inline constexpr int kAccuracyWColumn = 6;

// The kept result while it belongs to the current net and the net is
// unchanged since; otherwise only a summary saying what to do. Every cell
// made at once: for documents and copies; a window shows AccuracyCells.
AccuracyTables CurrentAccuracyTables(const AppState& state);

// The kept result when it belongs to net `index` and that net is unchanged
// since; null otherwise.
const LeastSquaresResult* KeptLeastSquares(const AppState& state, int32_t index);

// Whether net `index` holds adjusted heights: its kept least-squares result
// is still valid, or its heights equal the least-squares heights
// (HeightsEqualLeastSquares: a converged sweep, a file saved after least
// squares and opened again).
bool HeightsAdjusted(const AppState& state, int32_t index);

// Rows of the accuracy tables as a spreadsheet takes them from the clipboard.
std::string AccuracyCopyText(const std::vector<std::vector<std::string>>& rows);

}  // namespace korvado
