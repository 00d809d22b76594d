#pragma once
// Elevation rows as the table shows them, for comparing with expected text.

#include <ostream>
#include <string>
#include <vector>

#include "SectionElevationTable.h"

namespace korvado {

struct ShownRow {
  std::string name;
  std::string elevation;
  int32_t icon = kNoIcon;
  bool operator==(const ShownRow&) const = default;
  friend std::ostream& operator<<(std::ostream& out, const ShownRow& row) {
    return out << '{' << row.name << ", " << row.elevation << ", " << row.icon << '}';
  }
};

inline std::vector<ShownRow> Shown(const std::vector<ElevationRow>& rows) {
  std::vector<ShownRow> shown;
  for (const ElevationRow& row : rows) shown.push_back({ShownName(row), ShownElevation(row), row.icon});
  return shown;
}

}  // namespace korvado
