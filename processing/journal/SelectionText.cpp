#include "SelectionText.h"

#include "ControlChars.h"

namespace korvado {

std::string SelectedCellsText(const std::vector<std::vector<std::string>>& rows) {
  std::string text;
  for (size_t r = 0; r < rows.size(); ++r) {
    if (r > 0) text += "\r\n";
    for (size_t c = 0; c < rows[r].size(); ++c) {
      if (c > 0) text += '\t';
      // A TAB or line end inside a cell would move every cell after it.
      text += WithoutControlChars(rows[r][c]);
    }
  }
  return text;
}

}  // namespace korvado
