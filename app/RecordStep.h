#pragma once
// The one way a command that changes the data becomes an undoable step: the
// command records itself, so no window can forget it and the command line
// gets the same steps.
//   Outcome DeleteJournalRecord(AppState& state, int32_t record) {
//     return RecordStep(state, StepName("удаление записи", record + 1), [&] { ... });
//   }
// The step holds whatever the command changed, even when it ends with an
// error; a command that changes nothing leaves no step. A recorded command
// run by another one joins the outer command's step.

#include <cstdint>
#include <string>
#include <utility>

#include "AppState.h"

namespace korvado {

// "удаление записи 12": what a step did, as the Edit menu names it.
inline std::string StepName(const std::string& what, int32_t number) { return what + " " + std::to_string(number); }

namespace detail {

class StepScope {
 public:
  StepScope(AppState& state, std::string name);
  StepScope(const StepScope&) = delete;
  StepScope& operator=(const StepScope&) = delete;
  ~StepScope();

 private:
  AppState& state_;
  bool outermost_;
  std::string name_;
  StepPositions before_;
};

}  // namespace detail

template <class Command>
decltype(auto) RecordStep(AppState& state, std::string name, Command&& command) {
  const detail::StepScope scope(state, std::move(name));
  return std::forward<Command>(command)();
}

}  // namespace korvado
