#pragma once
// korvado-cli import: a digital level's file into a journal, as the window's import does.

#include <ostream>

#include "CliArguments.h"

namespace korvado::cli {

int ImportCommand(const CliArguments& arguments, std::ostream& out, std::ostream& err);

}  // namespace korvado::cli
