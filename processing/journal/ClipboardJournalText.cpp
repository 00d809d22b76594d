#include "ClipboardJournalText.h"

#include "ControlChars.h"
#include "FormatLimits.h"
#include "ModelMessages.h"
#include "NumberText.h"
#include "Utf8Text.h"
#include "ValueRanges.h"
#include "Windows1251.h"

namespace korvado {

namespace {

constexpr size_t kCellsRead = 3;
// The data file holds at most this many characters of a point name.
constexpr const char* kNothingPasted = " Данные не вставлены.";

// Where a bad cell stands, counted from 1 as a spreadsheet counts lines and cells.
std::string CellPlace(size_t row, size_t cell) {
  return "Строка " + std::to_string(row + 1) + ", ячейка " + std::to_string(cell + 1) + " текста из буфера обмена: ";
}

// A cell's text for a message, kept short: a pasted cell can be long.
std::string Quoted(const std::string& text) {
  constexpr size_t kShown = 40;
  return "«" + Utf8Left(text, kShown) + (Utf8CharCount(text) > kShown ? "…" : "") + "»";
}

Result<double> CellNumber(const std::vector<ClipboardRow>& rows, size_t row, size_t cell) {
  const std::string& text = rows[row][cell];
  if (const std::optional<double> value = TryParseDouble(text)) return *value;
  const std::string what =
      text.empty() ? "пусто, а нужно число." : Quoted(text) + " не является числом" + SeparatorHint(text) + ".";
  return Outcome::Refusal(CellPlace(row, cell) + what + kNothingPasted);
}

Result<double> CellReading(const std::vector<ClipboardRow>& rows, size_t row, size_t cell) {
  const Result<double> reading = CellNumber(rows, row, cell);
  if (reading && !IsSaneValue(ValueKind::Reading, *reading))
    return Outcome::Refusal(CellPlace(row, cell) + Quoted(rows[row][cell]) + " — вне разумных пределов отсчета (" +
                            SaneRangeText(ValueKind::Reading) + ")." + kNothingPasted);
  return reading;
}

Result<std::string> CellPointName(const std::vector<ClipboardRow>& rows, size_t row) {
  std::string name = Utf8Left(rows[row][0], kShortNameChars);
  if (HasControlChar(name)) return Outcome::Refusal(CellPlace(row, 0) + ControlCharMessage(name) + kNothingPasted);
  if (!CanEncodeWindows1251(name))
    return Outcome::Refusal(CellPlace(row, 0) + NotInWindows1251Message(name) + kNothingPasted);
  return name;
}

// Rounded half to even; 0 is taken as 1 so that no record is left without setups.
Result<uint16_t> CellSetupCount(const std::vector<ClipboardRow>& rows, size_t row) {
  const Result<double> number = CellNumber(rows, row, 1);
  if (!number) return number;
  const double count = RoundHalfEven(0, *number);
  if (count < 0.0 || count > kFormatCountLimit)
    return Outcome::Refusal(CellPlace(row, 1) + Quoted(rows[row][1]) + " не годится как число штативов (от 1 до " +
                            std::to_string(kFormatCountLimit) + ")." + kNothingPasted);
  return static_cast<uint16_t>(count == 0.0 ? 1 : count);
}

// The first refusal among a record's cells, in the order a reader goes through them.
Result<ClipboardJournalRecord> CellRecord(const std::vector<ClipboardRow>& rows, size_t b) {
  const Result<std::string> back = CellPointName(rows, b);
  const Result<double> backMain = CellReading(rows, b, 1);
  const Result<double> backAux = CellReading(rows, b, 2);
  const Result<std::string> fore = CellPointName(rows, b + 1);
  const Result<double> foreMain = CellReading(rows, b + 1, 1);
  const Result<double> foreAux = CellReading(rows, b + 1, 2);
  const Result<uint16_t> setups = CellSetupCount(rows, b + 2);
  for (const Outcome* cell :
       std::initializer_list<const Outcome*>{&back, &backMain, &backAux, &fore, &foreMain, &foreAux, &setups})
    if (!*cell) return *cell;
  return ClipboardJournalRecord{.BackPoint = *back,
                                .ForePoint = *fore,
                                .SetupCount = *setups,
                                .BackMainReading = *backMain,
                                .ForeMainReading = *foreMain,
                                .BackAuxReading = *backAux,
                                .ForeAuxReading = *foreAux};
}

void AppendRecordLines(const TKorData& journal, int32_t r, const MainGridTextFn& shown, std::string& out) {
  const std::string back = WithoutControlChars(shown(r, 0));
  const std::string fore = WithoutControlChars(shown(r, 1));
  const int32_t first = journal.FirstSetup.GetItem(r);
  const int32_t last = journal.LastSetup.GetItem(r);
  if (!out.empty()) out += "\r\n";
  out += back + '\t' + back + '\t' + ReadingFormula(journal.BackMainReading, first, last) + '\t' +
         ReadingFormula(journal.BackAuxReading, first, last) + "\r\n";
  out += fore + '\t' + fore + '\t' + ReadingFormula(journal.ForeMainReading, first, last) + '\t' +
         ReadingFormula(journal.ForeAuxReading, first, last) + "\r\n";
  out += back + "->" + fore + '\t' + fore + "->" + back + '\t' + shown(r, 2) + "\t=" + shown(r, 3);
}

}  // namespace

std::vector<ClipboardRow> SplitClipboardTable(const std::string& text) {
  std::vector<ClipboardRow> rows;
  ClipboardRow row(kCellsRead);
  size_t cell = 0;
  // The block ends at the first line without a first cell.
  auto endRow = [&]() {
    if (row[0].empty()) return false;
    rows.push_back(std::move(row));
    row.assign(kCellsRead, "");
    cell = 0;
    return true;
  };
  // TAB, CR and LF are single bytes that never occur inside a UTF-8 sequence.
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    const bool crLf = c == '\r' && i + 1 < text.size() && text[i + 1] == '\n';
    if (c == '\t') {
      ++cell;
    } else if (c == '\n' || crLf) {
      if (crLf) ++i;
      if (!endRow()) return rows;
    } else if (cell < kCellsRead) {
      row[cell] += c;
    }
  }
  endRow();
  return rows;
}

Result<std::vector<ClipboardJournalRecord>> ParseClipboardJournal(const std::string& text) {
  const std::vector<ClipboardRow> rows = SplitClipboardTable(text);
  std::vector<ClipboardJournalRecord> records;
  records.reserve(rows.size() / 3);
  for (size_t b = 0; b + 3 <= rows.size(); b += 3) {
    Result<ClipboardJournalRecord> record = CellRecord(rows, b);
    if (!record) return record;
    records.push_back(std::move(*record));
  }
  return records;
}

std::string ReadingFormula(const TDoubleList& readings, int32_t firstSetup, int32_t lastSetup) {
  std::string formula = "=";
  for (int32_t s = firstSetup; s <= lastSetup; ++s) {
    if (s > firstSetup) formula += '+';
    formula += FormatGeneral(readings.GetItem(s));
  }
  return formula;
}

std::string JournalClipboardText(const TKorData& journal, int32_t firstRecord, int32_t lastRecord,
                                 const MainGridTextFn& shown) {
  if (firstRecord < 0 || firstRecord >= journal.RecordCount()) throw ListIndexError(firstRecord);
  if (lastRecord < firstRecord || lastRecord >= journal.RecordCount()) throw ListIndexError(lastRecord);
  std::string text;
  for (int32_t r = firstRecord; r <= lastRecord; ++r) AppendRecordLines(journal, r, shown, text);
  return text;
}

}  // namespace korvado
