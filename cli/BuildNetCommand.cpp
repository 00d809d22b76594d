#include "BuildNetCommand.h"

#include <algorithm>
#include <nlohmann/json.hpp>

#include "CliOutcome.h"
#include "FileCommands.h"
#include "ModelErrors.h"
#include "NetFromJournalCommands.h"
#include "NumberText.h"

namespace korvado::cli {

namespace {

using Json = nlohmann::ordered_json;

const std::string& RequiredOption(const CliArguments& arguments, const char* name, const char* usage) {
  const auto found = arguments.options.find(name);
  if (found == arguments.options.end()) throw UsageError(std::string(usage) + " is required");
  return found->second;
}

// "A-B", record numbers from 1.
std::vector<int32_t> RecordsOption(const AppState& state, const CliArguments& arguments) {
  const auto found = arguments.options.find("records");
  if (found == arguments.options.end()) return AllRecords(state);
  const std::string& text = found->second;
  const auto dash = text.find('-');
  try {
    if (dash == std::string::npos) throw ConversionError(text);
    const Result<std::vector<int32_t>> range =
        RecordRange(state, ParseInteger(text.substr(0, dash)), ParseInteger(text.substr(dash + 1)));
    if (!range.HasValue()) throw UsageError("--records: " + range.RefusalText());
    return *range;
  } catch (const ConversionError&) {
    throw UsageError("--records needs A-B, record numbers from 1, not '" + text + "'");
  }
}

void RequireOk(const Outcome& outcome) {
  if (outcome.Refused()) throw KorvadoError(outcome.RefusalText());
}

// --fixed NAME=VALUE ticks the point as a benchmark; the name must be a point of the records.
void ApplyFixedOptions(std::vector<BenchmarkRow>& rows, const CliArguments& arguments) {
  for (const std::string& fixed : arguments.fixed) {
    const auto equals = fixed.rfind('=');
    if (equals == std::string::npos || equals == 0) throw UsageError("--fixed needs NAME=VALUE, not '" + fixed + "'");
    const std::string name = fixed.substr(0, equals);
    const auto row = std::find_if(rows.begin(), rows.end(), [&](const BenchmarkRow& r) { return r.name == name; });
    if (row == rows.end()) throw UsageError("--fixed: точки «" + name + "» нет среди точек выбранных записей");
    row->ticked = true;
    row->elevation = fixed.substr(equals + 1);
  }
}

Json PlanJson(const NetPlan& plan, int32_t index) {
  const TKorNet& net = plan.net;
  Json sections = Json::array();
  for (int32_t s = 0; s < net.SectionCount(); ++s)
    sections.push_back({{"start", net.SectionStarts[s]},
                        {"end", net.SectionEnds[s]},
                        {"runs", net.SectionTables.TableAt(s).RunCount()},
                        {"setups", net.SectionSetups.GetItem(s)},
                        {"height", net.SectionHeights.GetItem(s)}});
  Json equivalent = Json::array();
  for (const RepeatedRuns& runs : plan.repeated)
    equivalent.push_back({{"start", runs.start},
                          {"end", runs.end},
                          {"records", runs.records},
                          {"discrepancy", runs.discrepancy},
                          {"allowed", runs.allowed},
                          {"passed", runs.passed},
                          {"used", runs.used}});
  Json pendent = Json::array();
  for (const PendentPlacement& placement : plan.pendent)
    pendent.push_back({{"section", placement.section}, {"point", placement.point}, {"record", placement.record}});
  Json leftOut = Json::array();
  for (const LeftOutPart& part : plan.leftOut)
    leftOut.push_back({{"records", part.records}, {"points", part.points}, {"reason", part.reason}});
  return {
      {"net", index}, {"sections", sections}, {"equivalent", equivalent}, {"pendent", pendent}, {"leftOut", leftOut}};
}

}  // namespace

int BuildNetCommand(const CliArguments& arguments, std::ostream& out, std::ostream& err) {
  RequirePositional(arguments, 1);
  const std::string& name = RequiredOption(arguments, "name", "--name NAME");
  const std::string& output = RequiredOption(arguments, "out", "--out OUT.kor");
  AppState state;
  Require(OpenNamedDataFile(state, arguments.positional[0]));
  state.LoopTolerance = ToleranceOption(arguments);
  NetFromJournalChoice choice{RecordsOption(state, arguments), {}, {}, name};
  choice.benchmarks = BenchmarkRows(state, choice.records);
  if (const auto catalogue = arguments.options.find("benchmarks"); catalogue != arguments.options.end()) {
    const Result<std::vector<std::string>> unknown = FillBenchmarksFromFile(choice.benchmarks, catalogue->second);
    RequireOk(unknown);
    for (const std::string& missing : *unknown)
      err << "korvado-cli: точки «" << missing << "» из каталога нет среди точек выбранных записей\n";
  }
  ApplyFixedOptions(choice.benchmarks, arguments);
  const Result<NetPlan> plan = PlanNet(state, choice);
  RequireOk(plan);
  const Result<int32_t> index = BuildPlannedNet(state, *plan, -1);
  RequireOk(index);
  SaveDataFileAs(state, output, SaveOptions{.Backup = !arguments.noBackup});
  out << PlanJson(*plan, *index).dump(2) << "\n";
  return 0;
}

}  // namespace korvado::cli
