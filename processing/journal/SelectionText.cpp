#include "SelectionText.h"

namespace korvado {

std::string SelectedCellsText(const std::vector<std::vector<std::string>>& rows) {
  std::string text;
  for (size_t r = 0; r < rows.size(); ++r) {
    if (r > 0) text += "\r\n";
    for (size_t c = 0; c < rows[r].size(); ++c) {
      if (c > 0) text += '\t';
      text += rows[r][c];
    }
  }
  return text;
}

}  // namespace korvado
