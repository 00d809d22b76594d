// libFuzzer target: the digital level readers. Any bytes are read or refused
// with LevelFileError; what is read becomes journal records whose readings are
// finite and within the journal's range and whose names hold no control
// character, in either journal mode.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "ControlChars.h"
#include "LevelFileReader.h"
#include "LevelImportPreview.h"
#include "ValueRanges.h"

namespace {

using namespace korvado;

void CheckRecord(const ImportedRecord& record) {
  if (HasControlChar(record.BackPoint) || HasControlChar(record.ForePoint)) std::abort();
  for (const ImportedSetup& setup : record.Setups) {
    if (HasControlChar(setup.BackPoint) || HasControlChar(setup.ForePoint)) std::abort();
    for (const double reading : {setup.BackMain, setup.ForeMain, setup.BackAux, setup.ForeAux})
      if (!IsSaneValue(ValueKind::Reading, reading)) std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  LevelFile file;
  try {
    CheckLevelFileHead(std::string_view(bytes).substr(0, kLevelFileHeadBytes));
    file = ReadLevelFile(bytes);
  } catch (const LevelFileError&) {
    return 0;
  }
  for (const bool techMode : {false, true}) {
    PreviewLevelLines(file.Lines, techMode);
    for (const LevellingLine& line : file.Lines) CheckRecord(JournalRecordOf(line, techMode));
  }
  return 0;
}
