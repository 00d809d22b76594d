#pragma once
// The running program's state: one journal, one net list and the positions
// that the commands share. Windows hold no data of their own; they read this.

#include <cstdint>
#include <optional>
#include <string>

#include "FileStamp.h"
#include "KorData.h"
#include "KorNets.h"
#include "LeastSquares.h"
#include "ListClasses.h"
#include "MonitoringState.h"
#include "Tolerance.h"
#include "UndoHistory.h"

namespace korvado {

struct AppState {
  TKorData Journal;
  TNetList Nets;
  std::string CurrentFileName;
  // Unnamed data read from a file the user should not overwrite (the
  // example): that file's name, for the title; empty otherwise.
  std::string CopiedFileName;
  // The current file as last read or written, to notice changes by others.
  FileStamp CurrentFileStamp;
  int32_t CurrentNetIndex = -1;
  int32_t ActiveSectionIndex = -1;
  TIntList SearchHits;
  // Wide enough that no run of sweeps wraps it back to 0.
  uint64_t IterationCounter = 0;
  // The a-priori standard deviation of one setup for least squares.
  double SigmaPerSetup = 0.5;
  // The last least-squares result and what it was computed from; the
  // accuracy view shows it while the net is unchanged.
  std::optional<LeastSquaresReport> LastLeastSquares;
  // The class whose tolerance the loops and lines are checked against.
  Tolerance LoopTolerance;
  // Set by every edit of the journal or the nets; cleared by open and save,
  // and by undo or redo back to the saved data.
  bool Changed = false;
  // Every data-changing command records its own step through RecordStep.
  UndoHistory History;
  // The monitoring project, which lives in its own file beside the data.
  MonitoringState Monitoring;

  void MarkChanged() {
    Changed = true;
    History.NoteChange();
  }
  // Forgets what belongs to the data on screen rather than to the file (no
  // net selected), as opening other data does.
  void ResetPositions() {
    CurrentNetIndex = -1;
    ActiveSectionIndex = -1;
    SearchHits.Clear();
    IterationCounter = 0;
  }
  // Opened data start at the first net and its first section, so that the
  // construction commands have a section to add to at once.
  void SelectFirstNet() {
    if (Nets.NetCount() == 0) return;
    CurrentNetIndex = 0;
    if (Nets.NetAt(0).SectionCount() > 0) ActiveSectionIndex = 0;
  }
  bool HasCurrentNet() const { return CurrentNetIndex >= 0 && CurrentNetIndex < Nets.NetCount(); }
};

}  // namespace korvado
