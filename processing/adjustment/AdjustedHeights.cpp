#include "AdjustedHeights.h"

#include <cmath>

#include "LeastSquares.h"

namespace korvado {

bool HeightsEqualLeastSquares(const TKorNet& net) {
  // The heights do not depend on the a-priori σ; any positive one will do.
  constexpr double kAnySigma = 1.0;
  const Result<LeastSquaresResult> adjusted = AdjustByLeastSquares(net, kAnySigma, LeastSquaresScope::kHeightsOnly);
  if (adjusted.Refused()) return false;
  // A margin for the last bit of a height written back and read again.
  constexpr double kRoundingMargin = 1e-9;
  for (size_t p = 0; p < adjusted->elevations.size(); ++p)
    if (adjusted->unknown[p] && !(std::abs(net.PointElevations.GetItem(static_cast<int32_t>(p)) -
                                           adjusted->elevations[p]) <= kAdjustedHeightTolerance + kRoundingMargin))
      return false;
  return true;
}

}  // namespace korvado
