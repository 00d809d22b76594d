#pragma once
// One sweep of the iterative adjustment of a net: every nodal point gets the
// mean of the elevations carried to it over its sections, weighted 10/n, in
// place (Gauss–Seidel); then the mean square error of unit weight.

#include <optional>

#include "KorNets.h"

namespace korvado {

// Returns the mean square error of unit weight (one setup is the unit of
// weight). A net that cannot be swept (no sections, a section without
// setups, a section end missing from the point table) is refused with a
// message that says what to do, and nothing changes.
std::optional<double> AdjustOnce(TKorNet& net);

}  // namespace korvado
