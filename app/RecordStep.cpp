#include "RecordStep.h"

namespace korvado {

StepRecorder::~StepRecorder() {
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

}  // namespace korvado
