#pragma once
// Checks of the journal's bookkeeping shared by the journal tests.

#include <gtest/gtest.h>

#include <vector>

#include "KorData.h"

namespace korvado {

// Ranges match the counts, do not overlap and cover every setup entry; all columns have their lengths.
inline ::testing::AssertionResult JournalIsConsistent(const TKorData& j) {
  const int32_t records = j.RecordCount();
  const int32_t setups = j.SetupTotal();
  for (int32_t n : {j.BackPoints.Count(), j.SetupCounts.Count(), j.HeightDiffs.Count(), j.Notes.Count(),
                    j.FirstSetup.Count(), j.LastSetup.Count()})
    if (n != records) return ::testing::AssertionFailure() << "record column of length " << n;
  for (int32_t n :
       {j.SetupBackPoints.Count(), j.ForeMainReading.Count(), j.BackMainReading.Count(), j.ForeAuxReading.Count(),
        j.BackAuxReading.Count(), j.SetupHeightDiffs.Count(), j.SetupNotes.Count()})
    if (n != setups) return ::testing::AssertionFailure() << "setup column of length " << n;
  std::vector<int> owner(setups, -1);
  for (int32_t i = 0; i < records; ++i) {
    const int32_t f = j.FirstSetup.GetItem(i);
    const int32_t l = j.LastSetup.GetItem(i);
    if (j.SetupCounts.GetItem(i) < 1 || l - f + 1 != j.SetupCounts.GetItem(i))
      return ::testing::AssertionFailure() << "record " << i << " range " << f << ".." << l;
    for (int32_t s = f; s <= l; ++s) {
      if (s < 0 || s >= setups || owner[s] != -1)
        return ::testing::AssertionFailure() << "setup " << s << " out of range or shared";
      owner[s] = i;
    }
  }
  for (int32_t s = 0; s < setups; ++s)
    if (owner[s] == -1) return ::testing::AssertionFailure() << "setup " << s << " belongs to no record";
  return ::testing::AssertionSuccess();
}

// The setup names of record i as the naming rule gives them.
inline ::testing::AssertionResult SetupsNamedByRule(const TKorData& j, int32_t i) {
  const int32_t f = j.FirstSetup.GetItem(i);
  const int32_t n = j.SetupCounts.GetItem(i);
  for (int32_t k = 1; k <= n; ++k) {
    if (j.SetupBackPoints[f + k - 1] != SetupBackName(j.BackPoints[i], k) ||
        j.SetupForePoints[f + k - 1] != SetupForeName(j.ForePoints[i], k, n))
      return ::testing::AssertionFailure() << "record " << i << " setup " << k << " named "
                                           << j.SetupBackPoints[f + k - 1] << " -> " << j.SetupForePoints[f + k - 1];
  }
  return ::testing::AssertionSuccess();
}

}  // namespace korvado
