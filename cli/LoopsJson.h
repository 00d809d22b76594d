#pragma once
// The loops and lines of a net against the tolerance, as JSON, written loop
// by loop.

#include <ostream>

#include "LoopCommands.h"

namespace korvado::cli {

// {"coefficient": k, "loops": [{"kind", "points", "sections": [{"index", "forward"}], "setups",
// "misclosure", "allowed", "passed"}]}, the loops first.
void WriteLoopsJson(std::ostream& out, const LoopsView& view);

}  // namespace korvado::cli
