#pragma once
// The command line of korvado-cli: a command, its positional arguments and its options.

#include <cstddef>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "CommandLineSettings.h"
#include "Tolerance.h"

namespace korvado::cli {

struct CliArguments {
  std::string command;
  std::vector<std::string> positional;
  // Options given once, by name without the dashes.
  std::map<std::string, std::string> options;
  // Every value of a repeatable option (--fixed), in order.
  std::vector<std::string> fixed;
  // Every --cycle FILE:NET:DATE of settlement --new, in order.
  std::vector<std::string> cycles;
  bool rebuildPoints = false;
  bool technical = false;
  bool leastSquares = false;  // --lsq: adjust by least squares before drawing the diagram or writing the report
  // Writing commands keep the file they replace as NAME.kor.bak unless --no-backup.
  bool noBackup = false;
  // --draft: a statement of heights that are not adjusted, stamped as such.
  bool draft = false;
  bool sectionsByMisclosure = false;
  bool help = false;
  // Korvado.ini's choices, for what no option gives.
  CommandLineSettings stored;
};

// Raises UsageError for an unknown option or a missing value.
CliArguments ParseCliArguments(const std::vector<std::string>& args);

class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Raises UsageError unless the command was given exactly count file names.
void RequirePositional(const CliArguments& arguments, size_t count);

// --class and --coefficient: the class whose tolerance loops and repeated runs are checked against.
Tolerance ToleranceOption(const CliArguments& arguments);

// The option as a non-negative integer; raises UsageError naming the option otherwise.
int OptionIndex(const CliArguments& arguments, const std::string& name, int fallback);

}  // namespace korvado::cli
