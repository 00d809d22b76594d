#include "JournalRefRenumbering.h"

#include "ModelMessages.h"

namespace korvado {

namespace {

// newRecord maps an old record index to its new one, or -1 when it is gone.
template <class Map>
void RenumberList(TIntList& refs, const Map& newRecord) {
  for (int32_t k = 0; k < refs.Count(); ++k) {
    const int32_t ref = refs.GetItem(k);
    // A reference beyond any journal the file can hold names no record and
    // stays as it is; the update reports it as missing.
    if (ref == 0 || JournalRefRecord(ref) >= kFormatCountLimit) continue;
    const int32_t record = newRecord(JournalRefRecord(ref));
    refs.SetItem(k, record < 0 ? 0 : MakeJournalRef(record, JournalRefReversed(ref)));
  }
}

template <class Map>
void RenumberAll(TNetList& nets, const Map& newRecord) {
  for (int32_t n = 0; n < nets.NetCount(); ++n) {
    TKorNet& net = nets.NetAt(n);
    for (int32_t s = 0; s < net.SectionTables.Count(); ++s) {
      TKorNetDetailTable& table = net.SectionTables.TableAt(s);
      for (int32_t j = 0; j < table.RunRefs.Count(); ++j) RenumberList(table.RunRefs.ListAt(j), newRecord);
      for (int32_t j = 0; j < table.PendentRefs.Count(); ++j) RenumberList(table.PendentRefs.ListAt(j), newRecord);
    }
  }
}

}  // namespace

void RenumberRefsAfterInsert(TNetList& nets, int32_t recordIndex) {
  RenumberAll(nets, [recordIndex](int32_t record) { return record >= recordIndex ? record + 1 : record; });
}

void RenumberRefsAfterDelete(TNetList& nets, int32_t recordIndex) {
  RenumberAll(nets, [recordIndex](int32_t record) {
    if (record == recordIndex) return -1;
    return record > recordIndex ? record - 1 : record;
  });
}

}  // namespace korvado
