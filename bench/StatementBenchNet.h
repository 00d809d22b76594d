#pragma once
// The net the statement benchmarks share: 1 000 sections and 3 001 points,
// adjusted by least squares as the window holds it.

#include <string>

#include "AppState.h"
#include "KorNets.h"
#include "LeastSquaresCommands.h"
#include "Must.h"

namespace korvado {

// Nodal points N1 .. N1001 in a chain (every hundredth a benchmark), each
// section of three runs through two intermediate points: 3 001 points.
inline TKorNet ChainNet() {
  constexpr int kSections = 1000;
  TKorNet net;
  net.Name = "Сеть";
  auto type = [](int k) { return static_cast<uint8_t>(k % 100 == 1 ? kFixedPoint : kNodalPoint); };
  for (int k = 1; k <= kSections; ++k) {
    const auto s = static_cast<uint16_t>(k - 1);
    const std::string tag = std::to_string(k);
    Must(net.AddSection("N" + tag, "A" + tag, type(k), kIntermediatePoint, 0.31 * (k % 7), 2, 0));
    Must(net.AppendRun(s, "B" + tag, kIntermediatePoint, -0.12 * (k % 5), 3, 0));
    Must(net.AppendRun(s, "N" + std::to_string(k + 1), type(k + 1), 1.05, 4, 0));
  }
  for (int k = 1; k <= kSections + 1; ++k) Must(net.AddPoint("N" + std::to_string(k), type(k), 1000.0 + 1.1 * k));
  return net;
}

// The chain as the current net of `state`, adjusted by «Уравнять по МНК».
inline void AdjustChainNet(AppState& state) {
  state.Nets.NetAt(*state.Nets.AddNet("Сеть")) = ChainNet();
  state.CurrentNetIndex = 0;
  Must(AdjustCurrentNetByLeastSquares(state));
}

inline const AppState& AdjustedChainNet() {
  static const AppState state = [] {
    AppState adjusted;
    AdjustChainNet(adjusted);
    return adjusted;
  }();
  return state;
}

}  // namespace korvado
