#include "CurrentNet.h"

namespace korvado {

Outcome RequireCurrentNet(const AppState& state) {
  if (state.HasCurrentNet()) return {};
  return Outcome::Refusal(kNoCurrentNetMessage);
}

}  // namespace korvado
