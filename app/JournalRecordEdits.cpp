#include "JournalRecordEdits.h"

#include "JournalRefRenumbering.h"

namespace korvado {

bool InsertRecordKeepingRefs(AppState& state, int32_t index, const std::string& back, const std::string& fore,
                             uint16_t setupCount, const std::string& note) {
  if (!state.Journal.InsertRecord(index, back, fore, setupCount, note)) return false;
  RenumberRefsAfterInsert(state.Nets, index);
  state.MarkChanged();
  return true;
}

bool DeleteRecordKeepingRefs(AppState& state, int32_t index) {
  if (!state.Journal.DeleteRecord(index)) return false;
  RenumberRefsAfterDelete(state.Nets, index);
  state.MarkChanged();
  return true;
}

}  // namespace korvado
