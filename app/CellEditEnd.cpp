#include "CellEditEnd.h"

#include "JournalCommands.h"
#include "RecordStep.h"

namespace korvado {

Outcome EndMainCellEdit(AppState& state, int32_t record, int column, const std::optional<std::string>& restored) {
  return RecordStep(state, StepName("правка записи", record + 1),
                    [&] { return restored ? WriteMainCell(state, record, column, *restored) : Outcome(); });
}

Outcome EndReadingCellEdit(AppState& state, int32_t record, ReadingLayout layout, int32_t dataRow, int column,
                           const std::optional<std::string>& restored) {
  return RecordStep(state, StepName("правка отсчётов записи", record + 1), [&] {
    return restored ? WriteReadingCell(state, record, layout, dataRow, column, *restored) : Outcome();
  });
}

}  // namespace korvado
