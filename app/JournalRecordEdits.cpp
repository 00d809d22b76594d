#include "JournalRecordEdits.h"

#include "JournalRefRenumbering.h"

namespace korvado {

Outcome InsertRecordKeepingRefs(AppState& state, int32_t index, const std::string& back, const std::string& fore,
                                uint16_t setupCount, const std::string& note) {
  Outcome inserted = state.Journal.InsertRecord(index, back, fore, setupCount, note);
  if (!inserted) return inserted;
  RenumberRefsAfterInsert(state.Nets, index);
  state.MarkChanged();
  return inserted;
}

Outcome DeleteRecordKeepingRefs(AppState& state, int32_t index) {
  Outcome deleted = state.Journal.DeleteRecord(index);
  if (!deleted) return deleted;
  RenumberRefsAfterDelete(state.Nets, index);
  state.MarkChanged();
  return deleted;
}

}  // namespace korvado
