#include "JournalPatch.h"

#include <array>

namespace korvado {

namespace {

// Every list of the journal, by kind; a list added to the journal must be added here.
template <class Journal>
auto StringLists(Journal& j) {
  return std::array{&j.ForePoints, &j.BackPoints, &j.Notes, &j.SetupForePoints, &j.SetupBackPoints, &j.SetupNotes};
}
template <class Journal>
auto DoubleLists(Journal& j) {
  return std::array{&j.HeightDiffs,    &j.ForeMainReading, &j.BackMainReading,
                    &j.ForeAuxReading, &j.BackAuxReading,  &j.SetupHeightDiffs};
}
template <class Journal>
auto IntLists(Journal& j) {
  return std::array{&j.SetupCounts, &j.FirstSetup, &j.LastSetup};
}

template <class T, class Lists, class Entries>
void DiffLists(const Lists& before, const Lists& after, Entries& entries) {
  for (size_t i = 0; i < before.size(); ++i)
    if (auto slice = DiffItems<T>(before[i]->Items(), after[i]->Items())) entries.push_back({i, std::move(*slice)});
}

template <class Entries>
size_t EntryBytes(const Entries& entries) {
  size_t bytes = 0;
  for (const auto& entry : entries) bytes += entry.slice.Bytes();
  return bytes;
}

}  // namespace

std::optional<JournalPatch> JournalPatch::Between(const TKorData& before, const TKorData& after) {
  JournalPatch patch;
  DiffLists<std::string>(StringLists(before), StringLists(after), patch.strings_);
  DiffLists<double>(DoubleLists(before), DoubleLists(after), patch.doubles_);
  DiffLists<int32_t>(IntLists(before), IntLists(after), patch.ints_);
  patch.techBefore_ = before.TechMode;
  patch.techAfter_ = after.TechMode;
  const bool same =
      patch.strings_.empty() && patch.doubles_.empty() && patch.ints_.empty() && patch.techBefore_ == patch.techAfter_;
  if (same) return std::nullopt;
  return patch;
}

void JournalPatch::Apply(TKorData& journal, bool undo) const {
  const auto strings = StringLists(journal);
  for (const auto& entry : strings_) ApplySlice(*strings[entry.list], entry.slice, undo);
  const auto doubles = DoubleLists(journal);
  for (const auto& entry : doubles_) ApplySlice(*doubles[entry.list], entry.slice, undo);
  const auto ints = IntLists(journal);
  for (const auto& entry : ints_) ApplySlice(*ints[entry.list], entry.slice, undo);
  journal.TechMode = undo ? techBefore_ : techAfter_;
}

size_t JournalPatch::Bytes() const {
  size_t bytes = sizeof(*this) + EntryBytes(doubles_) + EntryBytes(ints_);
  for (const auto& entry : strings_)
    for (const auto* side : {&entry.slice.Before, &entry.slice.After})
      for (const std::string& text : *side) bytes += sizeof(std::string) + (text.size() > 15 ? text.capacity() : 0);
  return bytes;
}

}  // namespace korvado
