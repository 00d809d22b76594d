#include "UndoHistory.h"

#include "AppState.h"
#include "ModelErrors.h"

namespace korvado {

namespace {

void ReplaceNets(TNetList& nets, const std::vector<std::shared_ptr<const TKorNet>>& copies) {
  if (nets.NetCount() != static_cast<int32_t>(copies.size())) {
    nets.Clear();
    // The copies were taken of a list within the file's limits, so no net is refused.
    for (const auto& copy : copies)
      if (Outcome refused = nets.AddNet(copy->Name); !refused) throw KorvadoError(refused.RefusalText());
  }
  for (int32_t i = 0; i < nets.NetCount(); ++i)
    if (!(nets.NetAt(i) == *copies[i])) nets.NetAt(i) = *copies[i];
}

}  // namespace

StepPositions PositionsOf(const AppState& state) {
  return {state.CurrentNetIndex, state.ActiveSectionIndex, state.IterationCounter};
}

void UndoHistory::Reset(const AppState& state, bool dataSaved) {
  journal_ = state.Journal;
  nets_.clear();
  for (int32_t i = 0; i < state.Nets.NetCount(); ++i)
    nets_.push_back(std::make_shared<const TKorNet>(state.Nets.NetAt(i)));
  steps_.clear();
  position_ = 0;
  saved_ = dataSaved ? std::optional<size_t>(0) : std::nullopt;
}

// A net equal to the kept one at its place, or one place either side (a net
// added or deleted before it), is shared rather than copied.
std::optional<UndoHistory::NetCopies> UndoHistory::ChangedNets(const TNetList& nets) const {
  bool changed = nets.NetCount() != static_cast<int32_t>(nets_.size());
  NetCopies copies;
  for (int32_t i = 0; i < nets.NetCount(); ++i) {
    const TKorNet& net = nets.NetAt(i);
    std::shared_ptr<const TKorNet> kept;
    for (int32_t j : {i, i + 1, i - 1})
      if (j >= 0 && j < static_cast<int32_t>(nets_.size()) && *nets_[j] == net) {
        kept = nets_[j];
        changed = changed || j != i;
        break;
      }
    if (!kept) {
      kept = std::make_shared<const TKorNet>(net);
      changed = true;
    }
    copies.push_back(std::move(kept));
  }
  if (!changed) return std::nullopt;
  return copies;
}

bool UndoHistory::Commit(AppState& state, std::string name, const StepPositions& before) {
  Step step;
  step.Journal = JournalPatch::Between(journal_, state.Journal);
  step.NetsAfter = ChangedNets(state.Nets);
  if (!step.Journal && !step.NetsAfter) return false;
  step.Name = std::move(name);
  step.Before = before;
  step.After = PositionsOf(state);
  if (step.Journal) step.Journal->Redo(journal_);
  if (step.NetsAfter) {
    step.NetsBefore = nets_;
    nets_ = *step.NetsAfter;
  }
  Push(std::move(step));
  state.Changed = true;
  return true;
}

void UndoHistory::Push(Step step) {
  steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(position_), steps_.end());
  if (saved_ && *saved_ > position_) saved_.reset();
  steps_.push_back(std::move(step));
  ++position_;
  if (steps_.size() <= kDepth) return;
  steps_.pop_front();
  --position_;
  if (saved_) saved_ = *saved_ == 0 ? std::nullopt : std::optional<size_t>(*saved_ - 1);
}

void UndoHistory::Take(AppState& state, const Step& step, bool undo) {
  if (step.Journal && undo) {
    step.Journal->Undo(state.Journal);
    step.Journal->Undo(journal_);
  } else if (step.Journal) {
    step.Journal->Redo(state.Journal);
    step.Journal->Redo(journal_);
  }
  if (step.NetsAfter) {
    nets_ = undo ? *step.NetsBefore : *step.NetsAfter;
    ReplaceNets(state.Nets, nets_);
  }
  const StepPositions& positions = undo ? step.Before : step.After;
  state.CurrentNetIndex = positions.CurrentNetIndex;
  state.ActiveSectionIndex = positions.ActiveSectionIndex;
  state.IterationCounter = positions.IterationCounter;
  state.SearchHits.Clear();
}

bool UndoHistory::Undo(AppState& state) {
  // A change not yet recorded is the latest one, so it is the one taken back.
  Commit(state, "правка данных", PositionsOf(state));
  if (!CanUndo()) return false;
  --position_;
  Take(state, steps_[position_], true);
  state.Changed = saved_ != position_;
  return true;
}

bool UndoHistory::Redo(AppState& state) {
  if (Commit(state, "правка данных", PositionsOf(state)) || !CanRedo()) return false;
  Take(state, steps_[position_], false);
  ++position_;
  state.Changed = saved_ != position_;
  return true;
}

size_t UndoHistory::StepBytes() const {
  size_t bytes = 0;
  for (const Step& step : steps_)
    bytes += sizeof(Step) + step.Name.capacity() + (step.Journal ? step.Journal->Bytes() : 0);
  return bytes;
}

}  // namespace korvado
