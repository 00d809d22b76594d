#include "FixedElevations.h"

#include <optional>

#include "ModelErrors.h"
#include "NumberText.h"
#include "PointIndex.h"

namespace korvado {

namespace {

struct PendingElevation {
  int32_t point;
  double elevation;
};

std::optional<double> ParsedElevation(const std::string& text) {
  try {
    return ParseDouble(text);
  } catch (const ConversionError&) {
    return std::nullopt;
  }
}

// Rows are counted from 1 as the dialog's grid numbers them below its header.
std::string BadRowLine(size_t row, const AltitudeRow& cells) {
  return "Строка " + std::to_string(row + 1) + ", точка «" + cells.name + "»: «" + cells.elevation +
         "» не является числом.";
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
    const std::optional<double> value = ParsedElevation(rows[r].elevation);
    if (value)
      pending.push_back({point, *value});
    else
      problems += BadRowLine(r, rows[r]) + "\n";
  }
  if (!problems.empty())
    return Outcome::Refusal(problems + "Отметки не записаны: исправьте значения и повторите ввод.");
  for (const PendingElevation& item : pending) net.PointElevations.SetItem(item.point, item.elevation);
  return {};
}

}  // namespace korvado
