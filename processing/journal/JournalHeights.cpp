#include "JournalHeights.h"

namespace korvado {

void RecomputeJournalHeights(TKorData& journal) {
  for (int32_t s = 0; s < journal.SetupTotal(); ++s)
    journal.SetupHeightDiffs.SetItem(
        s, journal.ComputeSetupHeight(journal.BackMainReading.GetItem(s), journal.ForeMainReading.GetItem(s),
                                      journal.BackAuxReading.GetItem(s), journal.ForeAuxReading.GetItem(s)));
  for (int32_t i = 0; i < journal.RecordCount(); ++i) journal.RecalcRecordHeight(i);
}

}  // namespace korvado
