#pragma once
// korvado-cli build-net: a net built from the journal into a copy of the file.

#include <ostream>

#include "CliArguments.h"

namespace korvado::cli {

int BuildNetCommand(const CliArguments& arguments, std::ostream& out, std::ostream& err);

}  // namespace korvado::cli
