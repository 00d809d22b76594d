#include "LeastSquaresJson.h"

#include "JsonStream.h"

namespace korvado::cli {

namespace {

using Json = nlohmann::ordered_json;

Json OrNull(const std::optional<double>& value) { return value ? Json(*value) : Json(nullptr); }

Json ChiSquareJson(const std::optional<ChiSquareTest>& chi2) {
  if (!chi2) return {{"value", nullptr}, {"lower", nullptr}, {"upper", nullptr}, {"passed", nullptr}};
  return {{"value", chi2->value}, {"lower", chi2->lower}, {"upper", chi2->upper}, {"passed", chi2->passed}};
}

}  // namespace

void WriteLeastSquaresJson(std::ostream& out, const TKorNet& net, const LeastSquaresResult& result) {
  JsonObjectStream document(out);
  document.Member("dof", static_cast<double>(result.dof));
  document.Member("sigma0Apriori", result.sigma0Apriori);
  document.Member("sigma0", OrNull(result.sigma0));
  document.Member("chi2", ChiSquareJson(result.chi2));
  document.Member("criticalW", kCriticalW);
  document.ArrayMember("points", static_cast<size_t>(net.PointCount()), [&](size_t k) {
    const auto p = static_cast<int32_t>(k);
    return Json{{"name", net.PointNames[p]},
                {"type", net.PointTypes.GetItem(p)},
                {"elevation", result.elevations[k]},
                {"sigma", OrNull(result.sigmas[k])}};
  });
  document.ArrayMember("sections", static_cast<size_t>(net.SectionCount()), [&](size_t k) {
    const auto s = static_cast<int32_t>(k);
    const LeastSquaresSection& section = result.sections[k];
    return Json{{"start", net.SectionStarts[s]}, {"end", net.SectionEnds[s]},
                {"setups", section.setups},      {"height", net.SectionHeights.GetItem(s)},
                {"residual", section.residual},  {"redundancy", section.redundancy},
                {"w", OrNull(section.w)},        {"suspect", section.suspect}};
  });
  document.End();
}

}  // namespace korvado::cli
