#include "NetDiagram.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <unordered_map>

#include "Fnv1a.h"
#include "LeastSquaresCommands.h"
#include "LoopCommands.h"
#include "NumberText.h"
#include "PointIndex.h"

namespace korvado {

namespace {

std::string Tooltip(const TKorNet& net, const std::string& name, DiagramPointKind kind, int32_t row) {
  const char* what = kind == DiagramPointKind::Benchmark ? "репер"
                     : kind == DiagramPointKind::Nodal   ? "узловая точка"
                                                         : "висячая точка";
  std::string text = name + " — " + what;
  if (row >= 0) text += ", отметка " + FormatFixed(2, net.PointElevations.GetItem(row));
  return text;
}

// Where along its section a spur starts: at the share of the section's setups
// up to its back point, so a spur from an intermediate point sits between the ends.
double ShareAlong(const TKorNetDetailTable& table, const std::string& back) {
  double setups = 0.0;
  double total = 0.0;
  bool found = false;
  for (int32_t r = 0; r < table.RunCount(); ++r) total += table.RunSetups.GetItem(r);
  if (table.RunCount() > 0 && table.RunBackPoints[0] == back) return 0.0;
  for (int32_t r = 0; r < table.RunCount() && !found; ++r) {
    setups += table.RunSetups.GetItem(r);
    found = table.RunForePoints[r] == back;
  }
  return found && total > 0 ? setups / total : 0.0;
}

class DiagramBuilder {
 public:
  explicit DiagramBuilder(const TKorNet& net) : net_(net), table_(BuildPointIndex(net.PointNames)) {}

  int32_t Point(const std::string& name, int32_t sectionType, bool pendent) {
    const auto [it, added] = ids_.emplace(name, static_cast<int32_t>(diagram.points.size()));
    if (!added) return it->second;
    const int32_t row = FindInIndex(table_, name);
    const int32_t type = row >= 0 ? net_.PointTypes.GetItem(row) : sectionType;
    const DiagramPointKind kind = pendent               ? DiagramPointKind::Pendent
                                  : type == kFixedPoint ? DiagramPointKind::Benchmark
                                                        : DiagramPointKind::Nodal;
    diagram.points.push_back({name, kind, {}, Tooltip(net_, name, kind, row), {}});
    rows.push_back(row);
    return it->second;
  }

  NetDiagram diagram;
  // Per point of the diagram, its row in the net's point table; -1 when it has none.
  std::vector<int32_t> rows;

