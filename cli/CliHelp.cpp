#include "CliHelp.h"

#include <map>

namespace korvado::cli {

namespace {

const std::map<std::string, std::string> kCommandHelp = {
    {"dump",
     "usage: korvado-cli dump FILE\n"
     "Prints the whole data file as JSON: the mode, the journal records and setups, and the nets\n"
     "with their sections, runs, pendent runs and points.\n"},
    {"check",
     "usage: korvado-cli check FILE\n"
     "Checks the data file as the program does when opening it. Prints \"ok\" and exits 0, or prints\n"
     "what is wrong on standard error and exits 2. Values that are not finite numbers (NaN,\n"
     "infinity) are listed there one per line.\n"},
    {"resave",
     "usage: korvado-cli resave IN OUT [--no-backup]\n"
     "Reads IN and writes its data to OUT; OUT is replaced only after a complete write. An OUT\n"
     "that existed is kept first as OUT.bak unless --no-backup is given.\n"},
    {"adjust",
     "usage: korvado-cli adjust FILE --net N [--rebuild-points] [--fixed NAME=VALUE]... [--sweeps K]\n"
     "                          [--save OUT [--no-backup]] [--decimal-separator C]\n"
     "On net N (from 0): optionally rebuilds the point table with zero elevations, sets each fixed\n"
     "point's elevation, then runs K adjustment sweeps (default 1). Prints JSON with the mean square\n"
     "error of every sweep and the points after the last one. --save writes the adjusted data,\n"
     "keeping an OUT that existed as OUT.bak unless --no-backup is given.\n"},
    {"report",
     "usage: korvado-cli report FILE --net N [--section S] [--decimal-separator C]\n"
     "Prints the elevation table of section S of net N, or without --section the whole net's\n"
     "report, one \"name<TAB>elevation\" line per row.\n"},
};

}  // namespace

bool IsKnownCommand(const std::string& command) { return kCommandHelp.count(command) > 0; }

std::string HelpText(const std::string& command) {
  const auto found = kCommandHelp.find(command);
  if (found != kCommandHelp.end()) return found->second;
  return "usage: korvado-cli COMMAND [ARGUMENTS]\n"
         "Batch work with Korvado data files (.kor).\n\n"
         "Commands:\n"
         "  dump FILE             the whole file as JSON\n"
         "  check FILE            checks the file; \"ok\" or the reason\n"
         "  resave IN OUT         reads and writes again\n"
         "  adjust FILE --net N   point table, fixed elevations and adjustment sweeps\n"
         "  report FILE --net N   the elevation table of a section or the net report\n\n"
         "Numbers are printed with \".\" unless --decimal-separator gives another character.\n"
         "korvado-cli COMMAND --help describes one command.\n";
}

}  // namespace korvado::cli
