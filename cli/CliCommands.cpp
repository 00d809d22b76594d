#include "CliCommands.h"

#include <algorithm>
#include <cmath>
#include <nlohmann/json.hpp>
#include <optional>

#include "AdjustmentCommands.h"
#include "AdjustmentStatement.h"
#include "BuildNetCommand.h"
#include "CliArguments.h"
#include "CliHelp.h"
#include "CliOutcome.h"
#include "ControlChars.h"
#include "DataFileMessages.h"
#include "DocumentArguments.h"
#include "DocumentModule.h"
#include "DumpJson.h"
#include "ElevationCommands.h"
#include "FileCommands.h"
#include "FileReplace.h"
#include "ImportCommand.h"
#include "JsonStream.h"
#include "LeastSquaresCommands.h"
#include "LeastSquaresJson.h"
#include "LoopsJson.h"
#include "ModelErrors.h"
#include "NumberText.h"
#include "ReportHtml.h"
#include "SettlementCommand.h"
#include "StatementWorkbook.h"
#include "UnsoundValues.h"

namespace korvado::cli {

namespace {

using Json = nlohmann::ordered_json;

AppState OpenState(const std::string& path) {
  AppState state;
  const Outcome opened = LoadDataFile(state, path);
  if (!opened) throw FileIOError(opened.RefusalText());
  Require(opened);
  return state;
}

void SelectNet(AppState& state, const CliArguments& arguments) {
  if (!arguments.options.count("net")) throw UsageError("--net N is required");
  const int net = OptionIndex(arguments, "net", 0);
  if (net >= state.Nets.NetCount())
    throw UsageError("the file has " + std::to_string(state.Nets.NetCount()) + " nets; there is no net " +
                     std::to_string(net));
  state.CurrentNetIndex = net;
}

int Dump(const CliArguments& arguments, std::ostream& out) {
  RequirePositional(arguments, 1);
  const AppState state = OpenState(arguments.positional[0]);
  Json json = JournalJson(state.Journal);
  json["nets"] = NetsJson(state.Nets);
  out << json.dump(2) << "\n";
  return 0;
}

int Check(const CliArguments& arguments, std::ostream& out, std::ostream& err) {
  RequirePositional(arguments, 1);
  const AppState state = OpenState(arguments.positional[0]);
  const std::vector<std::string> values = UnsoundValues(state.Journal, state.Nets);
  const std::vector<std::string> names = NamesWithControlChars(state.Journal, state.Nets);
  for (const std::string& place : values) err << "korvado-cli: значение не годится: " << place << "\n";
  for (const std::string& place : names) err << "korvado-cli: имя с управляющим символом: " << place << "\n";
  if (!values.empty() || !names.empty()) return 2;
  out << "ok\n";
  return 0;
}

SaveOptions SaveOptionsOf(const CliArguments& arguments) {
  SaveOptions options;
  options.Backup = !arguments.noBackup && arguments.stored.backup;
  return options;
}

int Resave(const CliArguments& arguments) {
  RequirePositional(arguments, 2);
  AppState state = OpenState(arguments.positional[0]);
  SaveDataFileAs(state, arguments.positional[1], SaveOptionsOf(arguments));
  return 0;
}

// "NAME=VALUE" as a row of the fixed-elevation dialog.
AltitudeRow FixedRow(const std::string& text) {
  const auto equals = text.rfind('=');
  if (equals == std::string::npos || equals == 0) throw UsageError("--fixed needs NAME=VALUE, not '" + text + "'");
  return {text.substr(0, equals), text.substr(equals + 1)};
}

// A fixed point the net does not have (a typo, another letter case) would
// leave the real benchmark at zero; names are compared exactly, as the sweep
// does. A point that is not a benchmark would be adjusted over the value
// given: the flag says "fixed", so it is refused rather than quietly ignored.
void RequireNetBenchmarks(const TKorNet& net, const std::vector<AltitudeRow>& rows) {
  const std::vector<std::string>& names = net.PointNames.Items();
  for (const AltitudeRow& row : rows) {
    const auto found = std::find(names.begin(), names.end(), row.name);
    if (found == names.end()) throw UsageError("--fixed: точки «" + row.name + "» нет в таблице точек сети");
    if (net.PointTypes.GetItem(static_cast<int32_t>(found - names.begin())) != kFixedPoint)
      throw UsageError("--fixed: точка «" + row.name +
                       "» — не жесткая точка; отметку задают только реперам, а эту точку определяет уравнивание");
  }
}

// --rebuild-points, then the --fixed elevations, into the current net.
void ApplyOriginOptions(AppState& state, const CliArguments& arguments) {
  std::vector<AltitudeRow> rows;
  for (const std::string& fixed : arguments.fixed) rows.push_back(FixedRow(fixed));
  if (arguments.rebuildPoints) Require(RebuildCurrentNetPoints(state));
  RequireNetBenchmarks(state.Nets.NetAt(state.CurrentNetIndex), rows);
  if (!rows.empty()) Require(ApplyOriginAltitudes(state, rows));
}

Json SweepJson(const AppState& state, double mu) {
  return {{"iteration", state.IterationCounter}, {"mu", mu}, {"muText", FormatFixed(2, mu)}};
}

// One sweep of the current net; a refusal ends the command.
Json Sweep(AppState& state) { return SweepJson(state, Take(AdjustCurrentNet(state))); }

int Adjust(const CliArguments& arguments, std::ostream& out) {
  RequirePositional(arguments, 1);
  AppState state = OpenState(arguments.positional[0]);
  SelectNet(state, arguments);
  const int sweeps = OptionIndex(arguments, "sweeps", 1);
  ApplyOriginOptions(state, arguments);
  // Each sweep is printed as it ends, so that a long run needs no more memory
  // than a short one. A net the sweep refuses is refused at the first sweep,
  // before anything is printed.
  std::optional<Json> first;
  if (sweeps > 0) first = Sweep(state);
  JsonObjectStream document(out);
  document.ArrayMember("sweeps", static_cast<size_t>(sweeps),
                       [&](size_t k) { return k == 0 ? std::move(*first) : Sweep(state); });
  if (arguments.options.count("save")) SaveDataFileAs(state, arguments.options.at("save"), SaveOptionsOf(arguments));
  const TKorNet& net = state.Nets.NetAt(state.CurrentNetIndex);
  document.ArrayMember("points", static_cast<size_t>(net.PointCount()),
                       [&](size_t p) { return PointJson(net, static_cast<int32_t>(p)); });
  document.End();
  return 0;
}

// The current net by least squares with --sigma-setup; a refusal ends the command.
void AdjustByLeastSquaresOption(AppState& state, const CliArguments& arguments) {
  if (arguments.options.count("sigma-setup"))
    Require(SetSigmaPerSetup(state, arguments.options.at("sigma-setup")));
  else
    state.SigmaPerSetup = arguments.stored.sigmaPerSetup;
  Require(AdjustCurrentNetByLeastSquaresWithoutRows(state));
}

bool WritesStatement(const CliArguments& arguments) {
  return arguments.options.count("pdf") || arguments.options.count("html") || arguments.options.count("xlsx");
}

// The adjustment statement of the selected net as a web page, a PDF file
// and/or a workbook, with its loops against the class given and, after
// --lsq, the least-squares figures. Heights that are not adjusted go out
// only with --draft, stamped.
int WriteStatement(AppState& state, const CliArguments& arguments) {
  if (arguments.options.count("section")) throw UsageError("--section cannot be combined with --pdf, --html or --xlsx");
  const DocumentOptions options = DocumentOptionsOf(arguments);
  state.LoopTolerance = ToleranceOption(arguments);
  if (arguments.leastSquares)
    AdjustByLeastSquaresOption(state, arguments);
  else if (arguments.options.count("sigma-setup"))
    throw UsageError("--sigma-setup goes with --lsq");
  if (const Outcome refusal = StatementRefusal(state); refusal.Refused()) throw KorvadoError(refusal.RefusalText());
  if (!arguments.draft && !HeightsAdjusted(state, state.CurrentNetIndex))
    throw KorvadoError(UnadjustedRefusal(state.Nets.NetAt(state.CurrentNetIndex)));
  const ReportStamp stamp = StampNow(state);
  if (arguments.options.count("xlsx"))
    SaveReportXlsxThroughModule(CurrentNetWorkbook(state, stamp, options), arguments.options.at("xlsx"));
  if (!arguments.options.count("html") && !arguments.options.count("pdf")) return 0;
  const ReportDocument statement = CurrentNetStatement(state, stamp, options);
  if (arguments.options.count("html")) ReplaceFileContents(arguments.options.at("html"), ReportHtml(statement));
  if (arguments.options.count("pdf")) SaveReportPdfThroughModule(statement, arguments.options.at("pdf"));
  return 0;
}

int LeastSquares(const CliArguments& arguments, std::ostream& out) {
  RequirePositional(arguments, 1);
  AppState state = OpenState(arguments.positional[0]);
  SelectNet(state, arguments);
  ApplyOriginOptions(state, arguments);
  AdjustByLeastSquaresOption(state, arguments);
  if (arguments.options.count("save")) SaveDataFileAs(state, arguments.options.at("save"), SaveOptionsOf(arguments));
  WriteLeastSquaresJson(out, state.Nets.NetAt(state.CurrentNetIndex), state.LastLeastSquares->result);
  return 0;
}

int Report(const CliArguments& arguments, std::ostream& out) {
  RequirePositional(arguments, 1);
  AppState state = OpenState(arguments.positional[0]);
  SelectNet(state, arguments);
  if (WritesStatement(arguments)) return WriteStatement(state, arguments);
  if (arguments.leastSquares) throw UsageError("--lsq goes with --pdf, --html or --xlsx");
  if (arguments.draft) throw UsageError("--draft goes with --pdf, --html or --xlsx");
  const TKorNet& net = state.Nets.NetAt(state.CurrentNetIndex);
  std::vector<ElevationRow> rows;
  if (arguments.options.count("section")) {
    const int section = OptionIndex(arguments, "section", 0);
    if (section >= net.SectionCount())
      throw UsageError("net " + std::to_string(state.CurrentNetIndex) + " has " + std::to_string(net.SectionCount()) +
                       " sections; there is no section " + std::to_string(section));
    rows = Take(AltitudeTableForNode(state, state.CurrentNetIndex, section));
  } else {
    rows = Take(AltitudeNetReport(state, state.CurrentNetIndex));
  }
  for (const ElevationRow& row : rows)
    out << WithoutControlChars(ShownName(row)) << '\t' << ShownElevation(row) << '\n';
  return 0;
}

int Loops(const CliArguments& arguments, std::ostream& out, std::ostream& err) {
  RequirePositional(arguments, 1);
  AppState state = OpenState(arguments.positional[0]);
  SelectNet(state, arguments);
  state.LoopTolerance = ToleranceOption(arguments);
  const LoopsView view = CurrentNetLoops(state);
  if (!view.refusal.empty()) throw KorvadoError(view.refusal);
  for (const std::string& warning : view.warnings) err << "korvado-cli: " << warning << "\n";
  WriteLoopsJson(out, view);
  return 0;
}

int Diagram(const CliArguments& arguments) {
  RequirePositional(arguments, 1);
  if (!arguments.options.count("svg")) throw UsageError("--svg OUT.svg is required");
  AppState state = OpenState(arguments.positional[0]);
  SelectNet(state, arguments);
  // The diagram shows the loops and labels the sections with their figures: it computes as the others do.
  if (const Outcome unsound = RefuseUnsoundNet(state.Nets.NetAt(state.CurrentNetIndex)); unsound.Refused())
    throw KorvadoError(unsound.RefusalText());
  if (arguments.leastSquares) AdjustByLeastSquaresOption(state, arguments);
  SaveNetDiagramSvgThroughModule(state, state.CurrentNetIndex, arguments.options.at("svg"));
  return 0;
}

void SetSeparator(const CliArguments& arguments) {
  const auto found = arguments.options.find("decimal-separator");
  const std::string separator = found == arguments.options.end() ? "." : found->second;
  if (separator != "." && separator != ",") throw UsageError("--decimal-separator must be '.' or ','");
  SetNumberSeparators(separator[0], "");
}

int Dispatch(const CliArguments& arguments, std::ostream& out, std::ostream& err) {
  if (arguments.help || arguments.command.empty()) {
    (arguments.help ? out : err) << HelpText(arguments.command);
    return arguments.help ? 0 : 2;
  }
  if (!IsKnownCommand(arguments.command)) throw UsageError("unknown command '" + arguments.command + "'");
  SetSeparator(arguments);
  if (arguments.command == "dump") return Dump(arguments, out);
  if (arguments.command == "check") return Check(arguments, out, err);
  if (arguments.command == "resave") return Resave(arguments);
  if (arguments.command == "adjust") return Adjust(arguments, out);
  if (arguments.command == "lsq") return LeastSquares(arguments, out);
  if (arguments.command == "loops") return Loops(arguments, out, err);
  if (arguments.command == "diagram") return Diagram(arguments);
  if (arguments.command == "import") return ImportCommand(arguments, out, err);
  if (arguments.command == "build-net") return BuildNetCommand(arguments, out, err);
  if (arguments.command == "settlement") return SettlementCommand(arguments, out, err);
  return Report(arguments, out);
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           const CommandLineSettings& stored) {
  const WarningStream warnings(err);
  try {
    CliArguments arguments = ParseCliArguments(args);
    arguments.stored = stored;
    const int status = Dispatch(arguments, out, err);
    // A full disk or a closed pipe must not pass for a complete output.
    if (!out.flush()) throw FileIOError(kOutputFailedMessage);
    return status;
  } catch (const UsageError& error) {
    err << "korvado-cli: " << error.what() << "\n";
  } catch (const std::exception& error) {
    err << "korvado-cli: " << error.what() << "\n";
  }
  return 2;
}

}  // namespace korvado::cli