 private:
  const TKorNet& net_;
  PointIndex table_;
  std::unordered_map<std::string, int32_t> ids_;
};

// The σ of the points least squares adjusted (a benchmark's is 0 by
// definition) and the section its w-test suspects.
void MarkLeastSquares(NetDiagram& diagram, const std::vector<int32_t>& rows, const LeastSquaresResult& result) {
  diagram.leastSquares = true;
  for (DiagramSection& section : diagram.sections)
    section.suspect = result.sections[static_cast<size_t>(section.index)].suspect;
  for (size_t p = 0; p < diagram.points.size(); ++p) {
    DiagramPoint& point = diagram.points[p];
    const int32_t row = point.kind == DiagramPointKind::Pendent ? -1 : rows[p];
    if (row < 0 || !result.unknown[static_cast<size_t>(row)] || !result.sigmas[static_cast<size_t>(row)]) continue;
    point.sigma = "σ = " + FormatFixed(2, *result.sigmas[static_cast<size_t>(row)]) + " мм";
    point.tooltip += ", " + point.sigma;
  }
}

// Changes with the number of points and with every join between them.
uint64_t GraphKey(size_t points, const std::vector<std::pair<int32_t, int32_t>>& edges) {
  Fnv1a hash;
  hash.AddNumber(points);
  for (const auto& [a, b] : edges)
    hash.AddNumber(static_cast<uint64_t>(static_cast<uint32_t>(a)) << 32 | static_cast<uint32_t>(b));
  return hash.Value();
}

LayoutPosition Along(LayoutPosition a, LayoutPosition b, double t) {
  return {a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)};
}

LayoutPosition OnCurve(const SectionCurve& c, double t) {
  const double u = 1.0 - t;
  const double k0 = u * u * u, k1 = 3 * u * u * t, k2 = 3 * u * t * t, k3 = t * t * t;
  return {k0 * c.start.x + k1 * c.control1.x + k2 * c.control2.x + k3 * c.end.x,
          k0 * c.start.y + k1 * c.control1.y + k2 * c.control2.y + k3 * c.end.y};
}

// A pendent run of a section, the share of the section's setups up to the point it hangs from.
struct Spur {
  int32_t section;
  double share;
  int32_t pendent;
};

// The spur is drawn from the point the pendent point hangs from. An end of
// the section is on the diagram, and the layout placed the pendent point
// beside it. A point inside the section lies on its line, by setups; the
// pendent point goes square off the line from there, as far and to the side
// the layout put it from the nearer end.
void HangSpur(NetDiagram& diagram, const Spur& spur) {
  const DiagramSection& section = diagram.sections[static_cast<size_t>(spur.section)];
  const SectionCurve curve = CurveOf(diagram, section);
  const LayoutPosition from = OnCurve(curve, spur.share);
  diagram.spurs.push_back({from, spur.pendent});
  const double dx = curve.end.x - curve.start.x, dy = curve.end.y - curve.start.y;
  const double length = std::hypot(dx, dy);
  if (spur.share <= 0.0 || spur.share >= 1.0 || length <= 0.0) return;
  LayoutPosition& pendent = diagram.points[static_cast<size_t>(spur.pendent)].at;
  const LayoutPosition anchor = spur.share < 0.5 ? curve.start : curve.end;
  const double ox = pendent.x - anchor.x, oy = pendent.y - anchor.y;
  const double side = dx * oy - dy * ox < 0 ? -1.0 : 1.0;
  const double reach = std::max(std::hypot(ox, oy), 0.25 * length);
  pendent = {from.x - dy / length * reach * side, from.y + dx / length * reach * side};
}

// The drawing starts at 0, 0 again after the pendent points moved; its size follows.
void FitToOrigin(NetDiagram& diagram) {
  double left = 0.0, top = 0.0;
  for (const DiagramPoint& point : diagram.points) left = std::min(left, point.at.x), top = std::min(top, point.at.y);
  for (DiagramPoint& point : diagram.points) point.at = {point.at.x - left, point.at.y - top};
  for (DiagramSpur& spur : diagram.spurs) spur.from = {spur.from.x - left, spur.from.y - top};
  for (const DiagramPoint& point : diagram.points) {
    diagram.width = std::max(diagram.width, point.at.x);
    diagram.height = std::max(diagram.height, point.at.y);
  }
}

}  // namespace

SectionCurve CurveOf(const NetDiagram& diagram, const DiagramSection& section) {
  const LayoutPosition a = diagram.points[static_cast<size_t>(section.from)].at;
  const LayoutPosition b = diagram.points[static_cast<size_t>(section.to)].at;
  SectionCurve curve{a, a, b, b, Along(a, b, 0.5), std::atan2(b.y - a.y, b.x - a.x)};
  if (section.from == section.to) {
    const double size = 30.0 + 12.0 * section.parallel;
    curve.control1 = {a.x - size, a.y - 1.6 * size};
    curve.control2 = {a.x + size, a.y - 1.6 * size};
    curve.middle = {a.x, a.y - 1.2 * size};
    curve.angle = 0.0;
    return curve;
  }
  const double length = std::hypot(b.x - a.x, b.y - a.y);
  if (section.parallel > 0 && length > 0) {
    // Bowed to one side, then the other, further each pair; the normal is taken
    // from the lower-numbered point so that both directions bow alike.
    const int32_t rank = (section.parallel + 1) / 2;
    const double side = (section.parallel % 2 ? 1.0 : -1.0) * (section.from < section.to ? 1.0 : -1.0);
    const double bow = side * 0.25 * length * rank;
    const LayoutPosition normal{-(b.y - a.y) / length * bow, (b.x - a.x) / length * bow};
    curve.control1 = {a.x + (b.x - a.x) / 3 + normal.x, a.y + (b.y - a.y) / 3 + normal.y};
    curve.control2 = {a.x + 2 * (b.x - a.x) / 3 + normal.x, a.y + 2 * (b.y - a.y) / 3 + normal.y};
    curve.middle = {curve.middle.x + 0.75 * normal.x, curve.middle.y + 0.75 * normal.y};
  } else {
    curve.control1 = Along(a, b, 1.0 / 3);
    curve.control2 = Along(a, b, 2.0 / 3);
  }
  return curve;
}

