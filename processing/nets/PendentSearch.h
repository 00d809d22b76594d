#pragma once
// The search for spur runs to a pendent point: the journal runs that join the
// pendent point to a point already listed for the section.

#include <cstdint>
#include <string>
#include <vector>

#include "KorData.h"

namespace korvado {

// The two point cells of one listed row of a section, with their icons.
struct ListedRunEnds {
  std::string BackPoint;
  int32_t BackIcon = 0;
  std::string ForePoint;
  int32_t ForeIcon = 0;
};

// One run found, read from the section's point towards the pendent point.
struct PendentRow {
  std::string Point;  // the section's point
  int32_t Icon = 0;   // the icon that point has in the section's list: its type
  std::string SetupsText;
  std::string HeightText;  // general number format
  std::string Note;
  int32_t Ref = 0;  // +e when record e runs from the section's point to the pendent point
};

// Journal order, at most one row per record; records whose other end is not
// listed are left out. The listed rows are scanned in order, back cell before
// fore cell, and the first match gives the icon.
std::vector<PendentRow> SearchPendentRuns(const TKorData& journal, const std::string& pendentPoint,
                                          const std::vector<ListedRunEnds>& listed);

}  // namespace korvado
