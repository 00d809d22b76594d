#include "LevelImportPreview.h"

#include <algorithm>

#include "KorData.h"
#include "ModelMessages.h"
#include "NumberText.h"
#include "RecordHeight.h"

namespace korvado {

namespace {

constexpr double kPreciseUnitsPerMetre = 20000.0;
constexpr double kMillimetresPerMetre = 1000.0;
// Enough for a foot reading to 0.0001 ft in either unit; no more, so that metres
// times a factor do not show binary noise in the grids.
constexpr int8_t kReadingDecimals = 4;

double JournalReading(double metres, double unitsPerMetre) {
  return RoundHalfEven(kReadingDecimals, metres * unitsPerMetre);
}

// A level numbers the points it has no name for; a number in the middle of a line is such a turning point.
bool IsPointName(const std::string& id) {
  return std::any_of(id.begin(), id.end(), [](char c) { return c < '0' || c > '9'; });
}

std::string TurningPointName(const LevellingLine& line, int32_t k, const std::string& fore) {
  const std::string& id = line.Stations[k - 1].ForePoint;
  return IsPointName(id) ? id : SetupForeName(fore, k, static_cast<int32_t>(line.Stations.size()));
}

void SetReadings(ImportedSetup& setup, const LevellingStation& station, bool techMode) {
  if (techMode) {
    const double back = station.HasSecondReadings ? (station.Back1 + station.Back2) / 2.0 : station.Back1;
    const double fore = station.HasSecondReadings ? (station.Fore1 + station.Fore2) / 2.0 : station.Fore1;
    setup.BackMain = JournalReading(back, kMillimetresPerMetre);
    setup.ForeMain = JournalReading(fore, kMillimetresPerMetre);
    return;
  }
  setup.BackMain = JournalReading(station.Back1, kPreciseUnitsPerMetre);
  setup.ForeMain = JournalReading(station.Fore1, kPreciseUnitsPerMetre);
  setup.BackAux = JournalReading(station.Back2, kPreciseUnitsPerMetre);
  setup.ForeAux = JournalReading(station.Fore2, kPreciseUnitsPerMetre);
}

// The journal's own check of the two readings, made in high-precision units
// whatever the journal's mode; precise is a journal in that mode.
bool FailsTwoReadingCheck(const LevellingStation& station, const TKorData& precise) {
  if (!station.HasSecondReadings) return false;
  ImportedSetup setup;
  SetReadings(setup, station, false);
  return precise.ComputeSetupHeight(setup.BackMain, setup.ForeMain, setup.BackAux, setup.ForeAux) == InvalidHeight;
}

std::string ShownMethod(const LevellingLine& line) {
  if (!line.Method.empty() || line.Stations.empty()) return line.Method;
  const bool twice = std::all_of(line.Stations.begin(), line.Stations.end(),
                                 [](const LevellingStation& s) { return s.HasSecondReadings; });
  return twice ? "BFFB" : "BF";
}

std::string RefusalOf(const LevellingLine& line, bool techMode) {
  if (line.Stations.empty()) return "в ходе нет станций";
  if (line.Stations.size() > static_cast<size_t>(kFormatCountLimit))
    return "в ходе больше " + std::to_string(kFormatCountLimit) + " станций, а запись журнала держит не больше";
  if (line.Stations.front().BackPoint.empty() || line.Stations.back().ForePoint.empty())
    return "у начальной или конечной точки хода нет имени";
  const bool oneReading = std::any_of(line.Stations.begin(), line.Stations.end(),
                                      [](const LevellingStation& s) { return !s.HasSecondReadings; });
  if (!techMode && oneReading) return kOneReadingRefusal;
  return {};
}

// The record's height difference by the journal's own formulas.
double RecordHeight(const ImportedRecord& record, const TKorData& formulas) {
  return RecordHeightOf(static_cast<int32_t>(record.Setups.size()), [&](int32_t k) {
    const ImportedSetup& s = record.Setups[k];
    return formulas.ComputeSetupHeight(s.BackMain, s.ForeMain, s.BackAux, s.ForeAux);
  });
}

}  // namespace

ImportedRecord JournalRecordOf(const LevellingLine& line, bool techMode) {
  ImportedRecord record;
  if (line.Stations.empty()) return record;
  record.BackPoint = line.Stations.front().BackPoint;
  record.ForePoint = line.Stations.back().ForePoint;
  const auto n = static_cast<int32_t>(line.Stations.size());
  record.Setups.resize(n);
  for (int32_t k = 1; k <= n; ++k) {
    ImportedSetup& setup = record.Setups[k - 1];
    setup.BackPoint = k == 1 ? record.BackPoint : record.Setups[k - 2].ForePoint;
    setup.ForePoint = k == n ? record.ForePoint : TurningPointName(line, k, record.ForePoint);
    SetReadings(setup, line.Stations[k - 1], techMode);
  }
  return record;
}

std::vector<LevelLinePreview> PreviewLevelLines(const std::vector<LevellingLine>& lines, bool techMode) {
  TKorData formulas;
  formulas.TechMode = techMode;
  TKorData precise;
  precise.TechMode = false;
  std::vector<LevelLinePreview> rows;
  rows.reserve(lines.size());
  for (const LevellingLine& line : lines) {
    LevelLinePreview& row = rows.emplace_back();
    row.Method = ShownMethod(line);
    row.Stations = static_cast<int32_t>(line.Stations.size());
    row.IntermediateSights = line.IntermediateSights;
    for (const LevellingStation& station : line.Stations) {
      row.BackSights += station.BackDistance;
      row.ForeSights += station.ForeDistance;
      row.FailedChecks += FailsTwoReadingCheck(station, precise) ? 1 : 0;
    }
    row.Refusal = RefusalOf(line, techMode);
    if (line.Stations.empty()) continue;
    row.Start = line.Stations.front().BackPoint;
    row.End = line.Stations.back().ForePoint;
    if (row.Importable()) row.Height = RecordHeight(JournalRecordOf(line, techMode), formulas);
  }
  return rows;
}

}  // namespace korvado
