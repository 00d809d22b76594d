#include "CurrentNet.h"

#include "MessageService.h"

namespace korvado {

bool RequireCurrentNet(const AppState& state) {
  if (state.HasCurrentNet()) return true;
  ReportError(kNoCurrentNetMessage);
  return false;
}

}  // namespace korvado
