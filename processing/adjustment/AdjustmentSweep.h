#pragma once
// One sweep of the iterative adjustment of a net: every nodal point gets the
// mean of the elevations carried to it over its sections, weighted 10/n, in
// place, each new value used at once; then the mean square error of unit weight.

#include "KorNets.h"
#include "Outcome.h"
#include "SweepPlan.h"

namespace korvado {

// Returns the mean square error of unit weight (one setup is the unit of
// weight). A net that cannot be swept (no sections, a section without
// setups, a section end missing from the point table, a value that is not a
// finite number, a point that no benchmark reaches) is refused with a message
// that says what to do, and nothing changes.
Result<double> AdjustOnce(TKorNet& net);
// The same with a plan of the net's shape kept from the last sweep, planned
// again when the shape has changed.
Result<double> AdjustOnce(TKorNet& net, SweepPlan& plan);

// The mean square error of unit weight of the elevations the net holds now,
// without a sweep; nothing when the net cannot be swept (see above).
std::optional<double> CurrentUnitWeightError(const TKorNet& net);
// Sections minus points plus fixed points: the degrees of freedom of the error.
int32_t NetRedundancy(const TKorNet& net);

}  // namespace korvado
