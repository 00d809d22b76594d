#pragma once
// The runs of the active section as the page's run list (DetSecListView) shows them.

#include <cstdint>
#include <string>
#include <vector>

#include "AppState.h"

namespace korvado {

struct SectionRunRow {
  int32_t BackIcon = 0;  // the point's type is its icon
  std::string BackPoint;
  std::string ForePoint;
  int32_t ForeIcon = 0;
  std::string SetupsText;  // general number format
  std::string HeightText;  // two decimals
};

// Empty when there is no current net or no active section.
std::vector<SectionRunRow> ActiveSectionRows(const AppState& state);

}  // namespace korvado
