#pragma once
// A level's levelling lines as the journal will take them: each line becomes
// one record whose setups are its stations, readings in the journal's units.
// The preview shows what the journal would compute before anything changes.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "LevellingLine.h"

namespace korvado {

struct ImportedSetup {
  std::string BackPoint;
  std::string ForePoint;
  double BackMain = 0.0;
  double ForeMain = 0.0;
  double BackAux = 0.0;
  double ForeAux = 0.0;
};

struct ImportedRecord {
  std::string BackPoint;
  std::string ForePoint;
  std::vector<ImportedSetup> Setups;
};

struct LevelLinePreview {
  std::string Start;
  std::string End;
  std::string Method;
  int32_t Stations = 0;
  // Millimetres, summed from the setups as the journal sums them; InvalidHeight
  // when a station fails the journal's two-reading check; none for a line the
  // journal refuses.
  std::optional<double> Height;
  // Metres.
  double BackSights = 0.0;
  double ForeSights = 0.0;
  int32_t FailedChecks = 0;
  int32_t IntermediateSights = 0;
  // Empty when the journal can take the line; otherwise why not.
  std::string Refusal;
  bool Importable() const { return Refusal.empty(); }
};

// The record a line becomes in a journal of the given mode. High precision:
// metres × 20000 (units of 0.05 mm), reading 1 on the main scale, reading 2 on
// the additional. Technical: metres × 1000 (mm), the mean of two readings.
// Turning points keep the file's ids where they are names; numbers (automatic
// or 0) and blanks take the journal's own naming.
ImportedRecord JournalRecordOf(const LevellingLine& line, bool techMode);

std::vector<LevelLinePreview> PreviewLevelLines(const std::vector<LevellingLine>& lines, bool techMode);

inline constexpr const char* kOneReadingRefusal =
    "в высокоточный журнал нужны два отсчёта на рейку; переключите журнал на техническое нивелирование";

}  // namespace korvado
