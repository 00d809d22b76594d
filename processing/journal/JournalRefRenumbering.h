#pragma once
// The nets name journal records by number. When records are inserted or
// deleted, the references are renumbered so that each still names the same
// record; a reference to a deleted record becomes 0 (no record), which the
// net update reports instead of silently copying another record.

#include <cstdint>

#include "KorNets.h"

namespace korvado {

// A record was inserted at recordIndex (from 0): the records from there on moved up by one.
void RenumberRefsAfterInsert(TNetList& nets, int32_t recordIndex);
// The record at recordIndex (from 0) was deleted: the records behind it moved down by one.
void RenumberRefsAfterDelete(TNetList& nets, int32_t recordIndex);

}  // namespace korvado
