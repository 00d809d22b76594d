#pragma once
// Values that make no sense for a survey (not a number, ±infinity, a negative
// or absurdly large count of setups, an elevation of 1e300) and names holding
// control characters can only come from a damaged or foreign file. Carried
// into a computation such a value spoils every result silently or never lets
// it end, so each is found and named: the computations refuse the values,
// `check` lists both, and opening a file warns of them.

#include <string>
#include <vector>

#include "KorData.h"
#include "KorNets.h"
#include "Outcome.h"

namespace korvado {

// Each such value as the user finds it: "журнал, запись № 3 (A --> B): превышение — не число".
std::vector<std::string> UnsoundJournalValues(const TKorData& journal);
std::vector<std::string> UnsoundNetValues(const TKorNet& net);
// The journal's first, then every net's in list order.
std::vector<std::string> UnsoundValues(const TKorData& journal, const TNetList& nets);

// Every name or note holding a control character, in the same order.
std::vector<std::string> NamesWithControlChars(const TKorData& journal, const TNetList& nets);

// A refusal naming the net's first such value, or nothing.
Outcome RefuseUnsoundNet(const TKorNet& net);
// A refusal naming the first such value among the places given, or nothing.
Outcome UnsoundValueRefusal(const std::vector<std::string>& places);

}  // namespace korvado
