#include "KorNets.h"

#include "MessageService.h"
#include "ModelMessages.h"

namespace korvado {

namespace {

bool RoomFor(int32_t count, const char* what) {
  if (count < kFormatCountLimit) return true;
  ReportError(FormatLimitMessage(what));
  return false;
}

// Makes `destination` hold the values of `source`: shortened from the front,
// lengthened with zeros, then overwritten. The source is read first so that
// both may be the same list.
void CopyReferences(TIntList& destination, const TIntList& source) {
  const std::vector<int32_t> values = source.Items();
  const int32_t n = static_cast<int32_t>(values.size());
  while (destination.Count() > n) destination.Delete(0);
  while (destination.Count() < n) destination.Add(0);
  for (int32_t k = 0; k < n; ++k) destination.SetItem(k, values[k]);
}

template <class Owned>
bool SameOwned(const std::vector<std::unique_ptr<Owned>>& a, const std::vector<std::unique_ptr<Owned>>& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (!(*a[i] == *b[i])) return false;
  return true;
}

template <class Owned>
Owned& Checked(const std::vector<std::unique_ptr<Owned>>& items, int32_t index) {
  if (index < 0 || index >= static_cast<int32_t>(items.size())) throw ListIndexError(index);
  return *items[index];
}

}  // namespace

// --- TKorNetDetailTable ---------------------------------------------------

bool TKorNetDetailTable::AddRun(const std::string& back, const std::string& fore, uint8_t backType,
                                uint8_t foreType, double height, double setups, int32_t ref) {
  if (!RoomFor(RunCount(), "штативов в звене")) return false;
  RunBackPoints.Add(back);
  RunForePoints.Add(fore);
  RunBackTypes.Add(backType);
  RunForeTypes.Add(foreType);
  RunHeights.Add(height);
  RunSetups.Add(setups);
  RunRefs.AddNew(ref);
  return true;
}

bool TKorNetDetailTable::AddPendentRun(uint8_t type, const std::string& back, const std::string& fore,
                                       uint16_t setups, double height, int32_t ref) {
  if (!RoomFor(PendentCount(), "висячих точек в звене")) return false;
  PendentTypes.Add(type);
  PendentBackPoints.Add(back);
  PendentForePoints.Add(fore);
  PendentSetups.Add(setups);
  PendentHeights.Add(height);
  PendentRefs.AddNew(ref);
  return true;
}

bool TKorNetDetailTable::DeleteRun(uint16_t r) {
  if (r >= RunCount()) {
    ReportError(kIndexOutOfRangeMessage);
    return false;
  }
  RunBackPoints.Delete(r);
  RunForePoints.Delete(r);
  RunBackTypes.Delete(r);
  RunForeTypes.Delete(r);
  RunHeights.Delete(r);
  RunSetups.Delete(r);
  RunRefs.DeleteAt(r);
  return true;
}

bool TKorNetDetailTable::DeletePendentRun(uint16_t r) {
  if (r >= PendentCount()) {
    ReportError(kIndexOutOfRangeMessage);
    return false;
  }
  PendentTypes.Delete(r);
  PendentBackPoints.Delete(r);
  PendentForePoints.Delete(r);
  PendentSetups.Delete(r);
  PendentHeights.Delete(r);
  PendentRefs.DeleteAt(r);
  return true;
}

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
  TableAt(index).AddRun(back, fore, backType, foreType, height, setups, ref);
  return index;
}

void TKorNetDetailTableList::DeleteTable(int32_t index) {
  if (index < 0) throw ListIndexError(index);
  if (index < Count()) tables_.erase(tables_.begin() + index);
}

TKorNetDetailTable& TKorNetDetailTableList::TableAt(int32_t index) { return Checked(tables_, index); }
const TKorNetDetailTable& TKorNetDetailTableList::TableAt(int32_t index) const { return Checked(tables_, index); }

bool TKorNetDetailTableList::operator==(const TKorNetDetailTableList& other) const {
  return SameOwned(tables_, other.tables_);
}

