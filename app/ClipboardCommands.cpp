#include "ClipboardCommands.h"

#include <vector>

#include "ClipboardJournalText.h"
#include "JournalGridText.h"
#include "JournalRecordEdits.h"
#include "ModelMessages.h"
#include "RecordStep.h"

namespace korvado {

namespace {

// The whole paste must fit the data file's 16-bit counts, or none of it goes in.
Outcome FitsJournal(const TKorData& journal, const std::vector<ClipboardJournalRecord>& records) {
  if (journal.RecordCount() + static_cast<int64_t>(records.size()) > kFormatCountLimit)
    return Outcome::Refusal(FormatLimitMessage("записей журнала"));
  int64_t setups = journal.SetupTotal();
  for (const ClipboardJournalRecord& record : records) setups += record.SetupCount;
  if (setups > kFormatCountLimit) return Outcome::Refusal(FormatLimitMessage("штативов в журнале"));
  return {};
}

Outcome InsertPastedRecord(AppState& state, int32_t at, const ClipboardJournalRecord& record) {
  Outcome inserted = InsertRecordKeepingRefs(state, at, record.BackPoint, record.ForePoint, record.SetupCount, "");
  if (!inserted) return inserted;
  TKorData& journal = state.Journal;
  const int32_t s = journal.FirstSetup.GetItem(at);
  journal.SetSetupData(s, journal.SetupBackPoints[s], journal.SetupForePoints[s], record.BackMainReading,
                       record.ForeMainReading, record.BackAuxReading, record.ForeAuxReading, "");
  journal.RecalcRecordHeight(at);
  return {};
}

}  // namespace

Result<ClipboardPasteResult> PasteJournalFromClipboardText(AppState& state, const std::string& text,
                                                           int32_t currentRecord) {
  return RecordStep(state, "вставка из буфера обмена", [&]() -> Result<ClipboardPasteResult> {
    ClipboardPasteResult result;
    result.CurrentRecord = currentRecord;
    TKorData& journal = state.Journal;
    if (currentRecord < 0 || currentRecord >= journal.RecordCount()) return Outcome::Refusal(kIndexOutOfRangeMessage);
    const Result<std::vector<ClipboardJournalRecord>> records = ParseClipboardJournal(text);
    if (!records) return records;
    if (records->empty()) return result;
    if (Outcome refused = FitsJournal(journal, *records); !refused) return refused;
    // The limits were checked for the whole text; should a record still be
    // refused, what went in stays and the user is told where the paste stopped.
    std::string stopped;
    for (const ClipboardJournalRecord& record : *records) {
      const Outcome inserted = InsertPastedRecord(state, currentRecord + result.Pasted, record);
      if (!inserted) {
        stopped = inserted.RefusalText();
        break;
      }
      ++result.Pasted;
    }
    if (result.Pasted > 0) result.CurrentRecord = currentRecord + result.Pasted - 1;
    Result<ClipboardPasteResult> pasted(result);
    if (!stopped.empty()) pasted.Warn(stopped);
    return pasted;
  });
}

std::string JournalCopyText(const AppState& state, int32_t firstRecord, int32_t lastRecord) {
  const TKorData& journal = state.Journal;
  return JournalClipboardText(journal, firstRecord, lastRecord,
                              [&journal](int32_t record, int column) { return MainGridText(journal, record, column); });
}

}  // namespace korvado
