#pragma once
// Values that are not finite numbers (NaN, ±infinity) can only come from a
// damaged or foreign file; carried into any computation they spoil every
// result silently. They are found and named so that the computations can
// refuse them and the user can correct them.

#include <string>
#include <vector>

#include "KorData.h"
#include "KorNets.h"
#include "Outcome.h"

namespace korvado {

// Each such value as the user finds it: "журнал, запись № 3 (A --> B): превышение — не число".
std::vector<std::string> NonFiniteJournalValues(const TKorData& journal);
std::vector<std::string> NonFiniteNetValues(const TKorNet& net);
// The journal's first, then every net's in list order.
std::vector<std::string> NonFiniteValues(const TKorData& journal, const TNetList& nets);

// A refusal naming the net's first such value, or nothing.
Outcome RefuseNonFiniteNet(const TKorNet& net);
// A refusal naming the first such value among the places given, or nothing.
Outcome NonFiniteRefusal(const std::vector<std::string>& places);

}  // namespace korvado
