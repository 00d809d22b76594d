#pragma once
// The history of changes to the data, for undo and redo. It keeps the data as
// they were after the last recorded step and, for each step, only what the
// step changed: the changed part of each journal list and of each net (a net
// or a section added or deleted is kept whole). A change made outside a
// recorded step joins the next step, so the history never disagrees with the
// data. The history is bounded by a number of steps and by the memory they
// hold, dropping the oldest first.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>

#include "JournalPatch.h"
#include "KorData.h"
#include "KorNets.h"
#include "NetPatch.h"

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
  // Older steps are dropped first beyond this many, or beyond this memory;
  // the newest step is kept whatever it holds.
  static constexpr size_t kDepth = 100;
  static constexpr size_t kByteBudget = size_t{64} * 1024 * 1024;

  // Forgets every step. The data of state are the saved data unless dataSaved
  // is false (recovered data), when no undo ever clears the changed flag.
  void Reset(const AppState& state, bool dataSaved = true);
  // A history never reset (data put together by the caller) starts from the
  // data as they are now, saved unless they are marked changed.
  void StartIfNeeded(const AppState& state);
  // Records what changed in the data since the last step as a step named
  // name; before are the positions when the command began. False when the
  // data did not change.
  bool Commit(AppState& state, std::string name, const StepPositions& before);
  // The data of state are now saved (the changed flag clears on undo or redo
  // back here); a change not yet recorded becomes a step first.
  void MarkSaved(AppState& state);
  // A command changed the data; its step is recorded when it ends.
  void NoteChange() { Announce(false); }

  // Called whenever the data become equal to the saved data (true) or stop
  // being so (false): the window's unsaved-changes mark follows it.
  void SetCleanObserver(std::function<void(bool clean)> observer) { observer_ = std::move(observer); }

  // A command that records a step is running; the commands it calls record none of their own.
  bool Recording() const { return recording_ > 0; }
  void BeginRecording() { ++recording_; }
  void EndRecording() { --recording_; }

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
  size_t StepBytes() const { return stepBytes_; }
  // For tests and for a machine short of memory: a smaller budget drops old steps at once.
  void SetByteBudget(size_t bytes);

 private:
  struct Step {
    std::string Name;
    std::optional<JournalPatch> Journal;
    std::optional<NetListPatch> Nets;
    StepPositions Before;
    StepPositions After;
    size_t Bytes = 0;
  };

  void Take(AppState& state, const Step& step, bool undo);
  void Push(Step step);
  void DropOldest();
  void SetChanged(AppState& state);
  void Announce(bool clean);

  TKorData journal_;
  TNetList nets_;
  std::deque<Step> steps_;
  size_t position_ = 0;  // steps_[0 .. position_) are done
  std::optional<size_t> saved_ = 0;
  size_t stepBytes_ = 0;
  size_t byteBudget_ = kByteBudget;
  int recording_ = 0;
  bool started_ = false;
  std::optional<bool> announcedClean_;
  std::function<void(bool)> observer_;
};

}  // namespace korvado
