#pragma once
// The whole content of a data file as JSON, texts in UTF-8.

#include <nlohmann/json.hpp>

#include "KorData.h"
#include "KorNets.h"

namespace korvado::cli {

nlohmann::ordered_json JournalJson(const TKorData& journal);
nlohmann::ordered_json NetsJson(const TNetList& nets);
nlohmann::ordered_json PointsJson(const TKorNet& net);
// Row p of the point table.
nlohmann::ordered_json PointJson(const TKorNet& net, int32_t p);

}  // namespace korvado::cli
