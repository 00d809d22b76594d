#pragma once
// The result of a least-squares adjustment as korvado-cli lsq prints it:
// every key always present, null where a figure is not defined. Written row
// by row, so that a net at the format's limit needs no tree of its own.

#include <ostream>

#include "KorNets.h"
#include "LeastSquares.h"

namespace korvado::cli {

void WriteLeastSquaresJson(std::ostream& out, const TKorNet& net, const LeastSquaresResult& result);

}  // namespace korvado::cli
