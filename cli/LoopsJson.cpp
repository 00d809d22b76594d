#include "LoopsJson.h"

namespace korvado::cli {

nlohmann::ordered_json LoopsJson(const LoopsView& view) {
  using Json = nlohmann::ordered_json;
  Json loops = Json::array();
  for (size_t k = 0; k < view.closures.size(); ++k) {
    const Closure& closure = view.closures[k];
    Json sections = Json::array();
    for (const SectionStep& step : closure.sections) sections.push_back({{"index", step.index}, {"forward", step.forward}});
    loops.push_back({{"kind", closure.kind == ClosureKind::Loop ? "loop" : "line"},
                     {"points", closure.points},
                     {"sections", sections},
                     {"setups", closure.setups},
                     {"misclosure", closure.misclosure},
                     {"allowed", AllowedMisclosure(view.coefficient, closure.setups)},
                     {"passed", static_cast<bool>(view.passed[k])}});
  }
  return Json{{"coefficient", view.coefficient}, {"loops", loops}};
}

}  // namespace korvado::cli
