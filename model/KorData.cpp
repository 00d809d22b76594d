#include "KorData.h"

#include <cmath>
#include <iterator>

#include "ModelMessages.h"
#include "NumberText.h"
#include "RecordHeight.h"

namespace korvado {

namespace {

Outcome IndexInRange(int32_t index, int32_t count) {
  if (index < 0 || index >= count) return Outcome::Refusal(kIndexOutOfRangeMessage);
  return {};
}

}  // namespace

std::string SetupBackName(const std::string& back, int32_t k) { return k == 1 ? back : "X" + std::to_string(k - 1); }

std::string SetupForeName(const std::string& fore, int32_t k, int32_t n) {
  return k == n ? fore : "X" + std::to_string(k);
}

void TKorData::Clear() {
  for (StringList* list : {&ForePoints, &BackPoints, &Notes, &SetupForePoints, &SetupBackPoints, &SetupNotes})
    list->Clear();
  for (TIntList* list : {&SetupCounts, &FirstSetup, &LastSetup}) list->Clear();
  for (TDoubleList* list :
       {&HeightDiffs, &ForeMainReading, &BackMainReading, &ForeAuxReading, &BackAuxReading, &SetupHeightDiffs})
    list->Clear();
}

Outcome TKorData::CanAddRecord(uint16_t setupCount) const {
  if (setupCount == 0) return Outcome::Refusal(kSetupCountZeroMessage);
  if (RecordCount() >= kFormatCountLimit) return Outcome::Refusal(FormatLimitMessage("записей журнала"));
  if (SetupTotal() + setupCount > kFormatCountLimit) return Outcome::Refusal(FormatLimitMessage("штативов в журнале"));
  return {};
}

void TKorData::AppendSetups(const std::string& back, const std::string& fore, uint16_t n) {
  for (int32_t k = 1; k <= n; ++k) {
    SetupBackPoints.Add(SetupBackName(back, k));
    SetupForePoints.Add(SetupForeName(fore, k, n));
    for (TDoubleList* list : {&ForeMainReading, &BackMainReading, &ForeAuxReading, &BackAuxReading, &SetupHeightDiffs})
      list->Add(0.0);
    SetupNotes.Add("");
  }
}

Outcome TKorData::AddRecord(const std::string& back, const std::string& fore, uint16_t n, const std::string& note) {
  if (Outcome refused = CanAddRecord(n); !refused) return refused;
  const int32_t s = SetupTotal();
  ForePoints.Add(fore);
  BackPoints.Add(back);
  SetupCounts.Add(n);
  HeightDiffs.Add(0.0);
  Notes.Add(note);
  FirstSetup.Add(s);
  LastSetup.Add(s + n - 1);
  AppendSetups(back, fore, n);
  return {};
}

Outcome TKorData::InsertRecord(int32_t i, const std::string& back, const std::string& fore, uint16_t n,
                               const std::string& note) {
  if (Outcome refused = IndexInRange(i, RecordCount()).AndThen([&] { return CanAddRecord(n); }); !refused)
    return refused;
  const int32_t s = SetupTotal();
  ForePoints.Insert(i, fore);
  BackPoints.Insert(i, back);
  SetupCounts.Insert(i, n);
  HeightDiffs.Insert(i, 0.0);
  Notes.Insert(i, note);
  FirstSetup.Insert(i, s);
  LastSetup.Insert(i, s + n - 1);
  AppendSetups(back, fore, n);
  return {};
}

void TKorData::InsertBlankSetups(int32_t at, int32_t count) {
  for (StringList* list : {&SetupForePoints, &SetupBackPoints, &SetupNotes}) list->InsertRange(at, count, "");
  for (TDoubleList* list : {&ForeMainReading, &BackMainReading, &ForeAuxReading, &BackAuxReading, &SetupHeightDiffs})
    list->InsertRange(at, count, 0.0);
}

void TKorData::RemoveSetups(int32_t at, int32_t count) {
  for (StringList* list : {&SetupForePoints, &SetupBackPoints, &SetupNotes}) list->DeleteRange(at, count);
  for (TDoubleList* list : {&ForeMainReading, &BackMainReading, &ForeAuxReading, &BackAuxReading, &SetupHeightDiffs})
    list->DeleteRange(at, count);
}

// Moves the ranges of every record other than `except` whose first setup lies above `above`.
void TKorData::ShiftRanges(int32_t except, int32_t above, int32_t delta) {
  for (int32_t j = 0; j < RecordCount(); ++j) {
    if (j == except || FirstSetup.GetItem(j) <= above) continue;
    FirstSetup.SetItem(j, FirstSetup.GetItem(j) + delta);
    LastSetup.SetItem(j, LastSetup.GetItem(j) + delta);
  }
}

Outcome TKorData::DeleteRecord(int32_t i) {
  if (Outcome refused = IndexInRange(i, RecordCount()); !refused) return refused;
  const int32_t f = FirstSetup.GetItem(i);
  const int32_t n = SetupCounts.GetItem(i);
  RemoveSetups(f, LastSetup.GetItem(i) - f + 1);
  ShiftRanges(i, f, -n);
  ForePoints.Delete(i);
  BackPoints.Delete(i);
  SetupCounts.Delete(i);
  HeightDiffs.Delete(i);
  Notes.Delete(i);
  FirstSetup.Delete(i);
  LastSetup.Delete(i);
  return {};
}

void TKorData::NameSetups(int32_t i) {
  const int32_t f = FirstSetup.GetItem(i);
  const int32_t n = LastSetup.GetItem(i) - f + 1;
  for (int32_t k = 1; k <= n; ++k) {
    SetupBackPoints.Set(f + k - 1, SetupBackName(BackPoints[i], k));
    SetupForePoints.Set(f + k - 1, SetupForeName(ForePoints[i], k, n));
  }
}

Outcome TKorData::SetSetupCount(int32_t i, uint16_t m) {
  if (Outcome refused = IndexInRange(i, RecordCount()); !refused) return refused;
  if (m == 0) return Outcome::Refusal(kSetupCountZeroMessage);
  const int32_t n = SetupCounts.GetItem(i);
  const int32_t f = FirstSetup.GetItem(i);
  const int32_t l = LastSetup.GetItem(i);
  if (m > n) {
    const int32_t d = m - n;
    if (SetupTotal() + d > kFormatCountLimit) return Outcome::Refusal(FormatLimitMessage("штативов в журнале"));
    InsertBlankSetups(l + 1, d);
    LastSetup.SetItem(i, l + d);
    ShiftRanges(i, l, d);
    NameSetups(i);
  } else if (m < n) {
    const int32_t d = n - m;
    RemoveSetups(l - d + 1, d);
    LastSetup.SetItem(i, l - d);
    ShiftRanges(i, f, -d);
    SetupForePoints.Set(l - d, ForePoints[i]);
  }
  SetupCounts.SetItem(i, m);
  return {};
}

double TKorData::ComputeSetupHeight(double bm, double fm, double ba, double fa) const {
  if (TechMode) return RoundHalfEven(2, bm - fm);
  if (std::fabs((bm - fm) - (ba - fa)) > kScaleTolerance) return InvalidHeight;
  return RoundHalfEven(2, ((bm - fm) + (ba - fa)) / 40.0);
}

void TKorData::SetSetupData(int32_t s, const std::string& back, const std::string& fore, double bm, double fm,
                            double ba, double fa, const std::string& note) {
  SetupBackPoints.Set(s, back);
  SetupForePoints.Set(s, fore);
  BackMainReading.SetItem(s, bm);
  ForeMainReading.SetItem(s, fm);
  BackAuxReading.SetItem(s, ba);
  ForeAuxReading.SetItem(s, fa);
  SetupHeightDiffs.SetItem(s, ComputeSetupHeight(bm, fm, ba, fa));
  SetupNotes.Set(s, note);
}

void TKorData::RecalcRecordHeight(int32_t i) {
  const int32_t first = FirstSetup.GetItem(i);
  HeightDiffs.SetItem(
      i, RecordHeightOf(SetupCounts.GetItem(i), [&](int32_t k) { return SetupHeightDiffs.GetItem(first + k); }));
}

TIndexLists::TIndexLists(const TIndexLists& other) {
  lists_.reserve(other.lists_.size());
  for (const auto& list : other.lists_) lists_.push_back(std::make_unique<TIntList>(*list));
}

TIndexLists& TIndexLists::operator=(const TIndexLists& other) {
  if (this != &other) *this = TIndexLists(other);
  return *this;
}

int32_t TIndexLists::AddNew(int32_t value) {
  auto list = std::make_unique<TIntList>();
  list->Add(value);
  lists_.push_back(std::move(list));
  return Count() - 1;
}

void TIndexLists::DeleteAt(int32_t index) {
  if (index < 0) throw ListIndexError(index);
  if (index < Count()) lists_.erase(lists_.begin() + index);
}

void TIndexLists::ReplaceRange(int32_t at, int32_t n, const std::vector<std::vector<int32_t>>& with) {
  lists_.erase(lists_.begin() + at, lists_.begin() + at + n);
  std::vector<std::unique_ptr<TIntList>> entries;
  entries.reserve(with.size());
  for (const std::vector<int32_t>& values : with) {
    auto entry = std::make_unique<TIntList>();
    entry->ReplaceRange(0, 0, values);
    entries.push_back(std::move(entry));
  }
  lists_.insert(lists_.begin() + at, std::make_move_iterator(entries.begin()), std::make_move_iterator(entries.end()));
}

TIntList& TIndexLists::ListAt(int32_t index) {
  if (index < 0 || index >= Count()) throw ListIndexError(index);
  return *lists_[index];
}

const TIntList& TIndexLists::ListAt(int32_t index) const {
  if (index < 0 || index >= Count()) throw ListIndexError(index);
  return *lists_[index];
}

bool TIndexLists::operator==(const TIndexLists& other) const {
  if (Count() != other.Count()) return false;
  for (int32_t i = 0; i < Count(); ++i)
    if (!(*lists_[i] == *other.lists_[i])) return false;
  return true;
}

}  // namespace korvado
