#include "JournalGridText.h"

#include "NumberText.h"

namespace korvado {

std::string HeightText(double height, HeightForm form) {
  if (height == InvalidHeight) return kInvalidHeightText;
  switch (form) {
    case HeightForm::Grouped:
      return FormatGrouped(height);
    case HeightForm::Fixed:
      return FormatFixed(2, height);
    case HeightForm::General:
      break;
  }
  return FormatGeneral(height);
}

std::string MainGridText(const TKorData& journal, int32_t record, int column, HeightForm heightForm) {
  if (record < 0 || record >= journal.RecordCount()) return {};
  switch (column) {
    case kMainBack:
      return journal.BackPoints[record];
    case kMainFore:
      return journal.ForePoints[record];
    case kMainSetups:
      return std::to_string(journal.SetupCounts.GetItem(record));
    case kMainHeight:
      return HeightText(journal.HeightDiffs.GetItem(record), heightForm);
    case kMainNote:
      return journal.Notes[record];
    default:
      return {};
  }
}

int ReadingColumnCount(ReadingLayout layout) { return layout == ReadingLayout::Precise ? 4 : 3; }

int ReadingHeightColumn(ReadingLayout layout) { return ReadingColumnCount(layout) - 1; }

int32_t ReadingRowCount(const TKorData& journal, int32_t record) {
  if (record < 0 || record >= journal.RecordCount()) return 0;
  return 2 * journal.SetupCounts.GetItem(record);
}

int32_t ReadingRowSetup(const TKorData& journal, int32_t record, int32_t dataRow) {
  return journal.FirstSetup.GetItem(record) + dataRow / 2;
}

namespace {

std::string BackRowText(const TKorData& j, int32_t s, ReadingLayout layout, int column, HeightForm form) {
  if (column == 0) return j.SetupBackPoints[s];
  if (column == 1) return FormatGeneral(j.BackMainReading.GetItem(s));
  if (column == ReadingHeightColumn(layout)) return HeightText(j.SetupHeightDiffs.GetItem(s), form);
  return FormatGeneral(j.BackAuxReading.GetItem(s));
}

std::string ForeRowText(const TKorData& j, int32_t s, ReadingLayout layout, int column) {
  if (column == 0) return j.SetupForePoints[s];
  if (column == 1) return FormatGeneral(j.ForeMainReading.GetItem(s));
  if (column == ReadingHeightColumn(layout)) return j.SetupNotes[s];
  return FormatGeneral(j.ForeAuxReading.GetItem(s));
}

}  // namespace

std::string ReadingGridText(const TKorData& journal, int32_t record, ReadingLayout layout, int32_t dataRow, int column,
                            HeightForm heightForm) {
  if (dataRow < 0 || dataRow >= ReadingRowCount(journal, record)) return {};
  if (column < 0 || column >= ReadingColumnCount(layout)) return {};
  const int32_t s = ReadingRowSetup(journal, record, dataRow);
  if (s < 0 || s >= journal.SetupTotal()) return {};
  return IsBackRow(dataRow) ? BackRowText(journal, s, layout, column, heightForm)
                            : ForeRowText(journal, s, layout, column);
}

}  // namespace korvado