// --- TKorNet --------------------------------------------------------------

int32_t TKorNet::AddSection(const std::string& start, const std::string& end, uint8_t startType, uint8_t endType,
                            double height, double setups, int32_t ref) {
  if (!RoomFor(SectionCount(), "звеньев в сети")) return -1;
  SectionStarts.Add(start);
  SectionEnds.Add(end);
  SectionStartTypes.Add(startType);
  SectionEndTypes.Add(endType);
  SectionHeights.Add(height);
  SectionSetups.Add(setups);
  return SectionTables.AddTable(start, end, startType, endType, height, setups, ref);
}

bool TKorNet::AppendRun(uint16_t s, const std::string& fore, uint8_t foreType, double height, double setups,
                        int32_t ref) {
  TKorNetDetailTable& table = SectionTables.TableAt(s);
  const int32_t last = table.RunCount() - 1;
  if (last < 0) throw ListIndexError(last);
  const std::string back = table.RunForePoints[last];
  const auto backType = static_cast<uint8_t>(table.RunForeTypes.GetItem(last));
  if (!table.AddRun(back, fore, backType, foreType, height, setups, ref)) return false;
  SectionEnds.Set(s, fore);
  SectionEndTypes.SetItem(s, foreType);
  SectionHeights.SetItem(s, SectionHeights.GetItem(s) + height);
  SectionSetups.SetItem(s, SectionSetups.GetItem(s) + setups);
  return true;
}

void TKorNet::DeleteSection(uint16_t s) {
  SectionStarts.Delete(s);
  SectionEnds.Delete(s);
  SectionStartTypes.Delete(s);
  SectionEndTypes.Delete(s);
  SectionHeights.Delete(s);
  SectionSetups.Delete(s);
  SectionTables.DeleteTable(s);
}

void TKorNet::UpdateSectionSummary(uint16_t s) {
  const TKorNetDetailTable& table = SectionTables.TableAt(s);
  const int32_t last = table.RunCount() - 1;
  SectionStarts.Set(s, table.RunBackPoints[0]);
  SectionEnds.Set(s, table.RunForePoints[last]);
  SectionStartTypes.SetItem(s, table.RunBackTypes.GetItem(0));
  SectionEndTypes.SetItem(s, table.RunForeTypes.GetItem(last));
  double heights = 0.0;
  double setups = 0.0;
  for (int32_t r = 0; r <= last; ++r) {
    heights += table.RunHeights.GetItem(r);
    setups += table.RunSetups.GetItem(r);
  }
  SectionHeights.SetItem(s, heights);
  SectionSetups.SetItem(s, setups);
}

int32_t TKorNet::AddPoint(const std::string& name, int32_t type, double elevation) {
  if (!RoomFor(PointCount(), "точек в сети")) return -1;
  PointNames.Add(name);
  PointTypes.Add(type);
  return PointElevations.Add(elevation);
}

void TKorNet::ClearPoints() {
  PointNames.Clear();
  PointTypes.Clear();
  PointElevations.Clear();
}

// --- TNetList -------------------------------------------------------------

