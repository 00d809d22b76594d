#include "FixedElevations.h"

#include "ModelErrors.h"
#include "NumberText.h"
#include "PointIndex.h"
#include "ValueRanges.h"

namespace korvado {

namespace {

struct PendingElevation {
  int32_t point;
  double elevation;
};

// Rows are counted from 1 as the dialog's grid numbers them below its header.
std::string RowPlace(size_t row, const AltitudeRow& cells) {
  return "Строка " + std::to_string(row + 1) + ", точка «" + cells.name + "»: ";
}

// What is wrong with the elevation of a row, empty when nothing is.
std::string ElevationFault(const AltitudeRow& cells, double& elevation) {
  try {
    elevation = ParseSaneValue(ValueKind::Height, cells.elevation);
  } catch (const ConversionError& error) {
    return std::string(error.what()) + ".";
  }
  return {};
}

}  // namespace

std::string OriginAltitudeTitle(const TKorNet& net) { return "Отметки жестких точек   " + net.Name; }

std::vector<AltitudeRow> FixedPointRows(const TKorNet& net) {
  std::vector<AltitudeRow> rows;
  for (int32_t k = 0; k < net.PointCount(); ++k)
    if (net.PointTypes.GetItem(k) == kFixedPoint)
      rows.push_back({net.PointNames[k], FormatGeneral(net.PointElevations.GetItem(k))});
  if (rows.empty()) rows.emplace_back();
  return rows;
}

Outcome ApplyFixedElevations(TKorNet& net, const std::vector<AltitudeRow>& rows) {
  std::vector<PendingElevation> pending;
  std::string problems;
  for (size_t r = 0; r < rows.size(); ++r) {
    const int32_t point = FindPoint(net, rows[r].name);
    if (point < 0) continue;
    double elevation = 0.0;
    if (const std::string fault = ElevationFault(rows[r], elevation); !fault.empty())
      problems += RowPlace(r, rows[r]) + fault + "\n";
    else
      pending.push_back({point, elevation});
  }
  if (!problems.empty())
    return Outcome::Refusal(problems + "Отметки не записаны: исправьте значения и повторите ввод.");
  for (const PendingElevation& item : pending) net.PointElevations.SetItem(item.point, item.elevation);
  return {};
}

}  // namespace korvado
