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

void WriteLeastSquaresJson(std::ostream& out, const TKorNet& net, const LeastSquaresResult& result) {
  JsonObjectStream document(out);
  document.Member("dof", static_cast<double>(result.dof));
  document.Member("sigma0Apriori", result.sigma0Apriori);
  document.Member("sigma0", OrNull(result.sigma0));
  document.Member("chi2", ChiSquareJson(result.chi2));
  document.Member("criticalW", kCriticalW);
  document.RowArrayMember("points", static_cast<size_t>(net.PointCount()), [&](JsonRow& row, size_t k) {
    const auto p = static_cast<int32_t>(k);
    row.Text("name", net.PointNames[p])
        .Integer("type", net.PointTypes.GetItem(p))
        .Number("elevation", result.elevations[k])
        .NumberOrNull("sigma", result.sigmas[k]);
  });
  document.RowArrayMember("sections", static_cast<size_t>(net.SectionCount()), [&](JsonRow& row, size_t k) {
    const auto s = static_cast<int32_t>(k);
    const LeastSquaresSection& section = result.sections[k];
    row.Text("start", net.SectionStarts[s])
        .Text("end", net.SectionEnds[s])
        .Number("setups", section.setups)
        .Number("height", net.SectionHeights.GetItem(s))
        .Number("residual", section.residual)
        .Number("redundancy", section.redundancy)
        .NumberOrNull("w", section.w)
        .Boolean("suspect", section.suspect);
  });
  document.RowArrayMember("allPoints", result.everyPoint.size(), [&](JsonRow& row, size_t k) {
    const PointHeight& point = result.everyPoint[k];
    row.Text("name", point.name)
        .Text("role", RoleKey(point.role))
        .Number("elevation", point.height)
        .NumberOrNull("sigma", point.sigma);
  });
  document.End();
}

}  // namespace korvado::cli