int32_t TNetList::AddNet(const std::string& name) {
  if (!RoomFor(NetCount(), "сетей")) return -1;
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

void TNetList::CopyNet(int32_t d, int32_t s) {
  TKorNet& dest = NetAt(d);
  const TKorNet& source = NetAt(s);
  dest.Name = source.Name;
  while (dest.SectionCount() > source.SectionCount()) dest.DeleteSection(0);
  while (dest.SectionCount() < source.SectionCount()) dest.AddSection("", "", 2, 2, 0.0, 0.0, 0);
  for (int32_t k = 0; k < source.SectionCount(); ++k) CopySection(d, k, s, k);
  while (dest.PointCount() > source.PointCount()) {
    dest.PointNames.Delete(0);
    dest.PointTypes.Delete(0);
    dest.PointElevations.Delete(0);
  }
  while (dest.PointCount() < source.PointCount()) dest.AddPoint("", 2, 0.0);
  for (int32_t k = 0; k < source.PointCount(); ++k) {
    dest.PointNames.Set(k, source.PointNames[k]);
    dest.PointTypes.SetItem(k, source.PointTypes.GetItem(k));
    dest.PointElevations.SetItem(k, source.PointElevations.GetItem(k));
  }
}

void TNetList::CopySection(int32_t dn, int32_t ds, int32_t sn, int32_t ss) {
  TKorNet& destNet = NetAt(dn);
  const TKorNet& sourceNet = NetAt(sn);
  destNet.SectionStarts.Set(ds, std::string(sourceNet.SectionStarts[ss]));
  destNet.SectionEnds.Set(ds, std::string(sourceNet.SectionEnds[ss]));
  destNet.SectionStartTypes.SetItem(ds, sourceNet.SectionStartTypes.GetItem(ss));
  destNet.SectionEndTypes.SetItem(ds, sourceNet.SectionEndTypes.GetItem(ss));
  destNet.SectionHeights.SetItem(ds, sourceNet.SectionHeights.GetItem(ss));
  destNet.SectionSetups.SetItem(ds, sourceNet.SectionSetups.GetItem(ss));

  TKorNetDetailTable& dest = destNet.SectionTables.TableAt(ds);
  const TKorNetDetailTable& source = sourceNet.SectionTables.TableAt(ss);
  while (dest.RunCount() > source.RunCount()) dest.DeleteRun(0);
  while (dest.RunCount() < source.RunCount()) dest.AddRun("", "", 2, 2, 0.0, 0.0, 0);
  for (int32_t k = 0; k < source.RunCount(); ++k) CopyRun(dn, ds, k, sn, ss, k);
  while (dest.PendentCount() > source.PendentCount()) dest.DeletePendentRun(0);
  while (dest.PendentCount() < source.PendentCount()) dest.AddPendentRun(0, "", "", 1, 0.0, 0);
  for (int32_t k = 0; k < source.PendentCount(); ++k) CopyPendentRun(dn, ds, k, sn, ss, k);
}

void TNetList::CopyRun(int32_t dn, int32_t ds, int32_t dr, int32_t sn, int32_t ss, int32_t sr) {
  TKorNetDetailTable& dest = NetAt(dn).SectionTables.TableAt(ds);
  const TKorNetDetailTable& source = NetAt(sn).SectionTables.TableAt(ss);
  dest.RunBackPoints.Set(dr, std::string(source.RunBackPoints[sr]));
  dest.RunForePoints.Set(dr, std::string(source.RunForePoints[sr]));
  dest.RunBackTypes.SetItem(dr, source.RunBackTypes.GetItem(sr));
  dest.RunForeTypes.SetItem(dr, source.RunForeTypes.GetItem(sr));
  dest.RunHeights.SetItem(dr, source.RunHeights.GetItem(sr));
  dest.RunSetups.SetItem(dr, source.RunSetups.GetItem(sr));
  CopyReferences(dest.RunRefs.ListAt(dr), source.RunRefs.ListAt(sr));
  NetAt(dn).UpdateSectionSummary(ds);
}

void TNetList::CopyPendentRun(int32_t dn, int32_t ds, int32_t dr, int32_t sn, int32_t ss, int32_t sr) {
  TKorNetDetailTable& dest = NetAt(dn).SectionTables.TableAt(ds);
  const TKorNetDetailTable& source = NetAt(sn).SectionTables.TableAt(ss);
  dest.PendentTypes.SetItem(dr, source.PendentTypes.GetItem(sr));
  dest.PendentBackPoints.Set(dr, std::string(source.PendentBackPoints[sr]));
  dest.PendentForePoints.Set(dr, std::string(source.PendentForePoints[sr]));
  dest.PendentSetups.SetItem(dr, source.PendentSetups.GetItem(sr));
  dest.PendentHeights.SetItem(dr, source.PendentHeights.GetItem(sr));
  CopyReferences(dest.PendentRefs.ListAt(dr), source.PendentRefs.ListAt(sr));
}

}  // namespace korvado
