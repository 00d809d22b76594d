#include "UndoHistory.h"

#include "AppState.h"
#include "HeldBytes.h"

namespace korvado {

namespace {

constexpr const char* kUnrecordedStepName = "правка данных";

}  // namespace

StepPositions PositionsOf(const AppState& state) {
  return {state.CurrentNetIndex, state.ActiveSectionIndex, state.IterationCounter};
}

void UndoHistory::Reset(const AppState& state, bool dataSaved) {
  journal_ = state.Journal;
  nets_ = state.Nets;
  steps_.clear();
  position_ = 0;
  stepBytes_ = 0;
  saved_ = dataSaved ? std::optional<size_t>(0) : std::nullopt;
  started_ = true;
  Announce(dataSaved);
}

void UndoHistory::StartIfNeeded(const AppState& state) {
  if (!started_) Reset(state, !state.Changed);
}

bool UndoHistory::Commit(AppState& state, std::string name, const StepPositions& before) {
  // What changed since a start never seen cannot be known: the data become the start.
  if (!started_) {
    StartIfNeeded(state);
    return false;
  }
  Step step;
  step.Journal = JournalPatch::Between(journal_, state.Journal);
  step.Nets = NetListPatch::Between(nets_, state.Nets);
  if (!step.Journal && !step.Nets) {
    // A command that put everything back may have cleared the flag it set.
    Announce(!state.Changed);
    return false;
  }
  step.Name = std::move(name);
  step.Before = before;
  step.After = PositionsOf(state);
  if (step.Journal) step.Journal->Redo(journal_);
  if (step.Nets) step.Nets->Redo(nets_);
  step.Bytes = sizeof(Step) + HeldBytes(step.Name) + (step.Journal ? step.Journal->Bytes() : 0) +
               (step.Nets ? step.Nets->Bytes() : 0);
  Push(std::move(step));
  SetChanged(state);
  return true;
}

void UndoHistory::MarkSaved(AppState& state) {
  Commit(state, kUnrecordedStepName, PositionsOf(state));
  saved_ = position_;
  SetChanged(state);
}

void UndoHistory::Push(Step step) {
  while (steps_.size() > position_) {
    stepBytes_ -= steps_.back().Bytes;
    steps_.pop_back();
  }
  if (saved_ && *saved_ > position_) saved_.reset();
  stepBytes_ += step.Bytes;
  steps_.push_back(std::move(step));
  ++position_;
  while (steps_.size() > kDepth || (stepBytes_ > byteBudget_ && steps_.size() > 1)) DropOldest();
}

void UndoHistory::DropOldest() {
  stepBytes_ -= steps_.front().Bytes;
  steps_.pop_front();
  --position_;
  if (saved_) saved_ = *saved_ == 0 ? std::nullopt : std::optional<size_t>(*saved_ - 1);
}

void UndoHistory::SetByteBudget(size_t bytes) {
  byteBudget_ = bytes;
  // Only done steps can go from the front; the redo branch stays whole.
  while (stepBytes_ > byteBudget_ && position_ > 1) DropOldest();
}

void UndoHistory::Take(AppState& state, const Step& step, bool undo) {
  if (step.Journal && undo) {
    step.Journal->Undo(state.Journal);
    step.Journal->Undo(journal_);
  } else if (step.Journal) {
    step.Journal->Redo(state.Journal);
    step.Journal->Redo(journal_);
  }
  if (step.Nets && undo) {
    step.Nets->Undo(state.Nets);
    step.Nets->Undo(nets_);
  } else if (step.Nets) {
    step.Nets->Redo(state.Nets);
    step.Nets->Redo(nets_);
  }
  const StepPositions& positions = undo ? step.Before : step.After;
  state.CurrentNetIndex = positions.CurrentNetIndex;
  state.ActiveSectionIndex = positions.ActiveSectionIndex;
  state.IterationCounter = positions.IterationCounter;
  state.SearchHits.Clear();
}

bool UndoHistory::Undo(AppState& state) {
  // A change not yet recorded is the latest one, so it is the one taken back.
  Commit(state, kUnrecordedStepName, PositionsOf(state));
  if (!CanUndo()) return false;
  --position_;
  Take(state, steps_[position_], true);
  SetChanged(state);
  return true;
}

bool UndoHistory::Redo(AppState& state) {
  if (Commit(state, kUnrecordedStepName, PositionsOf(state)) || !CanRedo()) return false;
  Take(state, steps_[position_], false);
  ++position_;
  SetChanged(state);
  return true;
}

void UndoHistory::SetChanged(AppState& state) {
  state.Changed = saved_ != position_;
  Announce(!state.Changed);
}

void UndoHistory::Announce(bool clean) {
  if (announcedClean_ == clean) return;
  announcedClean_ = clean;
  if (observer_) observer_(clean);
}

}  // namespace korvado
