#pragma once
// The text a spreadsheet takes from the clipboard for a block of cells.

#include <string>
#include <vector>

namespace korvado {

// Rows top to bottom, cells left to right: a tab between the cells of a row,
// CR LF between rows, nothing after the last cell.
std::string SelectedCellsText(const std::vector<std::vector<std::string>>& rows);

}  // namespace korvado
