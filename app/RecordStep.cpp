#include "RecordStep.h"

namespace korvado::detail {

StepScope::StepScope(AppState& state, std::string name)
    : state_(state), outermost_(!state.History.Recording()), name_(std::move(name)), before_(PositionsOf(state)) {
  if (outermost_) state_.History.StartIfNeeded(state_);
  state_.History.BeginRecording();
}

StepScope::~StepScope() {
  state_.History.EndRecording();
  if (!outermost_) return;
  try {
    state_.History.Commit(state_, std::move(name_), before_);
  } catch (...) {
    // Out of memory for the step: the history starts again from the data as
    // they are, so that it never takes back a change it did not see.
    try {
      state_.History.Reset(state_, false);
    } catch (...) {
    }
    state_.Changed = true;
  }
}

}  // namespace korvado::detail
