#pragma once
// Small journals and nets for the tests of the net commands.

#include <string>
#include <vector>

#include "AppState.h"
#include "JournalRuns.h"

namespace korvado {

// A net whose section k runs along chains[k]: a fixed start, intermediate
// points, a nodal end. Run j of a section has height 0.1 * (j + 1), 2 setups
// and the reference 100 * (k + 1) + j + 1.
inline int32_t AddChainNet(TNetList& nets, const std::string& name,
                           const std::vector<std::vector<std::string>>& chains) {
  const int32_t n = *nets.AddNet(name);
  TKorNet& net = nets.NetAt(n);
  for (size_t k = 0; k < chains.size(); ++k) {
    const std::vector<std::string>& points = chains[k];
    const auto last = points.size() - 1;
    const auto ref = [&](size_t j) { return static_cast<int32_t>(100 * (k + 1) + j + 1); };
    EXPECT_TRUE(net.AddSection(points[0], points[1], 0, last == 1 ? 1 : 2, 0.1, 2.0, ref(0)));
    for (size_t j = 1; j < last; ++j)
      EXPECT_TRUE(
          net.AppendRun(static_cast<uint16_t>(k), points[j + 1], j + 1 == last ? 1 : 2, 0.1 * (j + 1), 2.0, ref(j)));
  }
  return n;
}

}  // namespace korvado
