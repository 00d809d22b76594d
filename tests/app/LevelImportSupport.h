#pragma once
// Reading the sample level files and checking what the import put into the journal.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "LevelImportCommands.h"

namespace korvado {

inline std::string LevelSample(const std::string& name) { return std::string(KORVADO_LEVEL_SAMPLES) + "/" + name; }

// One setup as expected: names and the four readings in journal units, then its height.
struct ExpectedSetup {
  std::string Back, Fore;
  double BackMain, ForeMain, BackAux, ForeAux, Height;
};

inline void ExpectSetups(const TKorData& journal, int32_t record, const std::vector<ExpectedSetup>& expected) {
  ASSERT_EQ(journal.SetupCounts.GetItem(record), static_cast<int32_t>(expected.size()));
  int32_t s = journal.FirstSetup.GetItem(record);
  for (const ExpectedSetup& e : expected) {
    SCOPED_TRACE("setup " + e.Back + " -> " + e.Fore);
    EXPECT_EQ(journal.SetupBackPoints[s], e.Back);
    EXPECT_EQ(journal.SetupForePoints[s], e.Fore);
    EXPECT_NEAR(journal.BackMainReading.GetItem(s), e.BackMain, 1e-9);
    EXPECT_NEAR(journal.ForeMainReading.GetItem(s), e.ForeMain, 1e-9);
    EXPECT_NEAR(journal.BackAuxReading.GetItem(s), e.BackAux, 1e-9);
    EXPECT_NEAR(journal.ForeAuxReading.GetItem(s), e.ForeAux, 1e-9);
    EXPECT_NEAR(journal.SetupHeightDiffs.GetItem(s), e.Height, 1e-9);
    ++s;
  }
}

// Imports every line the preview ticks, at the end of the journal.
inline Result<InsertedRecords> ImportTicked(AppState& state, const LevelImport& import) {
  std::vector<bool> ticked;
  for (const LevelLinePreview& line : import.Lines) ticked.push_back(line.Importable());
  return ImportLevelLines(state, import, ticked, -1);
}

// The message a file's text is refused with; empty when it is read.
inline std::string RefusalOf(const std::string& bytes) {
  AppState state;
  try {
    PrepareLevelImportFromBytes(state, bytes);
  } catch (const LevelFileError& e) {
    return e.what();
  }
  return {};
}

}  // namespace korvado
