#pragma once
// What a digital level's file holds once read, whatever its format: levelling
// lines made of stations, readings in metres as the instrument measured them.
// Nothing here is in journal units yet; LevelImportPreview converts.

#include <cstdint>
#include <string>
#include <vector>

#include "ModelErrors.h"

namespace korvado {

struct LevellingStation {
  // The staff points' ids as the file gives them; empty when the file has none.
  std::string BackPoint;
  std::string ForePoint;
  // Reading 1 and reading 2 of each staff, metres; the second pair only when
  // HasSecondReadings (methods that read each staff twice).
  double Back1 = 0.0;
  double Fore1 = 0.0;
  double Back2 = 0.0;
  double Fore2 = 0.0;
  bool HasSecondReadings = false;
  // Horizontal distance to each staff, metres (0 when the file gives none).
  double BackDistance = 0.0;
  double ForeDistance = 0.0;
  // Line of the file where the station's first reading stands (from 1).
  int32_t FileLine = 0;
};

struct LevellingLine {
  // "BF", "BFFB", "aBFFB", ... as the file names the method; empty when it does not.
  std::string Method;
  std::vector<LevellingStation> Stations;
  // Sights to points beside the line: counted, never journal data.
  int32_t IntermediateSights = 0;
  int32_t FileLine = 0;
};

enum class LevelFileFormat { Gsi8, Gsi16, DiniM5 };

struct LevelFile {
  LevelFileFormat Format = LevelFileFormat::Gsi16;
  std::vector<LevellingLine> Lines;
};

// Input that cannot be imported; the text names the file's line and the fault.
class LevelFileError : public KorvadoError {
 public:
  LevelFileError(int32_t fileLine, const std::string& what);
  // A fault of the whole file, not of one line.
  explicit LevelFileError(const std::string& what);
};

}  // namespace korvado
