#include "LevelImportCommands.h"

#include <algorithm>
#include <utility>

#include "FileBytes.h"
#include "JournalRecordEdits.h"
#include "LevelFileReader.h"
#include "ModelErrors.h"
#include "ModelMessages.h"
#include "RecordStep.h"

namespace korvado {

namespace {

// A file too long for a level's, or whose first bytes are of no known format,
// is refused before the rest of it is read.
std::string ReadLevelFileBytes(const std::string& path) {
  const auto checkStart = [&path](uint64_t size, std::string_view head) {
    if (size > kMaxLevelFileBytes)
      throw LevelFileError("Файл " + path + " длиннее любого файла нивелира (" + std::to_string(size) +
                           " байт, а не больше " + std::to_string(kMaxLevelFileBytes) + ").");
    CheckLevelFileHead(head);
  };
  return ReadWholeFile(path, "нивелира", checkStart, kLevelFileHeadBytes);
}

std::string LineRefusal(size_t index, const LevelLinePreview& line) {
  return "Ход " + std::to_string(index + 1) + " (" + line.Start + " — " + line.End +
         ") нельзя импортировать: " + line.Refusal + ". Измерения не импортированы.";
}

// The whole import must fit the data file's 16-bit counts, or none of it goes in.
std::string LimitRefusal(const TKorData& journal, const std::vector<ImportedRecord>& records) {
  if (journal.RecordCount() + static_cast<int64_t>(records.size()) > kFormatCountLimit)
    return FormatLimitMessage("записей журнала");
  int64_t setups = journal.SetupTotal();
  for (const ImportedRecord& record : records) setups += static_cast<int64_t>(record.Setups.size());
  if (setups > kFormatCountLimit) return FormatLimitMessage("штативов в журнале");
  return {};
}

void FillSetups(TKorData& journal, int32_t record, const ImportedRecord& imported) {
  int32_t s = journal.FirstSetup.GetItem(record);
  for (const ImportedSetup& setup : imported.Setups) {
    journal.SetSetupData(s++, setup.BackPoint, setup.ForePoint, setup.BackMain, setup.ForeMain, setup.BackAux,
                         setup.ForeAux, "");
  }
  journal.RecalcRecordHeight(record);
}

}  // namespace

std::string NothingImportedMessage(const LevelImport& import) {
  if (import.Lines.empty()) return "В файле нивелира нет ни одного хода. Измерения не импортированы.";
  std::string text = "Ни один ход файла нивелира нельзя импортировать:";
  for (size_t i = 0; i < import.Lines.size(); ++i) {
    const LevelLinePreview& line = import.Lines[i];
    text += "\nход " + std::to_string(i + 1) + " (" + line.Start + " — " + line.End +
            "): " + (line.Importable() ? "не выбран" : line.Refusal);
  }
  return text + "\nИзмерения не импортированы.";
}

LevelImport PrepareLevelImport(const AppState& state, const std::string& path) {
  return PrepareLevelImportFromBytes(state, ReadLevelFileBytes(path));
}

LevelImport PrepareLevelImportFromBytes(const AppState& state, std::string bytes) {
  LevelImport import;
  import.File = ReadLevelFile(std::move(bytes));
  import.FormatName = LevelFileFormatName(import.File.Format);
  import.TechMode = state.Journal.TechMode;
  import.Lines = PreviewLevelLines(import.File.Lines, import.TechMode);
  return import;
}

Result<InsertedRecords> ImportLevelLines(AppState& state, const LevelImport& import, const std::vector<bool>& ticked,
                                         int32_t before) {
  return RecordStep(state, "импорт измерений нивелира", [&]() -> Result<InsertedRecords> {
    TKorData& journal = state.Journal;
    if (import.TechMode != journal.TechMode)
      return Outcome::Refusal("Режим журнала изменился после чтения файла нивелира; импортируйте файл заново.");
    if (before >= journal.RecordCount()) return Outcome::Refusal(kIndexOutOfRangeMessage);
    std::vector<ImportedRecord> records;
    for (size_t i = 0; i < import.Lines.size() && i < ticked.size(); ++i) {
      if (!ticked[i]) continue;
      if (!import.Lines[i].Importable()) return Outcome::Refusal(LineRefusal(i, import.Lines[i]));
      records.push_back(JournalRecordOf(import.File.Lines[i], journal.TechMode));
    }
    const std::string limit = LimitRefusal(journal, records);
    if (!limit.empty()) return Outcome::Refusal(limit);
    InsertedRecords inserted;
    if (records.empty()) return inserted;

    inserted.First = before < 0 ? journal.RecordCount() : before;
    for (const ImportedRecord& record : records) {
      const int32_t at = inserted.First + inserted.Count;
      const auto count = static_cast<uint16_t>(record.Setups.size());
      const Outcome added = before < 0
                                ? journal.AddRecord(record.BackPoint, record.ForePoint, count, "")
                                : InsertRecordKeepingRefs(state, at, record.BackPoint, record.ForePoint, count, "");
      // The limits were checked for all records before the first went in.
      if (!added) throw KorvadoError(added.RefusalText());
      FillSetups(journal, at, record);
      ++inserted.Count;
    }
    state.MarkChanged();
    return inserted;
  });
}

}  // namespace korvado
