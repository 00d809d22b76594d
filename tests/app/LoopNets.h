#pragma once
// The net of the loop, pane and diagram tests.

#include <tuple>

#include "AppState.h"

namespace korvado::testnets {

// Benchmarks A (10.00) and C (10.50), nodal K and L: a triangle A-K-L-A
// closing to +0.25 over 6 setups and a line A-C closing to -0.03 over 1
// setup; the net is the current one.
inline TKorNet& AddTriangleNet(AppState& state) {
  TKorNet& net = state.Nets.NetAt(*state.Nets.AddNet("Сеть"));
  EXPECT_TRUE(net.AddSection("A", "K", kFixedPoint, kNodalPoint, 1.00, 2, 1));
  EXPECT_TRUE(net.AddSection("K", "L", kNodalPoint, kNodalPoint, 2.00, 2, 2));
  EXPECT_TRUE(net.AddSection("L", "A", kNodalPoint, kFixedPoint, -2.75, 2, 3));
  EXPECT_TRUE(net.AddSection("A", "C", kFixedPoint, kFixedPoint, 0.47, 1, 4));
  for (const auto& [name, type, h] :
       {std::tuple{"A", kFixedPoint, 10.0}, {"K", kNodalPoint, 0.0}, {"L", kNodalPoint, 0.0}, {"C", kFixedPoint, 10.5}})
    EXPECT_TRUE(net.AddPoint(name, type, h));
  state.CurrentNetIndex = state.Nets.NetCount() - 1;
  return net;
}

}  // namespace korvado::testnets
