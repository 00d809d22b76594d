#pragma once
// Input mode walks the cursor along the entry path by itself: back point, fore
// point, number of setups, then the readings of each setup, then the next
// record (or a new one at the end of the journal).

#include <cstdint>

#include "JournalGridText.h"

namespace korvado {

struct EntryTarget {
  enum Kind { Stay, MainCell, ReadingCell, NewRecord };
  Kind kind = Stay;
  int32_t row = 0;  // a record for MainCell, a data row of the reading grid for ReadingCell
  int column = 0;

  bool operator==(const EntryTarget&) const = default;
};

// After an edit of the main grid's cell in `column` of `record` ended.
EntryTarget NextAfterMainEdit(int32_t record, int column);

// After an edit of a reading-grid cell ended; readingRows is the grid's data-row
// count, record the record it shows, recordCount the journal's record count.
EntryTarget NextAfterReadingEdit(ReadingLayout layout, int32_t dataRow, int column, int32_t readingRows, int32_t record,
                                 int32_t recordCount);

}  // namespace korvado
