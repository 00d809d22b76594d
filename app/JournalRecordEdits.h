#pragma once
// Inserting and deleting journal records from the program: the nets name
// records by number, so their references follow every such change.

#include <cstdint>
#include <string>

#include "AppState.h"

namespace korvado {

// As TKorData::InsertRecord; on success the nets' references to records at
// or after index move up by one and the data count as changed.
Outcome InsertRecordKeepingRefs(AppState& state, int32_t index, const std::string& back, const std::string& fore,
                                uint16_t setupCount, const std::string& note);

// As TKorData::DeleteRecord; on success references to the deleted record
// become 0 (reported by the net update) and later ones move down by one.
Outcome DeleteRecordKeepingRefs(AppState& state, int32_t index);

}  // namespace korvado
