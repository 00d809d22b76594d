#include "ImportCommand.h"

#include <algorithm>
#include <nlohmann/json.hpp>

#include "CliOutcome.h"
#include "FileCommands.h"
#include "LevelImportCommands.h"
#include "ModelErrors.h"

namespace korvado::cli {

namespace {

using Json = nlohmann::ordered_json;

AppState TargetState(const CliArguments& arguments) {
  AppState state;
  const auto into = arguments.options.find("into");
  if (into == arguments.options.end()) {
    state.Journal.TechMode = arguments.technical;
    return state;
  }
  if (arguments.technical) throw UsageError("--technical is for a new journal; with --into the file's mode holds");
  Require(OpenNamedDataFile(state, into->second));
  return state;
}

Json LineJson(const LevelLinePreview& line, bool imported) {
  return {{"start", line.Start},
          {"end", line.End},
          {"method", line.Method},
          {"stations", line.Stations},
          {"height", line.Height ? Json(*line.Height) : Json(nullptr)},
          {"imported", imported},
          {"reason", line.Importable() ? Json(nullptr) : Json(line.Refusal)}};
}

}  // namespace

// Every line the journal can take goes in; the others are listed with the reason.
int ImportCommand(const CliArguments& arguments, std::ostream& out, std::ostream& err) {
  RequirePositional(arguments, 1);
  const auto output = arguments.options.find("out");
  if (output == arguments.options.end()) throw UsageError("--out OUT.kor is required");
  AppState state = TargetState(arguments);
  const LevelImport import = PrepareLevelImport(state, arguments.positional[0]);
  std::vector<bool> ticked;
  for (const LevelLinePreview& line : import.Lines) ticked.push_back(line.Importable());
  // Nothing to import is a failure: no file is written and the reasons are said.
  if (std::find(ticked.begin(), ticked.end(), true) == ticked.end()) {
    err << "korvado-cli: " << NothingImportedMessage(import) << "\n";
    return 2;
  }
  Require(ImportLevelLines(state, import, ticked, -1));
  SaveDataFileAs(state, output->second, SaveOptions{.Backup = !arguments.noBackup});
  Json lines = Json::array();
  for (size_t i = 0; i < import.Lines.size(); ++i) lines.push_back(LineJson(import.Lines[i], ticked[i]));
  out << Json{{"lines", lines}}.dump(2) << "\n";
  return 0;
}

}  // namespace korvado::cli
