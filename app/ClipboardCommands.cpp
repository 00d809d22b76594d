#include "ClipboardCommands.h"

#include <vector>

#include "ClipboardJournalText.h"
#include "JournalGridText.h"
#include "JournalRecordEdits.h"
#include "MessageService.h"
#include "ModelErrors.h"
#include "ModelMessages.h"

namespace korvado {

namespace {

// The whole paste must fit the data file's 16-bit counts, or none of it goes in.
bool FitsJournal(const TKorData& journal, const std::vector<ClipboardJournalRecord>& records) {
  if (journal.RecordCount() + static_cast<int64_t>(records.size()) > kFormatCountLimit) {
    ReportError(FormatLimitMessage("записей журнала"));
    return false;
  }
  int64_t setups = journal.SetupTotal();
  for (const ClipboardJournalRecord& record : records) setups += record.SetupCount;
  if (setups > kFormatCountLimit) {
    ReportError(FormatLimitMessage("штативов в журнале"));
    return false;
  }
  return true;
}

bool InsertPastedRecord(AppState& state, int32_t at, const ClipboardJournalRecord& record) {
  if (!InsertRecordKeepingRefs(state, at, record.BackPoint, record.ForePoint, record.SetupCount, "")) return false;
  TKorData& journal = state.Journal;
  const int32_t s = journal.FirstSetup.GetItem(at);
  journal.SetSetupData(s, journal.SetupBackPoints[s], journal.SetupForePoints[s], record.BackMainReading,
                       record.ForeMainReading, record.BackAuxReading, record.ForeAuxReading, "");
  journal.RecalcRecordHeight(at);
  return true;
}

}  // namespace

ClipboardPasteResult PasteJournalFromClipboardText(AppState& state, const std::string& text, int32_t currentRecord) {
  ClipboardPasteResult result;
  result.CurrentRecord = currentRecord;
  TKorData& journal = state.Journal;
  if (currentRecord < 0 || currentRecord >= journal.RecordCount()) {
    ReportError(kIndexOutOfRangeMessage);
    return result;
  }
  std::vector<ClipboardJournalRecord> records;
  try {
    records = ParseClipboardJournal(text);
  } catch (const ConversionError& e) {
    ReportError(e.what());
    return result;
  } catch (const EncodingError& e) {
    ReportError(e.what());
    return result;
  }
  if (records.empty() || !FitsJournal(journal, records)) return result;
  for (const ClipboardJournalRecord& record : records) {
    if (!InsertPastedRecord(state, currentRecord + result.Pasted, record)) break;
    ++result.Pasted;
  }
  if (result.Pasted > 0) {
    result.CurrentRecord = currentRecord + result.Pasted - 1;
  }
  return result;
}

std::string JournalCopyText(const AppState& state, int32_t firstRecord, int32_t lastRecord) {
  const TKorData& journal = state.Journal;
  return JournalClipboardText(journal, firstRecord, lastRecord,
                              [&journal](int32_t record, int column) { return MainGridText(journal, record, column); });
}

}  // namespace korvado
