#pragma once
// The spreadsheet exchange through the clipboard, without the clipboard: the
// window reads or writes the clipboard's text and calls these.

#include <cstdint>
#include <string>

#include "AppState.h"

namespace korvado {

struct ClipboardPasteResult {
  // Records inserted; 0 when the text held none or the paste was refused.
  int32_t Pasted = 0;
  // The record the main grid's current row shows afterwards: the last pasted
  // one, or the one that was current when nothing was pasted.
  int32_t CurrentRecord = -1;
};

// Inserts the records of the text before currentRecord, in the text's order,
// with all four readings on each record's first setup. All or nothing: a bad
// cell, a name the data file cannot hold or a journal that would outgrow the
// data file refuses the paste and nothing is inserted.
Result<ClipboardPasteResult> PasteJournalFromClipboardText(AppState& state, const std::string& text,
                                                           int32_t currentRecord);

// The text that acCopyDataToClipbrdExcel puts on the clipboard for the records
// firstRecord..lastRecord (the rows of the main grid's selection, less one).
std::string JournalCopyText(const AppState& state, int32_t firstRecord, int32_t lastRecord);

}  // namespace korvado
