#pragma once
// Every record owns its own run of setup entries; together they own them all.
// A journal that breaks this would make the grids show another record's
// readings, so such a journal is neither read nor written.

#include <string>

#include "KorData.h"

namespace korvado {

// Empty when the setup ranges are sound, otherwise what is wrong, in words.
std::string FindJournalRangeFault(const TKorData& journal);

}  // namespace korvado