NetDiagram BuildNetDiagram(const AppState& state, int32_t index, const DiagramLayout* reuse,
                           const TaskProgress& progress) {
  const TKorNet& net = state.Nets.NetAt(index);
  return BuildNetDiagram(net, NetLoops(net, index, state.LoopTolerance), KeptLeastSquares(state, index), reuse,
                         progress);
}

NetDiagram BuildNetDiagram(const TKorNet& net, const LoopsView& loops, const LeastSquaresResult* leastSquares,
                           const DiagramLayout* reuse, const TaskProgress& progress) {
  DiagramBuilder builder(net);
  NetDiagram& diagram = builder.diagram;
  diagram.title = net.Name;
  std::vector<std::pair<int32_t, int32_t>> edges;
  std::map<std::pair<int32_t, int32_t>, int32_t> between;
  for (int32_t s = 0; s < net.SectionCount(); ++s) {
    const int32_t from = builder.Point(net.SectionStarts[s], net.SectionStartTypes.GetItem(s), false);
    const int32_t to = builder.Point(net.SectionEnds[s], net.SectionEndTypes.GetItem(s), false);
    const int32_t parallel = between[{std::min(from, to), std::max(from, to)}]++;
    diagram.sections.push_back(
        {s, from, to, parallel,
         "(" + FormatGeneral(net.SectionSetups.GetItem(s)) + ", " + FormatFixed(2, net.SectionHeights.GetItem(s)) + ")",
         false, false});
    edges.push_back({from, to});
  }
  // A spur is laid out from the end of its section nearer to the point it hangs from.
  std::vector<Spur> spurs;
  for (int32_t s = 0; s < net.SectionCount(); ++s) {
    const TKorNetDetailTable& table = net.SectionTables.TableAt(s);
    const DiagramSection& section = diagram.sections[static_cast<size_t>(s)];
    for (int32_t p = 0; p < table.PendentCount(); ++p) {
      const int32_t pendent = builder.Point(table.PendentForePoints[p], kIntermediatePoint, true);
      const double share = ShareAlong(table, table.PendentBackPoints[p]);
      spurs.push_back({s, share, pendent});
      edges.push_back({share < 0.5 ? section.from : section.to, pendent});
    }
  }
  diagram.layout.graph = GraphKey(diagram.points.size(), edges);
  if (reuse && reuse->graph == diagram.layout.graph)
    diagram.layout.positions = reuse->positions;
  else
    diagram.layout.positions = LayOutGraph(diagram.points.size(), edges, kLayoutEdgeLength, progress);
  const std::vector<LayoutPosition>& at = diagram.layout.positions;
  for (size_t p = 0; p < at.size(); ++p) diagram.points[p].at = at[p];
  for (const Spur& spur : spurs) HangSpur(diagram, spur);
  FitToOrigin(diagram);
  for (size_t k = 0; k < loops.closures.size(); ++k)
    if (!loops.passed[k])
      for (const SectionStep& step : loops.closures[k].sections)
        diagram.sections[static_cast<size_t>(step.index)].failing = true;
  if (leastSquares) MarkLeastSquares(diagram, builder.rows, *leastSquares);
  return diagram;
}

}  // namespace korvado
