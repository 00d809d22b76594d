#include "PointTable.h"

#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "ModelMessages.h"
#include "PointIndex.h"

namespace korvado {

namespace {

struct NewPoint {
  std::string name;
  int32_t type;
};

void AddPointOnce(std::vector<NewPoint>& points, std::unordered_set<std::string>& seen, const std::string& name,
                  int32_t type) {
  if (seen.insert(name).second) points.push_back({name, type});
}

}  // namespace

Outcome RebuildPoints(TKorNet& net) {
  if (net.SectionCount() == 0)
    return Outcome::Refusal("В сети «" + net.Name +
                            "» нет ни одного звена. Добавьте звенья в сеть, затем создайте нулевые отметки.");
  // The first section's ends go in unconditionally, even when they coincide.
  std::vector<NewPoint> points{{net.SectionStarts[0], net.SectionStartTypes.GetItem(0)},
                               {net.SectionEnds[0], net.SectionEndTypes.GetItem(0)}};
  std::unordered_set<std::string> seen{net.SectionStarts[0], net.SectionEnds[0]};
  for (int32_t s = 1; s < net.SectionCount(); ++s) {
    AddPointOnce(points, seen, net.SectionStarts[s], net.SectionStartTypes.GetItem(s));
    AddPointOnce(points, seen, net.SectionEnds[s], net.SectionEndTypes.GetItem(s));
  }
  // Counted before the old table goes, so that a net too large keeps its table whole.
  if (points.size() > static_cast<size_t>(kFormatCountLimit))
    return Outcome::Refusal("В сети «" + net.Name + "» " + std::to_string(points.size()) +
                            " точек, а файл вмещает не больше " + std::to_string(kFormatCountLimit) +
                            ". Разделите сеть на части; нулевые отметки не созданы.");
  std::unordered_map<std::string, double> benchmarks;
  for (int32_t p = 0; p < net.PointCount(); ++p)
    if (net.PointTypes.GetItem(p) == kFixedPoint) benchmarks.try_emplace(net.PointNames[p], net.PointElevations.GetItem(p));
  net.ClearPoints();
  for (const NewPoint& point : points) {
    const auto kept = point.type == kFixedPoint ? benchmarks.find(point.name) : benchmarks.end();
    net.AppendPoint({point.name, point.type, kept == benchmarks.end() ? 0.0 : kept->second});
  }
  return {};
}

bool SetPointElevation(TKorNet& net, const std::string& name, double elevation) {
  const int32_t point = FindPoint(net, name);
  if (point < 0) return false;
  net.PointElevations.SetItem(point, elevation);
  return true;
}

}  // namespace korvado
