#include "LeastSquaresJson.h"

namespace korvado::cli {

namespace {

using Json = nlohmann::ordered_json;

Json OrNull(const std::optional<double>& value) { return value ? Json(*value) : Json(nullptr); }

Json ChiSquareJson(const std::optional<ChiSquareTest>& chi2) {
  if (!chi2) return {{"value", nullptr}, {"lower", nullptr}, {"upper", nullptr}, {"passed", nullptr}};
  return {{"value", chi2->value}, {"lower", chi2->lower}, {"upper", chi2->upper}, {"passed", chi2->passed}};
}

const char* RoleKey(PointRole role) {
  switch (role) {
    case PointRole::kFixed: return "fixed";
    case PointRole::kNodal: return "nodal";
    case PointRole::kIntermediate: return "intermediate";
    case PointRole::kPendent: return "pendent";
  }
  return "";
}

}  // namespace

Json LeastSquaresJson(const TKorNet& net, const LeastSquaresResult& result) {
  Json points = Json::array();
  for (int32_t p = 0; p < net.PointCount(); ++p)
    points.push_back({{"name", net.PointNames[p]},
                      {"type", net.PointTypes.GetItem(p)},
                      {"elevation", result.elevations[p]},
                      {"sigma", OrNull(result.sigmas[p])}});
  Json sections = Json::array();
  for (int32_t s = 0; s < net.SectionCount(); ++s) {
    const LeastSquaresSection& section = result.sections[s];
    sections.push_back({{"start", net.SectionStarts[s]},
                        {"end", net.SectionEnds[s]},
                        {"setups", section.setups},
                        {"height", net.SectionHeights.GetItem(s)},
                        {"residual", section.residual},
                        {"redundancy", section.redundancy},
                        {"w", OrNull(section.w)},
                        {"suspect", section.suspect}});
  }
  Json allPoints = Json::array();
  for (const PointHeight& point : result.everyPoint)
    allPoints.push_back({{"name", point.name},
                         {"role", RoleKey(point.role)},
                         {"elevation", point.height},
                         {"sigma", OrNull(point.sigma)}});
  return {{"dof", static_cast<double>(result.dof)},
          {"sigma0Apriori", result.sigma0Apriori},
          {"sigma0", OrNull(result.sigma0)},
          {"chi2", ChiSquareJson(result.chi2)},
          {"criticalW", kCriticalW},
          {"points", points},
          {"sections", sections},
          {"allPoints", allPoints}};
}

}  // namespace korvado::cli
