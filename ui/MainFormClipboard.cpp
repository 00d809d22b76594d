// The main window's spreadsheet exchange through the clipboard.

#include "MainForm.h"

namespace korvado {

// Belongs to the spreadsheet exchange.
void TMainForm::acPasteDataFromClipbrdExcelExecute() {}

// Present but disabled: the copy's text function exists, the command stays off.
void TMainForm::acCopyDataToClipbrdExcelExecute() {}

}  // namespace korvado
