#pragma once
// Journal records for tests: runs as the journal holds them once their
// readings were keyed in (a height difference, no setup readings).

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "KorData.h"

namespace korvado {

struct JournalRun {
  std::string back;
  std::string fore;
  uint16_t setups;
  double height;
};

inline void AddJournalRun(TKorData& journal, const std::string& back, const std::string& fore, uint16_t setups,
                          double height, const std::string& note = "") {
  ASSERT_TRUE(journal.AddRecord(back, fore, setups, note)) << back << " - " << fore;
  journal.HeightDiffs.SetItem(journal.RecordCount() - 1, height);
}

inline void AddJournalRuns(TKorData& journal, const std::vector<JournalRun>& runs) {
  for (const JournalRun& run : runs) AddJournalRun(journal, run.back, run.fore, run.setups, run.height);
}

}  // namespace korvado
