#pragma once
// The one way a command that changes the data becomes an undoable step:
//   RecordStep(state, StepName("удаление записи", record + 1), [&] { return DeleteJournalRecord(state, record); });
// The step holds whatever the command changed, even when it ends with an
// error; a command that changes nothing leaves no step.

#include <cstdint>
#include <string>
#include <utility>

#include "AppState.h"

namespace korvado {

// "удаление записи 12": what a step did, as the Edit menu names it.
inline std::string StepName(const std::string& what, int32_t number) { return what + " " + std::to_string(number); }

class StepRecorder {
 public:
  StepRecorder(AppState& state, std::string name)
      : state_(state), name_(std::move(name)), before_(PositionsOf(state)) {}
  StepRecorder(const StepRecorder&) = delete;
  StepRecorder& operator=(const StepRecorder&) = delete;
  ~StepRecorder();

 private:
  AppState& state_;
  std::string name_;
  StepPositions before_;
};

template <class Command>
decltype(auto) RecordStep(AppState& state, std::string name, Command&& command) {
  StepRecorder recorder(state, std::move(name));
  return std::forward<Command>(command)();
}

// Records what changed since the last step (a finished cell edit typed in
// several writes) as one step.
inline void CommitStep(AppState& state, std::string name) {
  state.History.Commit(state, std::move(name), PositionsOf(state));
}

}  // namespace korvado
