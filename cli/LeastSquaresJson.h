#pragma once
// The result of a least-squares adjustment as korvado-cli lsq prints it:
// every key always present, null where a figure is not defined.

#include <nlohmann/json.hpp>

#include "KorNets.h"
#include "LeastSquares.h"

namespace korvado::cli {

nlohmann::ordered_json LeastSquaresJson(const TKorNet& net, const LeastSquaresResult& result);

}  // namespace korvado::cli
