#include "NetReport.h"

namespace korvado {

std::vector<ElevationRow> NetReport(const TKorNet& net) {
  const CaseTolerantIndex points(net.PointNames);
  std::vector<ElevationRow> rows;
  for (int32_t s = 0; s < net.SectionCount(); ++s) {
    std::vector<ElevationRow> section = SectionElevationTable(net, s, points);
    rows.insert(rows.end(), std::make_move_iterator(section.begin()), std::make_move_iterator(section.end()));
  }
  return rows;
}

}  // namespace korvado
