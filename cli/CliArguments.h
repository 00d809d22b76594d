#pragma once
// The command line of korvado-cli: a command, its positional arguments and its options.

#include <cstddef>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace korvado::cli {

struct CliArguments {
  std::string command;
  std::vector<std::string> positional;
  // Options given once, by name without the dashes.
  std::map<std::string, std::string> options;
  // Every value of a repeatable option (--fixed), in order.
  std::vector<std::string> fixed;
  bool rebuildPoints = false;
  bool technical = false;
  bool leastSquares = false;  // --lsq: adjust by least squares before drawing the diagram or writing the report
  // Writing commands keep the file they replace as NAME.kor.bak unless --no-backup.
  bool noBackup = false;
  // --draft: a statement of heights that are not adjusted, stamped as such.
  bool draft = false;
  bool sectionsByMisclosure = false;
  bool help = false;
};

// Raises UsageError for an unknown option or a missing value.
CliArguments ParseCliArguments(const std::vector<std::string>& args);

class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Raises UsageError unless the command was given exactly count file names.
void RequirePositional(const CliArguments& arguments, size_t count);

// The option as a non-negative integer; raises UsageError naming the option otherwise.
int OptionIndex(const CliArguments& arguments, const std::string& name, int fallback);

}  // namespace korvado::cli
