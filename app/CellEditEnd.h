#pragma once
// The end of a cell edit: the cell was written key by key while it was typed
// (so the other grids follow at once); its finished edit becomes one step.

#include <cstdint>
#include <optional>
#include <string>

#include "AppState.h"
#include "JournalGridText.h"
#include "Outcome.h"

namespace korvado {

// restored: the cell's text before the edit, when the edit was cancelled
// (Escape); it is written back first. The refusal of that write, if any.
Outcome EndMainCellEdit(AppState& state, int32_t record, int column, const std::optional<std::string>& restored);
Outcome EndReadingCellEdit(AppState& state, int32_t record, ReadingLayout layout, int32_t dataRow, int column,
                           const std::optional<std::string>& restored);

}  // namespace korvado
