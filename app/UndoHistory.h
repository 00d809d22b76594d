#pragma once
// The history of changes to the data, for undo and redo. It keeps the data as
// they were after the last recorded step and, for each step, only what the
// step changed: the changed part of each journal list and the nets it
// changed (shared with the neighbouring steps where they are the same). A
// change made outside a recorded step joins the next step, so the history
// never disagrees with the data.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "JournalPatch.h"
#include "KorData.h"
#include "KorNets.h"

namespace korvado {

struct AppState;

// What the screen is showing besides the data, put back with them.
struct StepPositions {
  int32_t CurrentNetIndex = -1;
  int32_t ActiveSectionIndex = -1;
  uint64_t IterationCounter = 0;
};

StepPositions PositionsOf(const AppState& state);

class UndoHistory {
 public:
  // Older steps are dropped first beyond this many.
  static constexpr size_t kDepth = 100;

  // Forgets every step. The data of state are the saved data unless dataSaved
  // is false (recovered data), when no undo ever clears the changed flag.
  void Reset(const AppState& state, bool dataSaved = true);
  // Records what changed in the data since the last step as a step named
  // name; before are the positions when the command began. False when the
  // data did not change.
  bool Commit(AppState& state, std::string name, const StepPositions& before);
  // The data of state are now saved (the changed flag clears on undo or redo back here).
  void MarkSaved() { saved_ = position_; }

  bool CanUndo() const { return position_ > 0; }
  bool CanRedo() const { return position_ < steps_.size(); }
  // The names of the step Undo and Redo would take back or repeat; empty when none.
  std::string UndoName() const { return CanUndo() ? steps_[position_ - 1].Name : std::string(); }
  std::string RedoName() const { return CanRedo() ? steps_[position_].Name : std::string(); }

  // Puts back the data, positions and changed flag before (Undo) or after
  // (Redo) the step; false when there is none.
  bool Undo(AppState& state);
  bool Redo(AppState& state);

  size_t StepCount() const { return steps_.size(); }
  // The memory the steps hold, without the kept copy of the data.
  size_t StepBytes() const;

 private:
  using NetCopies = std::vector<std::shared_ptr<const TKorNet>>;
  struct Step {
    std::string Name;
    std::optional<JournalPatch> Journal;
    std::optional<NetCopies> NetsBefore;
    std::optional<NetCopies> NetsAfter;
    StepPositions Before;
    StepPositions After;
  };

  std::optional<NetCopies> ChangedNets(const TNetList& nets) const;
  void Take(AppState& state, const Step& step, bool undo);
  void Push(Step step);

  TKorData journal_;
  NetCopies nets_;
  std::deque<Step> steps_;
  size_t position_ = 0;  // steps_[0 .. position_) are done
  std::optional<size_t> saved_ = 0;
};

}  // namespace korvado
