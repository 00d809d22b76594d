#include "LoopsJson.h"

#include <cmath>

#include "JsonStream.h"

namespace korvado::cli {

namespace {

using Json = nlohmann::ordered_json;

// Sums of height differences in hundredths carry binary noise in the last
// digits; micrometres of a millimetre are far below any tolerance.
double Micro(double x) { return std::round(x * 1e6) / 1e6; }

Json ClosureJson(const LoopsView& view, size_t k) {
  const Closure& closure = view.closures[k];
  Json sections = Json::array();
  for (const SectionStep& step : closure.sections)
    sections.push_back({{"index", step.index}, {"forward", step.forward}});
  return {{"kind", closure.kind == ClosureKind::Loop ? "loop" : "line"},
          {"points", closure.points},
          {"sections", std::move(sections)},
          {"setups", Micro(closure.setups)},
          {"misclosure", Micro(closure.misclosure)},
          {"allowed", Micro(AllowedMisclosure(view.coefficient, closure.setups))},
          {"passed", static_cast<bool>(view.passed[k])}};
}

}  // namespace

void WriteLoopsJson(std::ostream& out, const LoopsView& view) {
  JsonObjectStream document(out);
  document.Member("coefficient", view.coefficient);
  document.ArrayMember("loops", view.closures.size(), [&](size_t k) { return ClosureJson(view, k); });
  document.End();
}

}  // namespace korvado::cli
