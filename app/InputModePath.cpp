#include "InputModePath.h"

namespace korvado {

EntryTarget NextAfterMainEdit(int32_t record, int column) {
  if (column == kMainBack) return {EntryTarget::MainCell, record, kMainFore};
  if (column == kMainFore) return {EntryTarget::MainCell, record, kMainSetups};
  return {EntryTarget::ReadingCell, 0, 1};
}

namespace {

// From the last reading of a row: the next row, the next record, or a new record.
EntryTarget NextRow(int32_t dataRow, int32_t readingRows, int32_t record, int32_t recordCount) {
  if (dataRow < readingRows - 1) return {EntryTarget::ReadingCell, dataRow + 1, 1};
  if (record >= recordCount - 1) return {EntryTarget::NewRecord, 0, 0};
  return {EntryTarget::MainCell, record + 1, kMainBack};
}

}  // namespace

EntryTarget NextAfterReadingEdit(ReadingLayout layout, int32_t dataRow, int column, int32_t readingRows, int32_t record,
                                 int32_t recordCount) {
  if (layout == ReadingLayout::Precise) {
    if (column == 1) return {EntryTarget::ReadingCell, dataRow, 2};
    if (column == 2) return NextRow(dataRow, readingRows, record, recordCount);
    return {};
  }
  if (column == 1) return NextRow(dataRow, readingRows, record, recordCount);
  return {};
}

}  // namespace korvado
