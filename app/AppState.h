#pragma once
// The running program's state: one journal, one net list and the positions
// that the commands share. Windows hold no data of their own; they read this.

#include <cstdint>
#include <string>

#include "FileStamp.h"
#include "KorData.h"
#include "KorNets.h"
#include "ListClasses.h"
#include "UndoHistory.h"

namespace korvado {

struct AppState {
  TKorData Journal;
  TNetList Nets;
  std::string CurrentFileName;
  // The current file as last read or written, to notice changes by others.
  FileStamp CurrentFileStamp;
  int32_t CurrentNetIndex = -1;
  int32_t ActiveSectionIndex = -1;
  TIntList SearchHits;
  uint16_t IterationCounter = 0;
  // Set by every edit of the journal or the nets; cleared by open and save.
  bool Changed = false;
  // Data-changing commands run through RecordStep so that they can be undone.
  UndoHistory History;

  void MarkChanged() { Changed = true; }
  bool HasCurrentNet() const { return CurrentNetIndex >= 0 && CurrentNetIndex < Nets.NetCount(); }
};

}  // namespace korvado
