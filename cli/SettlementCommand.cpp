#include "SettlementCommand.h"

#include <filesystem>

#include "CycleDate.h"
#include "DocumentModule.h"
#include "FileReplace.h"
#include "ModelErrors.h"
#include "MonitoringComputation.h"
#include "ReportHtml.h"
#include "SettlementJson.h"
#include "SettlementStatement.h"
#include "Utf8Path.h"

namespace korvado::cli {

namespace {

std::vector<std::string> SplitNames(const std::string& text) {
  std::vector<std::string> names;
  size_t start = 0;
  for (size_t comma = text.find(',');; comma = text.find(',', start)) {
    const std::string name = text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
    if (name.empty()) throw UsageError("--reference: пустое имя репера в «" + text + "»");
    names.push_back(name);
    if (comma == std::string::npos) return names;
    start = comma + 1;
  }
}

// FILE:NET:YYYY-MM-DD, split at the last two colons so that a file name may hold one.
ProjectCycle CycleOption(const std::string& text, const std::string& projectPath) {
  const size_t dateColon = text.rfind(':');
  const size_t netColon =
      dateColon == std::string::npos || dateColon == 0 ? std::string::npos : text.rfind(':', dateColon - 1);
  if (netColon == std::string::npos || netColon == 0)
    throw UsageError("--cycle нужно в виде ФАЙЛ:СЕТЬ:ГГГГ-ММ-ДД, а не «" + text + "»");
  const std::string date = text.substr(dateColon + 1);
  const std::optional<int32_t> day = ParseCycleDate(date);
  if (!day) throw UsageError("--cycle: дата «" + date + "» не в виде ГГГГ-ММ-ДД или не существует");
  const std::string file = text.substr(0, netColon);
  return {RelativeCycleFile(projectPath, file), text.substr(netColon + 1, dateColon - netColon - 1), *day,
          std::nullopt};
}

MonitoringResult Compute(const MonitoringProject& project, const std::string& path, std::ostream& err) {
  Result<MonitoringResult> result = ComputeProject(project, path);
  if (!result.HasValue()) throw KorvadoError(result.RefusalText());
  for (size_t c : result->changedCycles)
    err << "korvado-cli: файл цикла " << c + 1 << " («" << project.cycles[c].file
        << "») изменился после последнего расчёта проекта\n";
  return std::move(*result);
}

void WriteStatement(const MonitoringResult& result, const std::string& path, const CliArguments& arguments) {
  if (!arguments.options.count("pdf") && !arguments.options.count("html")) return;
  const ReportDocument statement = SettlementStatement(result, StampNow(path));
  if (arguments.options.count("html")) ReplaceFileContents(arguments.options.at("html"), ReportHtml(statement));
  if (arguments.options.count("pdf")) SaveReportPdfThroughModule(statement, arguments.options.at("pdf"));
}

int NewProject(const CliArguments& arguments, std::ostream& out, std::ostream& err) {
  if (!arguments.positional.empty()) throw UsageError("'settlement --new PROJECT' takes no other file name");
  const std::string path = arguments.options.at("new");
  if (!arguments.options.count("reference")) throw UsageError("--reference A,B,... is required with --new");
  MonitoringProject project;
  project.object =
      arguments.options.count("object") ? arguments.options.at("object") : Utf8FromPath(PathFromUtf8(path).stem());
  project.reference = SplitNames(arguments.options.at("reference"));
  for (const std::string& cycle : arguments.cycles) InsertCycle(project, CycleOption(cycle, path));
  // Computed before anything is written: a project that cannot be computed is not written at all.
  const MonitoringResult result = Compute(project, path, err);
  RememberComputation(project, result);
  SaveProject(project, path);
  WriteStatement(result, path, arguments);
  out << SettlementJson(result).dump(2) << "\n";
  return 0;
}

}  // namespace

int SettlementCommand(const CliArguments& arguments, std::ostream& out, std::ostream& err) {
  if (arguments.options.count("new")) return NewProject(arguments, out, err);
  if (!arguments.cycles.empty() || arguments.options.count("reference") || arguments.options.count("object"))
    throw UsageError("--reference, --cycle and --object go with --new");
  RequirePositional(arguments, 1);
  const std::string path = arguments.positional[0];
  Result<MonitoringProject> project = LoadProject(path);
  if (!project.HasValue()) throw KorvadoError(project.RefusalText());
  const MonitoringResult result = Compute(*project, path, err);
  WriteStatement(result, path, arguments);
  out << SettlementJson(result).dump(2) << "\n";
  return 0;
}

}  // namespace korvado::cli
