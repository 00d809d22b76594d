#pragma once
// The journal-editing commands of the first page, without windows: what a
// cell editor accepts, the write-through of a cell's text into the journal,
// and the record commands. Every write marks the state changed.

#include <cstdint>
#include <string>

#include "AppState.h"
#include "JournalGridText.h"

namespace korvado {

enum class JournalGrid { Main, Detail, Technical };

inline ReadingLayout LayoutOf(JournalGrid grid) {
  return grid == JournalGrid::Technical ? ReadingLayout::Technical : ReadingLayout::Precise;
}

inline constexpr char32_t kEnterChar = 13;
inline constexpr char32_t kBackspaceChar = 8;
// "Число штативов должно быть от 1 до 65535"
std::string SetupCountRangeMessage();
inline constexpr const char* kLastRecordMessage = "Единственную запись журнала удалить нельзя.";

// Whether a typed character may go into a cell. keptText is the cell's text
// without the part the character would replace.
bool CellAcceptsChar(JournalGrid grid, int column, const std::string& keptText, char32_t c);
// The character a typed one stands for in a cell: in a reading cell "." and ","
// both mean the locale's decimal separator (keyboards give either), so that
// 1804.5 never becomes 18045. Any other character stands for itself.
char32_t CellCharFor(JournalGrid grid, int column, char32_t c);
// Refuses a number cell's text that is no number, a reading outside its sane
// range, or a setup count outside 1..65535 (text "0" first says it must be
// above zero). While a number is being typed the write-through skips such
// text without a refusal; when the
// edit ends, this says once what is wrong.
Outcome CheckCellNumber(JournalGrid grid, int column, const std::string& text);
// The most characters a cell holds (0: no limit of its own); pastes are cut to it.
int CellTextLimit(JournalGrid grid, int column);
// Cells whose text is computed, never typed: the record's height difference and
// the setup height difference in a reading grid's back rows.
bool IsComputedCell(JournalGrid grid, int32_t dataRow, int column);

// Write-through of the text of a main-grid cell into record `record`. A
// refusal means the cell must show the stored text again. A setup count
// CheckCellNumber refuses is not written and not refused here: the editor
// keeps it until the edit ends.
Outcome WriteMainCell(AppState& state, int32_t record, int column, const std::string& text);

// Write-through of a reading-grid cell: every setup of the record is written
// again from the grid (the other cells as stored, this one as typed) and the
// heights are recomputed. A reading that is not yet a number writes nothing.
// Refused as WriteMainCell is.
Outcome WriteReadingCell(AppState& state, int32_t record, ReadingLayout layout, int32_t dataRow, int column,
                         const std::string& text);

// The record appended by acAdd: numbered names continue the last fore point.
void NextRecordNames(const TKorData& journal, std::string& back, std::string& fore);
// acAdd: the new record's index, or the journal's refusal.
Result<int32_t> AppendJournalRecord(AppState& state);
// acInsert: a record from "Задн." to "Пер." before `before`; its index, or the refusal.
// The nets' references keep naming the same records.
Result<int32_t> InsertJournalRecord(AppState& state, int32_t before);
// The question acDeleteRec asks before CanDeleteJournalRecord's record goes.
inline constexpr const char* kDeleteRecordQuestion = "Удалить запись?";
// Whether acDeleteRec may act at all: the last remaining record is never deleted.
bool CanDeleteJournalRecord(const AppState& state);
// acDeleteRec after the user said Yes. References of the nets to the deleted record become 0.
Outcome DeleteJournalRecord(AppState& state, int32_t record);

// Whether switching to the technical (on) or the precise table would change
// any height difference: the window asks before such a switch.
bool TechModeSwitchChangesHeights(const AppState& state, bool on);
// Switches the table and recomputes every setup and record height by its formula.
void SetTechMode(AppState& state, bool on);

}  // namespace korvado
