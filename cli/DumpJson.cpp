#include "DumpJson.h"

namespace korvado::cli {

namespace {

using Json = nlohmann::ordered_json;

Json RecordsJson(const TKorData& j) {
  Json records = Json::array();
  for (int32_t i = 0; i < j.RecordCount(); ++i)
    records.push_back({{"back", j.BackPoints[i]},
                       {"fore", j.ForePoints[i]},
                       {"setups", j.SetupCounts.GetItem(i)},
                       {"height", j.HeightDiffs.GetItem(i)},
                       {"note", j.Notes[i]},
                       {"firstSetup", j.FirstSetup.GetItem(i)},
                       {"lastSetup", j.LastSetup.GetItem(i)}});
  return records;
}

Json SetupsJson(const TKorData& j) {
  Json setups = Json::array();
  for (int32_t s = 0; s < j.SetupTotal(); ++s)
    setups.push_back({{"back", j.SetupBackPoints[s]},
                      {"fore", j.SetupForePoints[s]},
                      {"backMain", j.BackMainReading.GetItem(s)},
                      {"foreMain", j.ForeMainReading.GetItem(s)},
                      {"backAux", j.BackAuxReading.GetItem(s)},
                      {"foreAux", j.ForeAuxReading.GetItem(s)},
                      {"height", j.SetupHeightDiffs.GetItem(s)},
                      {"note", j.SetupNotes[s]}});
  return setups;
}

Json RunsJson(const TKorNetDetailTable& t) {
  Json runs = Json::array();
  for (int32_t r = 0; r < t.RunCount(); ++r) {
    const NetRun run = t.RunAt(r);
    runs.push_back({{"back", run.back},
                    {"fore", run.fore},
                    {"backType", run.backType},
                    {"foreType", run.foreType},
                    {"height", run.height},
                    {"setups", run.setups},
                    {"refs", run.refs}});
  }
  return runs;
}

Json PendentsJson(const TKorNetDetailTable& t) {
  Json pendents = Json::array();
  for (int32_t p = 0; p < t.PendentCount(); ++p) {
    const PendentRun pendent = t.PendentAt(p);
    pendents.push_back({{"type", pendent.type},
                        {"back", pendent.back},
                        {"fore", pendent.fore},
                        {"setups", pendent.setups},
                        {"height", pendent.height},
                        {"refs", pendent.refs}});
  }
  return pendents;
}

Json SectionsJson(const TKorNet& net) {
  Json sections = Json::array();
  for (int32_t s = 0; s < net.SectionCount(); ++s) {
    const TKorNetDetailTable& table = net.SectionTables.TableAt(s);
    const Section section = net.SectionAt(s);
    sections.push_back({{"start", section.start},
                        {"end", section.end},
                        {"startType", section.startType},
                        {"endType", section.endType},
                        {"height", section.height},
                        {"setups", section.setups},
                        {"runs", RunsJson(table)},
                        {"pendents", PendentsJson(table)}});
  }
  return sections;
}

}  // namespace

Json PointJson(const TKorNet& net, int32_t p) {
  const NetPoint point = net.PointAt(p);
  return {{"name", point.name}, {"type", point.type}, {"elevation", point.elevation}};
}

Json PointsJson(const TKorNet& net) {
  Json points = Json::array();
  for (int32_t p = 0; p < net.PointCount(); ++p) points.push_back(PointJson(net, p));
  return points;
}

Json NetsJson(const TNetList& nets) {
  Json out = Json::array();
  for (int32_t n = 0; n < nets.NetCount(); ++n) {
    const TKorNet& net = nets.NetAt(n);
    out.push_back({{"name", net.Name}, {"sections", SectionsJson(net)}, {"points", PointsJson(net)}});
  }
  return out;
}

Json JournalJson(const TKorData& journal) {
  return {{"techMode", journal.TechMode}, {"records", RecordsJson(journal)}, {"setups", SetupsJson(journal)}};
}

}  // namespace korvado::cli
