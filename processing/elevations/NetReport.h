#pragma once
// The whole net's elevations: the tables of all its sections one below the
// other, in section order. A junction point appears twice, as the last row of
// one section and the first of the next, as a surveyor checks it.

#include <vector>

#include "KorNets.h"
#include "SectionElevationTable.h"

namespace korvado {

// Built from the net itself, so it always matches the net's current sections.
std::vector<ElevationRow> NetReport(const TKorNet& net);

}  // namespace korvado
