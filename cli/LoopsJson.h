#pragma once
// The loops and lines of a net against the tolerance, as JSON.

#include <nlohmann/json.hpp>

#include "LoopCommands.h"

namespace korvado::cli {

// {"coefficient": k, "loops": [{"kind", "points", "sections": [{"index", "forward"}], "setups",
// "misclosure", "allowed", "passed"}]}, the loops first.
nlohmann::ordered_json LoopsJson(const LoopsView& view);

}  // namespace korvado::cli
