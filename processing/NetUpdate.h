#pragma once
// Copies the journal's current values into every run and pendent run of
// every net, through the runs' journal references, and recomputes each
// section's summary. Point types and the point tables are left alone.

#include "KorData.h"
#include "KorNets.h"

namespace korvado {

// A run holding several references is an equivalent run and is merged again
// from all its records. A zero reference is warned about once per run; runs
// whose records no longer exist are skipped and named in one message.
void RefreshNetsFromJournal(TNetList& nets, const TKorData& journal);

}  // namespace korvado
