#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <regex>

#include "DiagramSource.h"
#include "DiagramSvg.h"
#include "LeastSquaresCommands.h"
#include "NetDiagram.h"
#include "SeparatorScope.h"

namespace korvado {
namespace {

// Benchmarks A and C, nodal K and L: a triangle A-K-L closing to +0.25 over
// 6 setups (over k = 0.1 · √6), two parallel sections K-L, a section closing
// on L, a line A-C, and a pendent point P hung from an intermediate point X
// of section A-K.
AppState DiagramState() {
  AppState state;
  state.LoopTolerance = {ToleranceClass::Custom, 0.1};
  TKorNet& net = state.Nets.NetAt(*state.Nets.AddNet("Сеть <1> & 2"));
  EXPECT_TRUE(net.AddSection("A", "X", kFixedPoint, kIntermediatePoint, 0.50, 1, 1));
  EXPECT_TRUE(net.AppendRun(0, "K", kNodalPoint, 0.50, 1, 2));
  EXPECT_TRUE(net.SectionTables.TableAt(0).AddPendentRun(2, "X", "P", 1, 0.3, 3));
  EXPECT_TRUE(net.AddSection("K", "L", kNodalPoint, kNodalPoint, 2.00, 2, 4));
  EXPECT_TRUE(net.AddSection("L", "A", kNodalPoint, kFixedPoint, -2.75, 2, 5));
  EXPECT_TRUE(net.AddSection("L", "K", kNodalPoint, kNodalPoint, -2.00, 2, 6));
  EXPECT_TRUE(net.AddSection("L", "L", kNodalPoint, kNodalPoint, 0.00, 1, 7));
  EXPECT_TRUE(net.AddSection("A", "C", kFixedPoint, kFixedPoint, 0.50, 1, 8));
  for (const auto& [name, type, h] :
       {std::tuple{"A", kFixedPoint, 10.0}, {"K", kNodalPoint, 0.0}, {"L", kNodalPoint, 0.0}, {"C", kFixedPoint, 10.5}})
    EXPECT_TRUE(net.AddPoint(name, type, h));
  return state;
}

TEST(NetDiagram, PointsSectionsSpursAndFailingLoopsAreAllThere) {
  SeparatorScope separators('.', ",");
  const AppState state = DiagramState();
  const NetDiagram diagram = BuildNetDiagram(state, 0);
  std::vector<std::pair<std::string, DiagramPointKind>> points;
  for (const DiagramPoint& p : diagram.points) points.push_back({p.name, p.kind});
  EXPECT_EQ(points, (std::vector<std::pair<std::string, DiagramPointKind>>{{"A", DiagramPointKind::Benchmark},
                                                                           {"K", DiagramPointKind::Nodal},
                                                                           {"L", DiagramPointKind::Nodal},
                                                                           {"C", DiagramPointKind::Benchmark},
                                                                           {"P", DiagramPointKind::Pendent}}));
  EXPECT_EQ(diagram.points[0].tooltip, "A — репер, отметка 10.00");
  ASSERT_EQ(diagram.sections.size(), 6u);
  EXPECT_EQ(diagram.sections[0].label, "(2, 1.00)");
  EXPECT_EQ(diagram.sections[3].parallel, 1);  // L-K beside K-L
  // The triangle fails; the line A-C (0.00) and the parallel loop (0.00) pass.
  std::vector<bool> failing;
  for (const DiagramSection& s : diagram.sections) failing.push_back(s.failing);
  EXPECT_EQ(failing, (std::vector<bool>{true, true, true, false, false, false}));
  // The spur starts halfway along A-K, where X lies by setups.
  ASSERT_EQ(diagram.spurs.size(), 1u);
  const LayoutPosition a = diagram.points[0].at, k = diagram.points[1].at;
  EXPECT_NEAR(diagram.spurs[0].from.x, (a.x + k.x) / 2, 1e-9);
  EXPECT_NEAR(diagram.spurs[0].from.y, (a.y + k.y) / 2, 1e-9);
  // Points do not sit on one another.
  for (size_t i = 0; i < diagram.points.size(); ++i)
    for (size_t j = i + 1; j < diagram.points.size(); ++j)
      EXPECT_GT(
          std::hypot(diagram.points[i].at.x - diagram.points[j].at.x, diagram.points[i].at.y - diagram.points[j].at.y),
          5.0);
}

// Each spur starts at the point its pendent point hangs from: an end of the
// section, or a point inside it, from which the pendent point stands square off the line.
TEST(NetDiagram, APendentPointHangsFromThePointItWasLevelledFrom) {
  AppState state;
  TKorNet& net = state.Nets.NetAt(*state.Nets.AddNet("Сеть"));
  EXPECT_TRUE(net.AddSection("A", "X", kFixedPoint, kIntermediatePoint, 0.50, 1, 1));
  EXPECT_TRUE(net.AppendRun(0, "K", kNodalPoint, 0.50, 3, 2));  // X lies a quarter of the way by setups
  EXPECT_TRUE(net.AddSection("K", "B", kNodalPoint, kFixedPoint, 0.50, 2, 3));
  TKorNetDetailTable& first = net.SectionTables.TableAt(0);
  EXPECT_TRUE(first.AddPendentRun(2, "X", "P", 1, 0.3, 4));
  EXPECT_TRUE(first.AddPendentRun(2, "K", "Q", 1, 0.3, 5));
  EXPECT_TRUE(first.AddPendentRun(2, "A", "R", 1, 0.3, 6));
  const NetDiagram diagram = BuildNetDiagram(state, 0);
  const auto at = [&](const std::string& name) {
    for (const DiagramPoint& p : diagram.points)
      if (p.name == name) return p.at;
    ADD_FAILURE() << name;
    return LayoutPosition{};
  };
  const auto distance = [](LayoutPosition p, LayoutPosition q) { return std::hypot(p.x - q.x, p.y - q.y); };
  const LayoutPosition a = at("A"), k = at("K"), b = at("B");
  ASSERT_EQ(diagram.spurs.size(), 3u);
  const LayoutPosition x = diagram.spurs[0].from;
  EXPECT_NEAR(x.x, a.x + 0.25 * (k.x - a.x), 1e-9);
  EXPECT_NEAR(x.y, a.y + 0.25 * (k.y - a.y), 1e-9);
  EXPECT_EQ(diagram.spurs[1].from, k);
  EXPECT_EQ(diagram.spurs[2].from, a);

  const LayoutPosition p = at("P");
  const double along = ((p.x - x.x) * (k.x - a.x) + (p.y - x.y) * (k.y - a.y)) / distance(a, k);
  EXPECT_NEAR(along, 0.0, 1e-6) << "square off the line";
  EXPECT_GT(distance(p, x), 10.0);
  EXPECT_LT(distance(p, x), std::min(distance(p, a), distance(p, k)));
  // The others lie nearer the end they hang from than any other point of the net.
  for (const auto& [pendent, end] : {std::pair{"Q", k}, {"R", a}}) {
    const double own = distance(at(pendent), end);
    for (const LayoutPosition other : {a, k, b}) {
      if (!(other == end)) {
        EXPECT_LT(own, distance(at(pendent), other)) << pendent;
      }
    }
  }
  for (const DiagramPoint& point : diagram.points) {
    EXPECT_GE(point.at.x, 0.0);
    EXPECT_GE(point.at.y, 0.0);
    EXPECT_LE(point.at.x, diagram.width);
    EXPECT_LE(point.at.y, diagram.height);
  }
}

TEST(NetDiagram, TheSameNetAlwaysGetsTheSameLayout) {
  const AppState state = DiagramState();
  const NetDiagram first = BuildNetDiagram(state, 0);
  for (int run = 0; run < 3; ++run) {
    const NetDiagram again = BuildNetDiagram(state, 0);
    for (size_t p = 0; p < first.points.size(); ++p) EXPECT_EQ(again.points[p].at, first.points[p].at) << p;
  }
  // A larger net goes through the other engine; it is just as repeatable.
  std::vector<std::pair<int32_t, int32_t>> edges;
  for (int32_t v = 1; v < 400; ++v) edges.push_back({v - 1, v}), edges.push_back({v, (v * 7) % v});
  EXPECT_EQ(LayOutGraph(400, edges), LayOutGraph(400, edges));
}

TEST(NetDiagram, SvgHasEveryNameAndOnePathPerSection) {
  SeparatorScope separators(',', " ");
  const AppState state = DiagramState();
  const std::string svg = DiagramSvg(BuildNetDiagram(state, 0));
  const auto count = [&](const std::string& pattern) {
    const std::regex expression(pattern);
    return std::distance(std::sregex_iterator(svg.begin(), svg.end(), expression), std::sregex_iterator());
  };
  EXPECT_EQ(count("<path "), 6);
  EXPECT_EQ(count("<path class=\"section failing\""), 3);
  EXPECT_EQ(count("<polygon class=\"benchmark\""), 2);
  EXPECT_EQ(count("<circle class=\"nodal\""), 2);
  EXPECT_EQ(count("<circle class=\"pendent\""), 1);
  EXPECT_EQ(count("<line class=\"spur\""), 1);
  for (const char* name : {">A<", ">K<", ">L<", ">C<", ">P<"}) EXPECT_NE(svg.find(name), std::string::npos) << name;
  EXPECT_NE(svg.find("<title>Сеть &lt;1&gt; &amp; 2</title>"), std::string::npos);
  EXPECT_NE(svg.find(">(2, 1,00)<"), std::string::npos) << "labels follow the decimal separator";
  EXPECT_EQ(count("[0-9],[0-9]+,[0-9]"), 0) << "coordinates keep the point";
  EXPECT_EQ(svg.substr(svg.size() - 7), "</svg>\n");
}

// Least squares marks the diagram of its own net while that net is unchanged:
// exactly the sections its w-test suspects (0.25 is noise at 0.5 per setup, a
// blunder at 0.01), the σ of the accuracy view at the adjusted points only;
// SVG draws the suspect thicker than a failing section, σ as title and label.
TEST(NetDiagram, LeastSquaresMarksOnlyItsOwnUnchangedNet) {
  SeparatorScope separators(',', " ");
  AppState state = DiagramState();
  state.CurrentNetIndex = 0;
  EXPECT_TRUE(state.Nets.NetAt(*state.Nets.AddNet("Другая")).AddSection("A", "C", kFixedPoint, kFixedPoint, 0.5, 1, 1));
  const auto marks = [&](int32_t net) {
    const NetDiagram diagram = BuildNetDiagram(state, net);
    std::vector<bool> flags;
    std::string sigmas;
    for (const DiagramSection& s : diagram.sections) flags.push_back(s.suspect);
    for (const DiagramPoint& p : diagram.points) sigmas += p.name + ":" + p.sigma + ";";
    return std::tuple{diagram.leastSquares, flags, sigmas, DiagramSvg(diagram)};
  };
  for (const auto& [sigmaPerSetup, suspects] : {std::pair{0.5, 0}, {0.01, 1}}) {
    state.SigmaPerSetup = sigmaPerSetup;
    ASSERT_TRUE(AdjustCurrentNetByLeastSquares(state));
    const auto [valid, flags, sigmas, svg] = marks(0);
    EXPECT_TRUE(valid);
    std::vector<bool> expected;
    for (const LeastSquaresSection& s : state.LastLeastSquares->result.sections) expected.push_back(s.suspect);
    EXPECT_EQ(flags, expected);
    EXPECT_EQ(std::count(flags.begin(), flags.end(), true), suspects);
    const AccuracyTables tables = CurrentAccuracyTables(state);
    EXPECT_EQ(sigmas, "A:;K:σ = " + tables.points[1][3] + " мм;L:σ = " + tables.points[2][3] + " мм;C:;P:;");
    const auto [otherValid, otherFlags, otherSigmas, otherSvg] = marks(1);
    EXPECT_EQ(std::tuple(otherValid, otherFlags, otherSigmas), std::tuple(false, std::vector<bool>{false}, "A:;C:;"));
    const auto count = [&](const std::string& pattern) {
      const std::regex expression(pattern);
      return std::distance(std::sregex_iterator(svg.begin(), svg.end(), expression), std::sregex_iterator());
    };
    EXPECT_EQ(count("<path class=\"section failing suspect\" [^>]*><title>возможна грубая ошибка</title></path>"),
              suspects);
    EXPECT_EQ(count("<circle class=\"nodal\"[^>]*><title>[KL] — узловая точка, отметка [0-9,]+, σ = [0-9]+,[0-9]{2} "
                    "мм</title>"),
              2);
    EXPECT_EQ(count("<text class=\"sigma\"[^>]*>σ = [0-9]+,[0-9]{2} мм</text>"), 2);
    std::smatch failing, suspect;
    ASSERT_TRUE(std::regex_search(svg, failing, std::regex("\\.failing\\{[^}]*stroke-width:([0-9.]+)")));
    ASSERT_TRUE(std::regex_search(svg, suspect, std::regex("\\.suspect\\{[^}]*stroke-width:([0-9.]+)")));
    EXPECT_GT(std::stod(suspect[1]), 1.5 * std::stod(failing[1]));
  }
  state.Nets.NetAt(0).SectionHeights.SetItem(1, 2.01);
  const auto [valid, flags, sigmas, svg] = marks(0);
  EXPECT_FALSE(valid);
  EXPECT_EQ(flags, std::vector<bool>(6, false));
  EXPECT_EQ(sigmas, "A:;K:;L:;C:;P:;");
}

// Heights change with every adjustment and never move a point: a diagram
// redrawn for them takes the places it is given for the same graph; a new
// section makes a new graph, laid out afresh.
TEST(NetDiagram, NewHeightsKeepThePlacesAndANewSectionLaysTheNetOutAgain) {
  SeparatorScope separators('.', ",");
  AppState state = DiagramState();
  const NetDiagram first = BuildNetDiagram(state, 0);
  DiagramLayout given = first.layout;
  for (LayoutPosition& p : given.positions) p.x += 1000.0;
  TKorNet& net = state.Nets.NetAt(0);
  net.SectionHeights.SetItem(1, 2.5);
  net.PointElevations.SetItem(1, 12.0);
  const NetDiagram redrawn = BuildNetDiagram(state, 0, &given);
  EXPECT_EQ(redrawn.layout.graph, first.layout.graph);
  // The same picture at the places given: every point where it was against the first one, the
  // pendent point hung from its own point as before.
  const auto against = [](const NetDiagram& d, LayoutPosition p) {
    return LayoutPosition{p.x - d.points[0].at.x, p.y - d.points[0].at.y};
  };
  for (size_t p = 0; p < redrawn.points.size(); ++p) {
    EXPECT_NEAR(against(redrawn, redrawn.points[p].at).x, against(first, first.points[p].at).x, 1e-9) << p;
    EXPECT_NEAR(against(redrawn, redrawn.points[p].at).y, against(first, first.points[p].at).y, 1e-9) << p;
  }
  EXPECT_EQ(redrawn.points[0].at.x, given.positions[0].x) << "the places given, not laid out again";
  EXPECT_EQ(redrawn.sections[1].label, "(2, 2.50)");
  EXPECT_EQ(redrawn.points[1].tooltip, "K — узловая точка, отметка 12.00");
  EXPECT_NEAR(against(redrawn, redrawn.spurs[0].from).x, against(first, first.spurs[0].from).x, 1e-9);

  EXPECT_TRUE(net.AddSection("K", "C", kNodalPoint, kFixedPoint, 0.1, 1, 9));
  const NetDiagram grown = BuildNetDiagram(state, 0, &given);
  EXPECT_NE(grown.layout.graph, first.layout.graph);
  EXPECT_EQ(grown.layout.positions, BuildNetDiagram(state, 0).layout.positions);
}

// A diagram laid out on another thread from a copy is dropped when the data
// changed meanwhile: the stamp must follow everything the diagram shows.
TEST(DiagramSource, StampFollowsEverythingTheDiagramShows) {
  const std::vector<std::pair<const char*, std::function<void(AppState&)>>> changes = {
      {"section height", [](AppState& s) { s.Nets.NetAt(0).SectionHeights.SetItem(1, 2.01); }},
      {"elevation", [](AppState& s) { s.Nets.NetAt(0).PointElevations.SetItem(0, 10.01); }},
      {"point type", [](AppState& s) { s.Nets.NetAt(0).PointTypes.SetItem(1, kFixedPoint); }},
      {"new section", [](AppState& s) { EXPECT_TRUE(s.Nets.NetAt(0).AddSection("K", "C", 1, 0, 0.1, 1, 9)); }},
      {"pendent point",
       [](AppState& s) {
         EXPECT_TRUE(s.Nets.NetAt(0).SectionTables.TableAt(1).AddPendentRun(2, "K", "Q", 1, 0.2, 10));
       }},
      {"run", [](AppState& s) { s.Nets.NetAt(0).SectionTables.TableAt(0).RunSetups.SetItem(0, 3); }},
      {"net name", [](AppState& s) { s.Nets.NetAt(0).Name = "Другая"; }},
      {"tolerance",
       [](AppState& s) {
         s.LoopTolerance = {ToleranceClass::Custom, 0.2};
       }},
      {"a-priori σ", [](AppState& s) { s.SigmaPerSetup = 0.7; }},
  };
  const AppState original = DiagramState();
  const uint64_t stamp = DiagramStamp(original, 0);
  EXPECT_EQ(DiagramStamp(DiagramState(), 0), stamp);
  for (const auto& [what, change] : changes) {
    AppState changed = DiagramState();
    change(changed);
    EXPECT_NE(DiagramStamp(changed, 0), stamp) << what;
  }
  const DiagramSource source = CopyDiagramSource(original, 0);
  EXPECT_EQ(source.stamp, stamp);
  const NetDiagram fromCopy = BuildNetDiagram(source);
  const NetDiagram fromState = BuildNetDiagram(original, 0);
  EXPECT_EQ(fromCopy.layout.positions, fromState.layout.positions);
  ASSERT_EQ(fromCopy.sections.size(), fromState.sections.size());
  for (size_t s = 0; s < fromCopy.sections.size(); ++s)
    EXPECT_EQ(fromCopy.sections[s].failing, fromState.sections[s].failing);
}

}  // namespace
}  // namespace korvado
