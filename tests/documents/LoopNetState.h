#pragma once
// The loop net of the adjustment tests as the window holds it: current, its
// point table built, the nodal points still at 0.

#include "../processing/AdjustmentNets.h"
#include "AppState.h"

namespace korvado {

struct LoopNetState {
  LoopNetState() {
    testnets::BuildLoopNet(state.Nets.NetAt(*state.Nets.AddNet("Петли")));
    state.CurrentNetIndex = 0;
    state.SigmaPerSetup = 0.1;
  }
  TKorNet& Net() { return state.Nets.NetAt(0); }
  AppState state;
};

}  // namespace korvado
