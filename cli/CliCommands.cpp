#include "CliCommands.h"

#include <nlohmann/json.hpp>

#include "AdjustmentCommands.h"
#include "CliArguments.h"
#include "CliHelp.h"
#include "DumpJson.h"
#include "ElevationCommands.h"
#include "FileCommands.h"
#include "MessageService.h"
#include "ModelErrors.h"
#include "NonFiniteValues.h"
#include "NumberText.h"

namespace korvado::cli {

namespace {

using Json = nlohmann::ordered_json;

// A refusal reported by a command ends it as an error; a warning goes to the
// error stream and the command goes on. The commands report only after their
// operation has finished, so a refusal never leaves anything half done.
class CliMessageService : public IMessageService {
 public:
  explicit CliMessageService(std::ostream& err) : err_(err) {}
  void ShowError(const std::string& text) override { throw KorvadoError(text); }
  void ShowWarning(const std::string& text, const std::string&) override { err_ << "korvado-cli: " << text << "\n"; }

 private:
  std::ostream& err_;
};

void RequirePositional(const CliArguments& arguments, size_t count) {
  if (arguments.positional.size() != count)
    throw UsageError("'" + arguments.command + "' needs " + std::to_string(count) + " file name" +
                     (count > 1 ? "s" : "") + "; see korvado-cli " + arguments.command + " --help");
}

AppState OpenState(const std::string& path) {
  AppState state;
  if (!OpenDataFile(state, path)) throw FileIOError("File not found: " + path);
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

int Adjust(const CliArguments& arguments, std::ostream& out) {
  RequirePositional(arguments, 1);
  AppState state = OpenState(arguments.positional[0]);
  SelectNet(state, arguments);
  const int sweeps = OptionIndex(arguments, "sweeps", 1);
  std::vector<AltitudeRow> rows;
  for (const std::string& fixed : arguments.fixed) rows.push_back(FixedRow(fixed));

  if (arguments.rebuildPoints) RebuildCurrentNetPoints(state);
  if (!rows.empty()) ApplyOriginAltitudes(state, rows);
  Json sweepList = Json::array();
  for (int k = 0; k < sweeps; ++k) {
    const std::optional<EquateView> view = EquateCurrentNet(state);
    if (!view) throw KorvadoError("the adjustment sweep was refused");
    sweepList.push_back({{"iteration", state.IterationCounter}, {"mu", view->mu}, {"muText", view->muText}});
  }
  if (arguments.options.count("save")) SaveDataFileAs(state, arguments.options.at("save"), SaveOptionsOf(arguments));
  Json json;
  json["sweeps"] = sweepList;
  json["points"] = PointsJson(state.Nets.NetAt(state.CurrentNetIndex));
  out << json.dump(2) << "\n";
  return 0;
}

int Report(const CliArguments& arguments, std::ostream& out) {
  RequirePositional(arguments, 1);
  AppState state = OpenState(arguments.positional[0]);
  SelectNet(state, arguments);
  const TKorNet& net = state.Nets.NetAt(state.CurrentNetIndex);
  std::vector<ElevationRow> rows;
  if (arguments.options.count("section")) {
    const int section = OptionIndex(arguments, "section", 0);
    if (section >= net.SectionCount())
      throw UsageError("net " + std::to_string(state.CurrentNetIndex) + " has " +
                       std::to_string(net.SectionCount()) + " sections; there is no section " +
                       std::to_string(section));
    rows = AltitudeTableForNode(state, state.CurrentNetIndex, section);
  } else {
    rows = *AltitudeNetReport(state, state.CurrentNetIndex);
  }
  for (const ElevationRow& row : rows) out << row.name << '\t' << row.elevation << '\n';
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
  return Report(arguments, out);
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  CliMessageService messages(err);
  ScopedMessageService scope(&messages);
  try {
    return Dispatch(ParseCliArguments(args), out, err);
  } catch (const UsageError& error) {
    err << "korvado-cli: " << error.what() << "\n";
  } catch (const std::exception& error) {
    err << "korvado-cli: " << error.what() << "\n";
  }
  return 2;
}

}  // namespace korvado::cli
