#include "CliCommands.h"

#include <algorithm>
#include <cmath>
#include <nlohmann/json.hpp>
#include <optional>

#include "AdjustmentCommands.h"
#include "AdjustmentStatement.h"
#include "CliArguments.h"
#include "CliHelp.h"
#include "CliOutcome.h"
#include "DataFileMessages.h"
#include "DiagramSvg.h"
#include "DumpJson.h"
#include "ElevationCommands.h"
#include "FileCommands.h"
#include "FileReplace.h"
#include "ImportCommand.h"
#include "LeastSquaresCommands.h"
#include "LeastSquaresJson.h"
#include "LoopsJson.h"
#include "ModelErrors.h"
#include "NonFiniteValues.h"
#include "NumberText.h"
#include "OffscreenGui.h"
#include "ReportHtml.h"
#include "ReportPages.h"

namespace korvado::cli {

namespace {

using Json = nlohmann::ordered_json;

AppState OpenState(const std::string& path) {
  AppState state;
  const Outcome opened = OpenDataFile(state, path);
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
  const std::vector<std::string> notFinite = NonFiniteValues(state.Journal, state.Nets);
  for (const std::string& place : notFinite) err << "korvado-cli: не конечное число: " << place << "\n";
  if (!notFinite.empty()) return 2;
  out << "ok\n";
  return 0;
}

SaveOptions SaveOptionsOf(const CliArguments& arguments) {
  SaveOptions options;
  options.Backup = !arguments.noBackup;
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
// leave the real benchmark at zero; names are compared exactly, as the sweep does.
void RequireNetPoints(const TKorNet& net, const std::vector<AltitudeRow>& rows) {
  const std::vector<std::string>& names = net.PointNames.Items();
  for (const AltitudeRow& row : rows)
    if (std::find(names.begin(), names.end(), row.name) == names.end())
      throw UsageError("--fixed: точки «" + row.name + "» нет в таблице точек сети");
}

// --rebuild-points, then the --fixed elevations, into the current net.
void ApplyOriginOptions(AppState& state, const CliArguments& arguments) {
  std::vector<AltitudeRow> rows;
  for (const std::string& fixed : arguments.fixed) rows.push_back(FixedRow(fixed));
  if (arguments.rebuildPoints) Require(RebuildCurrentNetPoints(state));
  RequireNetPoints(state.Nets.NetAt(state.CurrentNetIndex), rows);
  if (!rows.empty()) Require(ApplyOriginAltitudes(state, rows));
}

// A value as an element nested `depth` levels deep in the printed document.
std::string Nested(const Json& value, int depth) {
  std::string text = value.dump(2);
  const std::string indent(static_cast<size_t>(2 * depth), ' ');
  for (size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 1)) text.insert(at + 1, indent);
  return indent + text;
}

Json SweepJson(const AppState& state, double mu) {
  return {{"iteration", state.IterationCounter}, {"mu", mu}, {"muText", FormatFixed(2, mu)}};
}

int Adjust(const CliArguments& arguments, std::ostream& out) {
  RequirePositional(arguments, 1);
  AppState state = OpenState(arguments.positional[0]);
  SelectNet(state, arguments);
  const int sweeps = OptionIndex(arguments, "sweeps", 1);
  ApplyOriginOptions(state, arguments);
  // Each sweep is printed as it ends, so that a long run needs no more memory
  // than a short one. A net the sweep refuses is refused at the first sweep,
  // before anything is printed.
  for (int k = 0; k < sweeps; ++k) {
    const double mu = Take(AdjustCurrentNet(state));
    out << (k == 0 ? "{\n  \"sweeps\": [\n" : ",\n") << Nested(SweepJson(state, mu), 2);
  }
  out << (sweeps == 0 ? "{\n  \"sweeps\": []" : "\n  ]");
  if (arguments.options.count("save")) SaveDataFileAs(state, arguments.options.at("save"), SaveOptionsOf(arguments));
  const std::string points = Nested(PointsJson(state.Nets.NetAt(state.CurrentNetIndex)), 1);
  out << ",\n  \"points\": " << points.substr(2) << "\n}\n";
  return 0;
}

// The current net by least squares with --sigma-setup; a refusal ends the command.
void AdjustByLeastSquaresOption(AppState& state, const CliArguments& arguments) {
  if (arguments.options.count("sigma-setup")) Require(SetSigmaPerSetup(state, arguments.options.at("sigma-setup")));
  Require(AdjustCurrentNetByLeastSquares(state));
}

Tolerance ToleranceOption(const CliArguments& arguments);

// The adjustment statement of the selected net as a web page and/or a PDF
// file, with its loops against the class given and, after --lsq, the
// least-squares figures.
int WriteStatement(AppState& state, const CliArguments& arguments) {
  if (arguments.options.count("section")) throw UsageError("--section cannot be combined with --pdf or --html");
  state.LoopTolerance = ToleranceOption(arguments);
  if (arguments.leastSquares)
    AdjustByLeastSquaresOption(state, arguments);
  else if (arguments.options.count("sigma-setup"))
    throw UsageError("--sigma-setup goes with --lsq");
  const ReportDocument statement = CurrentNetStatement(state, StampNow(state));
  if (arguments.options.count("html")) ReplaceFileContents(arguments.options.at("html"), ReportHtml(statement));
  if (arguments.options.count("pdf")) {
    const OffscreenGui gui;
    SaveReportPdf(statement, arguments.options.at("pdf"));
  }
  return 0;
}

int LeastSquares(const CliArguments& arguments, std::ostream& out) {
  RequirePositional(arguments, 1);
  AppState state = OpenState(arguments.positional[0]);
  SelectNet(state, arguments);
  ApplyOriginOptions(state, arguments);
  AdjustByLeastSquaresOption(state, arguments);
  if (arguments.options.count("save")) SaveDataFileAs(state, arguments.options.at("save"), SaveOptionsOf(arguments));
  out << LeastSquaresJson(state.Nets.NetAt(state.CurrentNetIndex), state.LastLeastSquares->result).dump(2) << "\n";
  return 0;
}

int Report(const CliArguments& arguments, std::ostream& out) {
  RequirePositional(arguments, 1);
  AppState state = OpenState(arguments.positional[0]);
  SelectNet(state, arguments);
  if (arguments.options.count("pdf") || arguments.options.count("html")) return WriteStatement(state, arguments);
  if (arguments.leastSquares) throw UsageError("--lsq goes with --pdf or --html");
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
  for (const ElevationRow& row : rows) out << row.name << '\t' << row.elevation << '\n';
  return 0;
}

Tolerance ToleranceOption(const CliArguments& arguments) {
  const auto option = [&](const char* name) {
    const auto found = arguments.options.find(name);
    return found == arguments.options.end() ? std::optional<std::string>() : found->second;
  };
  Tolerance tolerance;
  const std::optional<std::string> coefficient = option("coefficient");
  const std::string className = option("class").value_or(coefficient ? "custom" : "tech");
  const std::optional<ToleranceClass> levelClass = ToleranceClassFromKey(className);
  if (!levelClass) throw UsageError("--class must be tech, iv or custom, not '" + className + "'");
  tolerance.levelClass = *levelClass;
  if ((*levelClass == ToleranceClass::Custom) != coefficient.has_value())
    throw UsageError("--coefficient K goes with --class custom, and only with it");
  if (coefficient) {
    try {
      tolerance.customCoefficient = ParseDouble(*coefficient);
    } catch (const ConversionError&) {
      tolerance.customCoefficient = -1;
    }
    if (!(tolerance.customCoefficient > 0) || !std::isfinite(tolerance.customCoefficient))
      throw UsageError("--coefficient needs a positive number, not '" + *coefficient + "'");
  }
  return tolerance;
}

int Loops(const CliArguments& arguments, std::ostream& out, std::ostream& err) {
  RequirePositional(arguments, 1);
  AppState state = OpenState(arguments.positional[0]);
  SelectNet(state, arguments);
  state.LoopTolerance = ToleranceOption(arguments);
  const LoopsView view = CurrentNetLoops(state);
  if (!view.refusal.empty()) throw KorvadoError(view.refusal);
  for (const std::string& warning : view.warnings) err << "korvado-cli: " << warning << "\n";
  out << LoopsJson(view).dump(2) << "\n";
  return 0;
}

int Diagram(const CliArguments& arguments) {
  RequirePositional(arguments, 1);
  if (!arguments.options.count("svg")) throw UsageError("--svg OUT.svg is required");
  AppState state = OpenState(arguments.positional[0]);
  SelectNet(state, arguments);
  if (arguments.leastSquares) AdjustByLeastSquaresOption(state, arguments);
  SaveDiagramSvg(BuildNetDiagram(state, state.CurrentNetIndex), arguments.options.at("svg"));
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
  if (arguments.command == "import") return ImportCommand(arguments, out);
  return Report(arguments, out);
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const WarningStream warnings(err);
  try {
    const int status = Dispatch(ParseCliArguments(args), out, err);
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
