#pragma once
// Journal records exchanged with a spreadsheet as clipboard text: TAB between
// cells, three lines per record. The paste reads
//   back point | back main reading | back additional reading
//   fore point | fore main reading | fore additional reading
//   any text   | number of setups
// and the copy writes the readings as formulas the sheet evaluates.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "KorData.h"
#include "Outcome.h"

namespace korvado {

// The first three cells of each line; a line with fewer has empty cells.
using ClipboardRow = std::vector<std::string>;

// Splits the text at TAB, CR LF and a lone LF; a CR not followed by LF stays
// in its cell. Stops at the first line whose first cell is empty.
std::vector<ClipboardRow> SplitClipboardTable(const std::string& text);

struct ClipboardJournalRecord {
  std::string BackPoint;
  std::string ForePoint;
  uint16_t SetupCount = 1;
  double BackMainReading = 0.0;
  double ForeMainReading = 0.0;
  double BackAuxReading = 0.0;
  double ForeAuxReading = 0.0;
};

// Every whole group of three lines as a record; one or two lines left over are
// ignored. Everything is converted before anything is returned: a cell that is
// not a number, or a name the data file cannot hold, refuses the whole text,
// naming the line and the cell. A setup count is rounded half to even and 0
// taken as 1; point names are cut to what the data file holds.
Result<std::vector<ClipboardJournalRecord>> ParseClipboardJournal(const std::string& text);

// The text the main grid shows in a column (0 back, 1 fore, 2 setups, 3 height
// difference) of a record's row: the copy repeats what the surveyor sees.
using MainGridTextFn = std::function<std::string(int32_t record, int column)>;

// The records first..last (inclusive) as three lines each, CR LF between lines
// and none after the last.
std::string JournalClipboardText(const TKorData& journal, int32_t firstRecord, int32_t lastRecord,
                                 const MainGridTextFn& shown);

// "=" and the readings of all setups of one record joined by "+".
std::string ReadingFormula(const TDoubleList& readings, int32_t firstSetup, int32_t lastSetup);

}  // namespace korvado
