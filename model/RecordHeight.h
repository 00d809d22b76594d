#pragma once
// The rule that makes a record's height difference from its setups' ones,
// shared by the journal and by whatever previews a record before it exists.

#include <cstdint>

#include "KorData.h"
#include "NumberText.h"

namespace korvado {

// setupHeight(k) gives setup k of count: their sum to hundredths, InvalidHeight
// once one of them is.
template <class SetupHeight>
double RecordHeightOf(int32_t count, SetupHeight&& setupHeight) {
  double sum = 0.0;
  for (int32_t k = 0; k < count; ++k) {
    const double h = setupHeight(k);
    if (h == InvalidHeight) return InvalidHeight;
    sum += h;
  }
  return RoundHalfEven(2, sum);
}

}  // namespace korvado
