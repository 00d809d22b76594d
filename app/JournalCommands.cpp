#include "JournalCommands.h"

#include <algorithm>
#include <limits>

#include "FormatLimits.h"
#include "JournalHeights.h"
#include "JournalRecordEdits.h"
#include "ModelMessages.h"
#include "NumberText.h"
#include "RecordStep.h"
#include "StorableText.h"
#include "Utf8Text.h"
#include "ValueRanges.h"

namespace korvado {

namespace {

inline constexpr const char* kNewBackName = "Задн.";
inline constexpr const char* kNewForeName = "Пер.";

bool IsDigitChar(char32_t c) { return c >= U'0' && c <= U'9'; }

bool IsNumberColumn(JournalGrid grid, int column) {
  if (grid == JournalGrid::Main) return column == kMainSetups;
  return column == 1 || (grid == JournalGrid::Detail && column == 2);
}

bool IsTextColumn(JournalGrid grid, int column) {
  if (grid == JournalGrid::Main) return column == kMainBack || column == kMainFore || column == kMainNote;
  return column == 0 || column == ReadingHeightColumn(LayoutOf(grid));
}

// A cleared cell reads as 0; text not yet a sane reading, as nothing.
std::optional<double> ReadingValue(const std::string& text) {
  return text.empty() ? std::optional<double>(0.0) : TryParseSaneValue(ValueKind::Reading, text).Value();
}

std::string SetupCountRangeMessage() {
  return "Число штативов должно быть от 1 до " + std::to_string(kFormatCountLimit);
}

// The file counts a record's setups in 16 bits: a count outside 1..65535 is
// refused whole rather than cut to its low bits. A cleared cell means one setup.
Result<uint16_t> SetupCountOf(const std::string& text) {
  if (text.empty()) return uint16_t{1};
  const bool digitsOnly = std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
  const std::optional<int32_t> parsed = TryParseInteger(text);
  // Digits too many for an integer are a count out of range, not "no number".
  if (!parsed && !digitsOnly) return Outcome::Refusal(NotAnIntegerMessage(text));
  const int64_t count = parsed ? *parsed : int64_t{kFormatCountLimit} + 1;
  if (count < 1) return Outcome::Refusal(kSetupCountZeroMessage);
  if (count > kFormatCountLimit) return Outcome::Refusal(SetupCountRangeMessage());
  return static_cast<uint16_t>(count);
}

}  // namespace

char32_t CellCharFor(JournalGrid grid, int column, char32_t c) {
  const bool reading = grid != JournalGrid::Main && IsNumberColumn(grid, column);
  return reading && (c == U'.' || c == U',') ? static_cast<char32_t>(DecimalSeparatorChar()) : c;
}

bool CellAcceptsChar(JournalGrid grid, int column, const std::string& keptText, char32_t c) {
  if (grid == JournalGrid::Main && column == kMainHeight) return c == kEnterChar;
  if (c == kEnterChar || c == kBackspaceChar) return true;
  if (grid == JournalGrid::Main && column == kMainSetups) return IsDigitChar(c);
  if (IsNumberColumn(grid, column)) {
    // A reading holds one decimal separator; a second could only make it no number.
    const char separator = DecimalSeparatorChar();
    return IsDigitChar(c) || (c == static_cast<char32_t>(separator) && keptText.find(separator) == std::string::npos);
  }
  const int limit = CellTextLimit(grid, column);
  return limit > 0 && Utf8CharCount(keptText) < static_cast<size_t>(limit);
}

Outcome CheckCellNumber(JournalGrid grid, int column, const std::string& text) {
  if (text.empty()) return {};
  if (grid == JournalGrid::Main && column == kMainSetups) return SetupCountOf(text);
  if (grid != JournalGrid::Main && IsNumberColumn(grid, column)) return TryParseSaneValue(ValueKind::Reading, text);
  return {};
}

int CellTextLimit(JournalGrid grid, int column) {
  if (!IsTextColumn(grid, column)) return 0;
  return static_cast<int>(grid == JournalGrid::Main && column == kMainNote ? kShortTextChars : kShortNameChars);
}

bool IsComputedCell(JournalGrid grid, int32_t dataRow, int column) {
  if (grid == JournalGrid::Main) return column == kMainHeight;
  return IsBackRow(dataRow) && column == ReadingHeightColumn(LayoutOf(grid));
}

Outcome WriteMainCell(AppState& state, int32_t record, int column, const std::string& text) {
  TKorData& j = state.Journal;
  if (record < 0 || record >= j.RecordCount() || column == kMainHeight) return {};
  if (IsTextColumn(JournalGrid::Main, column))
    if (Outcome refused = CheckStorableText(text); !refused) return refused;
  const std::string cut = Utf8Left(text, CellTextLimit(JournalGrid::Main, column));
  switch (column) {
    case kMainBack:
      j.BackPoints.Set(record, cut);
      j.SetupBackPoints.Set(j.FirstSetup.GetItem(record), cut);
      break;
    case kMainFore:
      j.ForePoints.Set(record, cut);
      j.SetupForePoints.Set(j.LastSetup.GetItem(record), cut);
      break;
    case kMainSetups: {
      // A count not yet typed whole stays in the editor; CheckCellNumber names it when the edit ends.
      const Result<uint16_t> count = SetupCountOf(text);
      if (!count) return {};
      if (Outcome refused = j.SetSetupCount(record, *count); !refused) return refused;
      break;
    }
    case kMainNote:
      j.Notes.Set(record, cut);
      break;
    default:
      return {};
  }
  state.MarkChanged();
  return {};
}

Outcome WriteReadingCell(AppState& state, int32_t record, ReadingLayout layout, int32_t dataRow, int column,
                         const std::string& text) {
  TKorData& j = state.Journal;
  const JournalGrid grid = layout == ReadingLayout::Precise ? JournalGrid::Detail : JournalGrid::Technical;
  if (dataRow < 0 || dataRow >= ReadingRowCount(j, record) || IsComputedCell(grid, dataRow, column)) return {};
  if (IsTextColumn(grid, column))
    if (Outcome refused = CheckStorableText(text); !refused) return refused;
  const std::string typed = IsTextColumn(grid, column) ? Utf8Left(text, kShortNameChars) : text;
  // A reading not yet a number ("," alone) stays in the editor unwritten.
  const std::optional<double> typedNumber = IsNumberColumn(grid, column) ? ReadingValue(typed) : 0.0;
  if (!typedNumber) return {};
  const double typedValue = *typedNumber;

  const int32_t edited = ReadingRowSetup(j, record, dataRow);
  const bool back = IsBackRow(dataRow);
  const bool precise = layout == ReadingLayout::Precise;
  const int32_t first = j.FirstSetup.GetItem(record);
  for (int32_t s = first; s < first + j.SetupCounts.GetItem(record); ++s) {
    std::string backName = j.SetupBackPoints[s], foreName = j.SetupForePoints[s], note = j.SetupNotes[s];
    double bm = j.BackMainReading.GetItem(s), fm = j.ForeMainReading.GetItem(s);
    double ba = precise ? j.BackAuxReading.GetItem(s) : 0.0, fa = precise ? j.ForeAuxReading.GetItem(s) : 0.0;
    if (s == edited) {
      if (column == 0) (back ? backName : foreName) = typed;
      if (column == 1) (back ? bm : fm) = typedValue;
      if (column == 2 && precise) (back ? ba : fa) = typedValue;
      if (column == ReadingHeightColumn(layout) && !back) note = typed;
    }
    j.SetSetupData(s, backName, foreName, bm, fm, ba, fa, note);
  }
  j.RecalcRecordHeight(record);
  state.MarkChanged();
  return {};
}

void NextRecordNames(const TKorData& journal, std::string& back, std::string& fore) {
  back = kNewBackName;
  fore = kNewForeName;
  if (journal.RecordCount() == 0) return;
  // A fore point that is not a number starts the next record from the placeholders.
  const std::optional<int32_t> n = TryParseInteger(journal.ForePoints[journal.RecordCount() - 1]);
  if (!n) return;
  back = std::to_string(*n);
  fore = std::to_string(int64_t{*n} + 1);
}

Result<int32_t> AppendJournalRecord(AppState& state) {
  return RecordStep(state, StepName("добавление записи", state.Journal.RecordCount() + 1), [&]() -> Result<int32_t> {
    std::string back, fore;
    NextRecordNames(state.Journal, back, fore);
    if (Outcome refused = state.Journal.AddRecord(back, fore, 1, ""); !refused) return refused;
    state.MarkChanged();
    return state.Journal.RecordCount() - 1;
  });
}

Result<int32_t> InsertJournalRecord(AppState& state, int32_t before) {
  return RecordStep(state, StepName("вставка записи", before + 1), [&]() -> Result<int32_t> {
    if (Outcome refused = InsertRecordKeepingRefs(state, before, kNewBackName, kNewForeName, 1, ""); !refused)
      return refused;
    return before;
  });
}

bool CanDeleteJournalRecord(const AppState& state) { return state.Journal.RecordCount() > 1; }

Outcome DeleteJournalRecord(AppState& state, int32_t record) {
  if (!CanDeleteJournalRecord(state)) return Outcome::Refusal(kLastRecordMessage);
  return RecordStep(state, StepName("удаление записи", record + 1),
                    [&] { return DeleteRecordKeepingRefs(state, record); });
}

namespace {

// A copy: the journal is switched only as a whole.
TKorData JournalInMode(const TKorData& journal, bool on) {
  TKorData switched = journal;
  switched.TechMode = on;
  RecomputeJournalHeights(switched);
  return switched;
}

}  // namespace

bool TechModeSwitchChangesHeights(const AppState& state, bool on) {
  const TKorData& journal = state.Journal;
  const TKorData switched = JournalInMode(journal, on);
  return !(switched.SetupHeightDiffs == journal.SetupHeightDiffs && switched.HeightDiffs == journal.HeightDiffs);
}

void SetTechMode(AppState& state, bool on) {
  if (state.Journal.TechMode == on) return;
  RecordStep(state, "смена вида журнала", [&] {
    state.Journal = JournalInMode(state.Journal, on);
    state.MarkChanged();
  });
}

}  // namespace korvado
