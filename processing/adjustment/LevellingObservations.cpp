#include "LevellingObservations.h"

#include <cmath>

#include "NumberText.h"
#include "SectionCaption.h"

namespace korvado {

int32_t LevellingNetwork::Find(const std::string& name) const {
  const auto found = numbers.find(name);
  return found == numbers.end() ? -1 : found->second;
}

PointRole RoleOfPointType(int32_t type) {
  if (type == kFixedPoint) return PointRole::kFixed;
  return type == kNodalPoint ? PointRole::kNodal : PointRole::kIntermediate;
}

namespace {

class LevellingNetworkBuilder {
 public:
  int32_t Point(const std::string& name, PointRole role) {
    const auto [found, added] = network_.numbers.emplace(name, network_.PointCount());
    if (added) {
      network_.names.push_back(name);
      network_.roles.push_back(role);
    }
    return found->second;
  }
  void Observe(int32_t from, int32_t to, double height, double setups) {
    network_.observations.push_back({from, to, height, setups});
  }
  LevellingNetwork Finish() { return std::move(network_); }

 private:
  LevellingNetwork network_;
};

bool Usable(double height, double setups) { return std::isfinite(height) && std::isfinite(setups) && setups > 0.0; }

std::string BadRunRefusal(const TKorNet& net, int32_t s, const std::string& what, double setups) {
  return "Звено " + SectionCaption(net, s) + ", " + what + ": число штативов " + FormatGeneral(setups) +
         " или превышение не являются допустимыми числами. Исправьте звено и повторите уравнивание.";
}

// The chain start → fore of each run → end: the last run closes on the
// section's end whatever its fore point is called, so that the chain observes
// exactly what the section does.
Outcome AddSectionRuns(const TKorNet& net, int32_t s, LevellingNetworkBuilder& builder) {
  const TKorNetDetailTable& table = net.SectionTables.TableAt(s);
  int32_t from = builder.Point(net.SectionStarts[s], RoleOfPointType(net.SectionStartTypes.GetItem(s)));
  const int32_t end = builder.Point(net.SectionEnds[s], RoleOfPointType(net.SectionEndTypes.GetItem(s)));
  if (table.RunCount() == 0) {
    const double height = net.SectionHeights.GetItem(s);
    const double setups = net.SectionSetups.GetItem(s);
    if (!Usable(height, setups)) return Outcome::Refusal(BadRunRefusal(net, s, "итог звена", setups));
    builder.Observe(from, end, height, setups);
    return {};
  }
  for (int32_t j = 0; j < table.RunCount(); ++j) {
    const double height = table.RunHeights.GetItem(j);
    const double setups = table.RunSetups.GetItem(j);
    if (!Usable(height, setups))
      return Outcome::Refusal(BadRunRefusal(net, s, "штатив " + std::to_string(j + 1), setups));
    const bool last = j + 1 == table.RunCount();
    const int32_t to = last ? end : builder.Point(table.RunForePoints[j], PointRole::kIntermediate);
    builder.Observe(from, to, height, setups);
    from = to;
  }
  return {};
}

Outcome AddPendentRuns(const TKorNet& net, int32_t s, LevellingNetworkBuilder& builder) {
  const TKorNetDetailTable& table = net.SectionTables.TableAt(s);
  for (int32_t j = 0; j < table.PendentCount(); ++j) {
    const double height = table.PendentHeights.GetItem(j);
    const double setups = table.PendentSetups.GetItem(j);
    if (!Usable(height, setups))
      return Outcome::Refusal(BadRunRefusal(net, s, "висячая точка «" + table.PendentForePoints[j] + "»", setups));
    const int32_t from = builder.Point(table.PendentBackPoints[j], PointRole::kIntermediate);
    builder.Observe(from, builder.Point(table.PendentForePoints[j], PointRole::kPendent), height, setups);
  }
  return {};
}

}  // namespace

Result<LevellingNetwork> NetObservations(const TKorNet& net) {
  LevellingNetworkBuilder builder;
  for (int32_t p = 0; p < net.PointCount(); ++p)
    builder.Point(net.PointNames[p], RoleOfPointType(net.PointTypes.GetItem(p)));
  for (int32_t s = 0; s < net.SectionCount(); ++s)
    if (Outcome refusal = AddSectionRuns(net, s, builder); refusal.Refused()) return refusal;
  // Pendent points hang off points of any section, so they come after all of them.
  for (int32_t s = 0; s < net.SectionCount(); ++s)
    if (Outcome refusal = AddPendentRuns(net, s, builder); refusal.Refused()) return refusal;
  return builder.Finish();
}

}  // namespace korvado
