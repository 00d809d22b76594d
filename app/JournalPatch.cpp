#include "JournalPatch.h"

namespace korvado {

namespace {

// Every list of the journal; a list added to the journal must be added here.
struct JournalColumns {
  template <class Journal, class Visitor>
  static void Visit(Journal& j, Visitor&& visit) {
    for (auto* list : {&j.ForePoints, &j.BackPoints, &j.Notes, &j.SetupForePoints, &j.SetupBackPoints, &j.SetupNotes})
      visit(*list);
    for (auto* list : {&j.HeightDiffs, &j.ForeMainReading, &j.BackMainReading, &j.ForeAuxReading, &j.BackAuxReading,
                       &j.SetupHeightDiffs})
      visit(*list);
    for (auto* list : {&j.SetupCounts, &j.FirstSetup, &j.LastSetup}) visit(*list);
  }
};

}  // namespace

std::optional<JournalPatch> JournalPatch::Between(const TKorData& before, const TKorData& after) {
  JournalPatch patch;
  patch.columns_ = ColumnsPatch::Between<JournalColumns>(before, after);
  patch.techBefore_ = before.TechMode;
  patch.techAfter_ = after.TechMode;
  if (!patch.columns_ && patch.techBefore_ == patch.techAfter_) return std::nullopt;
  return patch;
}

void JournalPatch::Undo(TKorData& journal) const {
  if (columns_) columns_->Undo<JournalColumns>(journal);
  journal.TechMode = techBefore_;
}

void JournalPatch::Redo(TKorData& journal) const {
  if (columns_) columns_->Redo<JournalColumns>(journal);
  journal.TechMode = techAfter_;
}

}  // namespace korvado
