#pragma once
// A computed monitoring project as korvado-cli settlement prints it: one
// entry per cycle in every list of a mark, null where the mark was not observed.

#include <nlohmann/json.hpp>

#include "MonitoringComputation.h"

namespace korvado::cli {

nlohmann::ordered_json SettlementJson(const MonitoringResult& result);

}  // namespace korvado::cli
