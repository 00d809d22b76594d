#include "CliArguments.h"

#include <set>

#include "DocumentOptions.h"
#include "ModelErrors.h"
#include "NumberText.h"

namespace korvado::cli {

namespace {

const std::set<std::string> kValueOptions = {"net",         "section", "sweeps", "save",   "decimal-separator", "fixed",
                                             "pdf",         "html",    "into",   "out",    "sigma-setup",       "class",
                                             "coefficient", "svg",     "xlsx",   "heights"};

// --object, --computed-by, …: the fields of the title block.
bool IsValueOption(const std::string& name) {
  if (kValueOptions.count(name)) return true;
  for (const TitleField& field : kTitleFields)
    if (name == field.key) return true;
  return false;
}

}  // namespace

CliArguments ParseCliArguments(const std::vector<std::string>& args) {
  CliArguments parsed;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help" || arg == "-h") {
      parsed.help = true;
    } else if (arg == "--rebuild-points") {
      parsed.rebuildPoints = true;
    } else if (arg == "--technical") {
      parsed.technical = true;
    } else if (arg == "--lsq") {
      parsed.leastSquares = true;
    } else if (arg == "--no-backup") {
      parsed.noBackup = true;
    } else if (arg == "--draft") {
      parsed.draft = true;
    } else if (arg == "--sections-by-w") {
      parsed.sectionsByMisclosure = true;
    } else if (arg.rfind("--", 0) == 0) {
      const std::string name = arg.substr(2);
      if (!IsValueOption(name)) throw UsageError("unknown option " + arg);
      if (i + 1 >= args.size()) throw UsageError("option " + arg + " needs a value");
      const std::string& value = args[++i];
      if (name == "fixed")
        parsed.fixed.push_back(value);
      else
        parsed.options[name] = value;
    } else if (parsed.command.empty()) {
      parsed.command = arg;
    } else {
      parsed.positional.push_back(arg);
    }
  }
  return parsed;
}

void RequirePositional(const CliArguments& arguments, size_t count) {
  if (arguments.positional.size() != count)
    throw UsageError("'" + arguments.command + "' needs " + std::to_string(count) + " file name" +
                     (count > 1 ? "s" : "") + "; see korvado-cli " + arguments.command + " --help");
}

int OptionIndex(const CliArguments& arguments, const std::string& name, int fallback) {
  const auto found = arguments.options.find(name);
  if (found == arguments.options.end()) return fallback;
  try {
    const int value = ParseInteger(found->second);
    if (value >= 0) return value;
  } catch (const ConversionError&) {
  }
  throw UsageError("--" + name + " needs a number from 0, not '" + found->second + "'");
}

}  // namespace korvado::cli
