#pragma once
// korvado-cli settlement: a monitoring project computed and printed as JSON,
// its statement written, or a new project file written from the command line.

#include <ostream>

#include "CliArguments.h"

namespace korvado::cli {

int SettlementCommand(const CliArguments& arguments, std::ostream& out, std::ostream& err);

}  // namespace korvado::cli
