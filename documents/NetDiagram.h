#pragma once
// «Схема сети»: what the diagram of a net shows, laid out and ready to draw
// by the window or to write as SVG: benchmarks, nodal and pendent points
// with names, sections with direction and (n, h), and the sections of the
// loops and lines over their tolerance marked; after least squares of the
// net, the section suspected of a blunder and the σ of the adjusted points.

#include <cstdint>
#include <string>
#include <vector>

#include "AppState.h"
#include "LoopCommands.h"
#include "NetLayout.h"

namespace korvado {

enum class DiagramPointKind { Benchmark, Nodal, Pendent };

struct DiagramPoint {
  std::string name;
  DiagramPointKind kind = DiagramPointKind::Nodal;
  LayoutPosition at;
  std::string tooltip;  // type and elevation, and σ after least squares
  std::string sigma;    // "σ = 0.05 мм" at an adjusted point after least squares, else empty
};

struct DiagramSection {
  int32_t index = 0;  // the section's index in the net
  int32_t from = 0;   // points of the diagram
  int32_t to = 0;
  int32_t parallel = 0;  // 0 for the first section between two points, 1, 2 ... for the next ones
  std::string label;     // "(n, h)"
  bool failing = false;  // on a loop or line over its tolerance
  bool suspect = false;  // least squares suspects it of a blunder
};

// A pendent point's spur: from a point on its section to the pendent point.
struct DiagramSpur {
  LayoutPosition from;
  int32_t pendent = 0;
};

// Where the points of a diagram lie, with a key of the graph they were laid
// out for. Heights, labels and marks change often (every adjustment) and
// never move a point, so a diagram redrawn for them takes its old places.
struct DiagramLayout {
  uint64_t graph = 0;
  std::vector<LayoutPosition> positions;
};

struct NetDiagram {
  std::string title;
  std::vector<DiagramPoint> points;
  std::vector<DiagramSection> sections;
  std::vector<DiagramSpur> spurs;
  double width = 0.0;
  double height = 0.0;
  bool leastSquares = false;  // drawn with a valid least-squares result of the net
  DiagramLayout layout;
};

// The line of a section as a cubic Bézier curve, the same for the window
// and for SVG: straight for the first section between two points, bowed to
// alternate sides for parallel ones, a small loop for a section that closes
// on its own point. `middle` and `angle` (radians, along the direction of
// the section) place the arrow and the label.
struct SectionCurve {
  LayoutPosition start, control1, control2, end, middle;
  double angle = 0.0;
};
SectionCurve CurveOf(const NetDiagram& diagram, const DiagramSection& section);

// Net `index` of the state's list, which must exist; the loops and lines are
// checked against the state's tolerance. The kept least-squares result marks
// the diagram only while it belongs to this net and the net is unchanged.
// A `reuse` layout of the same graph gives the points their places without
// laying the net out again.
NetDiagram BuildNetDiagram(const AppState& state, int32_t index, const DiagramLayout* reuse = nullptr,
                           const TaskProgress& progress = {});
// The same from the loops and lines of the net checked already and its valid
// least-squares result (null when there is none).
NetDiagram BuildNetDiagram(const TKorNet& net, const LoopsView& loops, const LeastSquaresResult* leastSquares,
                           const DiagramLayout* reuse = nullptr, const TaskProgress& progress = {});

}  // namespace korvado
