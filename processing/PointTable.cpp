#include "PointTable.h"

#include <unordered_set>

#include "PointIndex.h"

namespace korvado {

namespace {

void AddPointOnce(TKorNet& net, std::unordered_set<std::string>& seen, const std::string& name, int32_t type) {
  if (seen.insert(name).second) net.AddPoint(name, type, 0.0);
}

}  // namespace

Outcome RebuildPoints(TKorNet& net) {
  if (net.SectionCount() == 0)
    return Outcome::Refusal("В сети «" + net.Name +
                            "» нет ни одного звена. Добавьте звенья в сеть, затем создайте нулевые отметки.");
  net.ClearPoints();
  // The first section's ends go in unconditionally, even when they coincide.
  net.AddPoint(net.SectionStarts[0], net.SectionStartTypes.GetItem(0), 0.0);
  net.AddPoint(net.SectionEnds[0], net.SectionEndTypes.GetItem(0), 0.0);
  std::unordered_set<std::string> seen{net.SectionStarts[0], net.SectionEnds[0]};
  for (int32_t s = 1; s < net.SectionCount(); ++s) {
    AddPointOnce(net, seen, net.SectionStarts[s], net.SectionStartTypes.GetItem(s));
    AddPointOnce(net, seen, net.SectionEnds[s], net.SectionEndTypes.GetItem(s));
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
