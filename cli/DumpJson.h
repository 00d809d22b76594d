#pragma once
// The whole content of a data file as JSON, texts in UTF-8.

#include <nlohmann/json.hpp>

#include "KorData.h"
#include "KorNets.h"

namespace korvado::cli {

nlohmann::ordered_json JournalJson(const TKorData& journal);
nlohmann::ordered_json NetsJson(const TNetList& nets);
nlohmann::ordered_json PointsJson(const TKorNet& net);

}  // namespace korvado::cli
