#pragma once
// The height differences of the whole journal, computed again from the
// readings by the formula of the journal's current mode.

#include "KorData.h"

namespace korvado {

// Every setup's height from its readings, then every record's height from its setups.
void RecomputeJournalHeights(TKorData& journal);

}  // namespace korvado
