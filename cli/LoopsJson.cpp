#include "LoopsJson.h"

#include <cmath>

namespace korvado::cli {

namespace {

// Sums of height differences in hundredths carry binary noise in the last
// digits; micrometres of a millimetre are far below any tolerance.
double Micro(double x) { return std::round(x * 1e6) / 1e6; }

}  // namespace

nlohmann::ordered_json LoopsJson(const LoopsView& view) {
  using Json = nlohmann::ordered_json;
  Json loops = Json::array();
  for (size_t k = 0; k < view.closures.size(); ++k) {
    const Closure& closure = view.closures[k];
    Json sections = Json::array();
    for (const SectionStep& step : closure.sections)
      sections.push_back({{"index", step.index}, {"forward", step.forward}});
    loops.push_back({{"kind", closure.kind == ClosureKind::Loop ? "loop" : "line"},
                     {"points", closure.points},
                     {"sections", sections},
                     {"setups", Micro(closure.setups)},
                     {"misclosure", Micro(closure.misclosure)},
                     {"allowed", Micro(AllowedMisclosure(view.coefficient, closure.setups))},
                     {"passed", static_cast<bool>(view.passed[k])}});
  }
  return Json{{"coefficient", view.coefficient}, {"loops", loops}};
}

}  // namespace korvado::cli
