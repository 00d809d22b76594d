#include "KorNets.h"

#include <iterator>

#include "ColumnCells.h"
#include "ModelMessages.h"
#include "NetColumns.h"

namespace korvado {

namespace {

Outcome RoomFor(int32_t count, const char* what) {
  if (count < kFormatCountLimit) return {};
  return Outcome::Refusal(FormatLimitMessage(what));
}

template <class Owned>
bool SameOwned(const std::vector<std::unique_ptr<Owned>>& a, const std::vector<std::unique_ptr<Owned>>& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (!(*a[i] == *b[i])) return false;
  return true;
}

// Items at .. at + n - 1 become copies of with; the caller guarantees the range.
template <class Owned>
void ReplaceOwned(std::vector<std::unique_ptr<Owned>>& items, int32_t at, int32_t n, const std::vector<Owned>& with) {
  items.erase(items.begin() + at, items.begin() + at + n);
  std::vector<std::unique_ptr<Owned>> copies;
  copies.reserve(with.size());
  for (const Owned& item : with) copies.push_back(std::make_unique<Owned>(item));
  items.insert(items.begin() + at, std::make_move_iterator(copies.begin()), std::make_move_iterator(copies.end()));
}

template <class Owned>
Owned& Checked(const std::vector<std::unique_ptr<Owned>>& items, int32_t index) {
  if (index < 0 || index >= static_cast<int32_t>(items.size())) throw ListIndexError(index);
  return *items[index];
}

}  // namespace

// --- TKorNetDetailTable ---------------------------------------------------

Outcome TKorNetDetailTable::AddRun(const std::string& back, const std::string& fore, uint8_t backType, uint8_t foreType,
                                   double height, double setups, int32_t ref) {
  if (Outcome refused = RoomFor(RunCount(), "штативов в звене"); !refused) return refused;
  AppendRun({back, fore, backType, foreType, height, setups, {ref}});
  return {};
}

Outcome TKorNetDetailTable::AddPendentRun(uint8_t type, const std::string& back, const std::string& fore,
                                          uint16_t setups, double height, int32_t ref) {
  if (Outcome refused = RoomFor(PendentCount(), "висячих точек в звене"); !refused) return refused;
  AppendPendent({type, back, fore, setups, height, {ref}});
  return {};
}

Outcome TKorNetDetailTable::DeleteRun(uint16_t r) {
  if (r >= RunCount()) return Outcome::Refusal(kIndexOutOfRangeMessage);
  EraseRun(r);
  return {};
}

Outcome TKorNetDetailTable::DeletePendentRun(uint16_t r) {
  if (r >= PendentCount()) return Outcome::Refusal(kIndexOutOfRangeMessage);
  ErasePendent(r);
  return {};
}

NetRun TKorNetDetailTable::RunAt(int32_t r) const { return RowAt<RunColumns>(*this, r); }
void TKorNetDetailTable::SetRun(int32_t r, const NetRun& value) { SetRow<RunColumns>(*this, r, value); }
void TKorNetDetailTable::AppendRun(const NetRun& value) { AppendRow<RunColumns>(*this, value); }
void TKorNetDetailTable::EraseRun(int32_t r) { EraseRow<RunColumns>(*this, r); }

PendentRun TKorNetDetailTable::PendentAt(int32_t p) const { return RowAt<PendentColumns>(*this, p); }
void TKorNetDetailTable::SetPendent(int32_t p, const PendentRun& value) { SetRow<PendentColumns>(*this, p, value); }
void TKorNetDetailTable::AppendPendent(const PendentRun& value) { AppendRow<PendentColumns>(*this, value); }
void TKorNetDetailTable::ErasePendent(int32_t p) { EraseRow<PendentColumns>(*this, p); }

// --- TKorNetDetailTableList -----------------------------------------------

TKorNetDetailTableList::TKorNetDetailTableList(const TKorNetDetailTableList& other) {
  tables_.reserve(other.tables_.size());
  for (const auto& table : other.tables_) tables_.push_back(std::make_unique<TKorNetDetailTable>(*table));
}

TKorNetDetailTableList& TKorNetDetailTableList::operator=(const TKorNetDetailTableList& other) {
  if (this != &other) *this = TKorNetDetailTableList(other);
  return *this;
}

int32_t TKorNetDetailTableList::AddEmptyTable() {
  tables_.push_back(std::make_unique<TKorNetDetailTable>());
  return Count() - 1;
}

int32_t TKorNetDetailTableList::AddTable(const std::string& back, const std::string& fore, uint8_t backType,
                                         uint8_t foreType, double height, double setups, int32_t ref) {
  const int32_t index = AddEmptyTable();
  TableAt(index).AppendRun({back, fore, backType, foreType, height, setups, {ref}});
  return index;
}

void TKorNetDetailTableList::DeleteTable(int32_t index) {
  if (index < 0) throw ListIndexError(index);
  if (index < Count()) tables_.erase(tables_.begin() + index);
}

TKorNetDetailTable& TKorNetDetailTableList::TableAt(int32_t index) { return Checked(tables_, index); }
const TKorNetDetailTable& TKorNetDetailTableList::TableAt(int32_t index) const { return Checked(tables_, index); }

void TKorNetDetailTableList::ReplaceRange(int32_t at, int32_t n, const std::vector<TKorNetDetailTable>& with) {
  ReplaceOwned(tables_, at, n, with);
}

bool TKorNetDetailTableList::operator==(const TKorNetDetailTableList& other) const {
  return SameOwned(tables_, other.tables_);
}

// --- TKorNet --------------------------------------------------------------

Result<int32_t> TKorNet::AddSection(const std::string& start, const std::string& end, uint8_t startType,
                                    uint8_t endType, double height, double setups, int32_t ref) {
  if (Outcome refused = RoomFor(SectionCount(), "звеньев в сети"); !refused) return refused;
  AppendSection({start, end, startType, endType, height, setups});
  return SectionTables.AddTable(start, end, startType, endType, height, setups, ref);
}

Outcome TKorNet::AppendRun(uint16_t s, const std::string& fore, uint8_t foreType, double height, double setups,
                           int32_t ref) {
  TKorNetDetailTable& table = SectionTables.TableAt(s);
  const int32_t last = table.RunCount() - 1;
  if (last < 0) throw ListIndexError(last);
  const std::string back = table.RunForePoints[last];
  const auto backType = static_cast<uint8_t>(table.RunForeTypes.GetItem(last));
  if (Outcome refused = table.AddRun(back, fore, backType, foreType, height, setups, ref); !refused) return refused;
  SectionEnds.Set(s, fore);
  SectionEndTypes.SetItem(s, foreType);
  SectionHeights.SetItem(s, SectionHeights.GetItem(s) + height);
  SectionSetups.SetItem(s, SectionSetups.GetItem(s) + setups);
  return {};
}

void TKorNet::DeleteSection(uint16_t s) {
  EraseRow<SectionColumns>(*this, s);
  SectionTables.DeleteTable(s);
}

void TKorNet::UpdateSectionSummary(uint16_t s) {
  const TKorNetDetailTable& table = SectionTables.TableAt(s);
  const int32_t last = table.RunCount() - 1;
  Section summary{table.RunBackPoints[0], table.RunForePoints[last], table.RunBackTypes.GetItem(0),
                  table.RunForeTypes.GetItem(last)};
  for (int32_t r = 0; r <= last; ++r) {
    summary.height += table.RunHeights.GetItem(r);
    summary.setups += table.RunSetups.GetItem(r);
  }
  SetSection(s, summary);
}

Result<int32_t> TKorNet::AddPoint(const std::string& name, int32_t type, double elevation) {
  if (Outcome refused = RoomFor(PointCount(), "точек в сети"); !refused) return refused;
  AppendPoint({name, type, elevation});
  return PointElevations.Count() - 1;
}

Section TKorNet::SectionAt(int32_t s) const { return RowAt<SectionColumns>(*this, s); }
void TKorNet::SetSection(int32_t s, const Section& value) { SetRow<SectionColumns>(*this, s, value); }
void TKorNet::AppendSection(const Section& value) { AppendRow<SectionColumns>(*this, value); }

NetPoint TKorNet::PointAt(int32_t p) const { return RowAt<PointColumns>(*this, p); }
void TKorNet::SetPoint(int32_t p, const NetPoint& value) { SetRow<PointColumns>(*this, p, value); }
void TKorNet::AppendPoint(const NetPoint& value) { AppendRow<PointColumns>(*this, value); }
void TKorNet::ErasePoint(int32_t p) { EraseRow<PointColumns>(*this, p); }

void TKorNet::ClearPoints() {
  PointNames.Clear();
  PointTypes.Clear();
  PointElevations.Clear();
}

// --- TNetList -------------------------------------------------------------

TNetList::TNetList(const TNetList& other) {
  nets_.reserve(other.nets_.size());
  for (const auto& net : other.nets_) nets_.push_back(std::make_unique<TKorNet>(*net));
}

TNetList& TNetList::operator=(const TNetList& other) {
  if (this != &other) *this = TNetList(other);
  return *this;
}

Result<int32_t> TNetList::AddNet(const std::string& name) {
  if (Outcome refused = RoomFor(NetCount(), "сетей"); !refused) return refused;
  nets_.push_back(std::make_unique<TKorNet>());
  nets_.back()->Name = name;
  return NetCount() - 1;
}

void TNetList::DeleteNet(int32_t index) {
  if (index < 0) throw ListIndexError(index);
  if (index < NetCount()) nets_.erase(nets_.begin() + index);
}

TKorNet& TNetList::NetAt(int32_t index) { return Checked(nets_, index); }
const TKorNet& TNetList::NetAt(int32_t index) const { return Checked(nets_, index); }

bool TNetList::operator==(const TNetList& other) const { return SameOwned(nets_, other.nets_); }

void TNetList::ReplaceRange(int32_t at, int32_t n, const std::vector<TKorNet>& with) {
  ReplaceOwned(nets_, at, n, with);
}

void TNetList::CopyNet(int32_t d, int32_t s) {
  TKorNet& dest = NetAt(d);
  const TKorNet& source = NetAt(s);
  dest.Name = source.Name;
  while (dest.SectionCount() > source.SectionCount()) dest.DeleteSection(0);
  // The copies never pass the limits: the source holds as many.
  while (dest.SectionCount() < source.SectionCount()) {
    dest.AppendSection({});
    dest.SectionTables.AddEmptyTable();
  }
  for (int32_t k = 0; k < source.SectionCount(); ++k) CopySection(d, k, s, k);
  while (dest.PointCount() > source.PointCount()) dest.ErasePoint(0);
  while (dest.PointCount() < source.PointCount()) dest.AppendPoint({});
  for (int32_t k = 0; k < source.PointCount(); ++k) dest.SetPoint(k, source.PointAt(k));
}

void TNetList::CopySection(int32_t dn, int32_t ds, int32_t sn, int32_t ss) {
  TKorNet& destNet = NetAt(dn);
  const TKorNet& sourceNet = NetAt(sn);
  destNet.SetSection(ds, sourceNet.SectionAt(ss));

  TKorNetDetailTable& dest = destNet.SectionTables.TableAt(ds);
  const TKorNetDetailTable& source = sourceNet.SectionTables.TableAt(ss);
  while (dest.RunCount() > source.RunCount()) dest.EraseRun(0);
  while (dest.RunCount() < source.RunCount()) dest.AppendRun({});
  for (int32_t k = 0; k < source.RunCount(); ++k) CopyRun(dn, ds, k, sn, ss, k);
  while (dest.PendentCount() > source.PendentCount()) dest.ErasePendent(0);
  while (dest.PendentCount() < source.PendentCount()) dest.AppendPendent({});
  for (int32_t k = 0; k < source.PendentCount(); ++k) CopyPendentRun(dn, ds, k, sn, ss, k);
}

void TNetList::CopyRun(int32_t dn, int32_t ds, int32_t dr, int32_t sn, int32_t ss, int32_t sr) {
  TKorNetDetailTable& dest = NetAt(dn).SectionTables.TableAt(ds);
  dest.SetRun(dr, NetAt(sn).SectionTables.TableAt(ss).RunAt(sr));
  NetAt(dn).UpdateSectionSummary(ds);
}

void TNetList::CopyPendentRun(int32_t dn, int32_t ds, int32_t dr, int32_t sn, int32_t ss, int32_t sr) {
  TKorNetDetailTable& dest = NetAt(dn).SectionTables.TableAt(ds);
  dest.SetPendent(dr, NetAt(sn).SectionTables.TableAt(ss).PendentAt(sr));
}

}  // namespace korvado
