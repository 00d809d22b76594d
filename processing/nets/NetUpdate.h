#pragma once
// Copies the journal's current values into every run and pendent run of
// every net, through the runs' journal references, and recomputes each
// section's summary. Point types and the point tables are left alone.

#include "KorData.h"
#include "KorNets.h"
#include "Outcome.h"

namespace korvado {

// Every change is worked out before the first is made, so a refusal leaves
// the nets as they were. The value says whether anything in the nets changed.
//
// A run holding several references is an equivalent run and is merged again
// from all its records. A zero reference is warned about once per run (for a
// pendent run, naming it: its record was deleted); runs whose records do not
// exist are skipped and named in one warning. A referenced record whose
// height is not a finite number refuses the whole update.
Result<bool> RefreshNetsFromJournal(TNetList& nets, const TKorData& journal);

}  // namespace korvado
