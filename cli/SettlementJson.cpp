#include "SettlementJson.h"

#include "CycleDate.h"

namespace korvado::cli {

namespace {

using Json = nlohmann::ordered_json;

template <class T>
Json List(const std::vector<std::optional<T>>& values) {
  Json list = Json::array();
  for (const std::optional<T>& value : values) list.push_back(value ? Json(*value) : Json(nullptr));
  return list;
}

Json StabilityJson(const MonitoringResult& result, size_t cycle, const CongruenceResult& test) {
  Json moved = Json::array();
  for (int32_t r : test.moved) moved.push_back(result.reference[static_cast<size_t>(r)]);
  Json differences = Json::object();
  for (size_t r = 0; r < result.reference.size(); ++r) differences[result.reference[r]] = test.differences[r];
  return {{"cycle", cycle + 1},
          {"T", test.tested ? Json(test.statistic) : Json(nullptr)},
          {"critical", test.tested ? Json(test.critical) : Json(nullptr)},
          {"passed", test.tested ? Json(test.passed) : Json(nullptr)},
          {"moved", moved},
          {"differences", differences}};
}

}  // namespace

Json SettlementJson(const MonitoringResult& result) {
  Json cycles = Json::array();
  for (const CycleSummary& cycle : result.cycles)
    cycles.push_back({{"date", CycleDateText(cycle.day)},
                      {"file", cycle.file},
                      {"net", cycle.net},
                      {"sigma0", cycle.sigma0},
                      {"dof", cycle.dof}});
  Json stability = Json::array();
  for (size_t c = 0; c < result.analysis.stability.size(); ++c)
    if (result.analysis.stability[c]) stability.push_back(StabilityJson(result, c, *result.analysis.stability[c]));
  Json marks = Json::array();
  for (const MarkSeries& mark : result.analysis.marks)
    marks.push_back({{"name", mark.name},
                     {"heights", List(mark.heights)},
                     {"sigma", List(mark.sigmas)},
                     {"settlement", List(mark.settlements)},
                     {"total", List(mark.totals)},
                     {"significant", List(mark.totalSignificant)},
                     {"ratePerDay", List(mark.ratesPerDay)},
                     {"ratePerYear", mark.ratePerYear ? Json(*mark.ratePerYear) : Json(nullptr)}});
  return {{"object", result.object}, {"cycles", cycles}, {"stability", stability}, {"marks", marks}};
}

}  // namespace korvado::cli
