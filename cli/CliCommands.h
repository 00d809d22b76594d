#pragma once
// korvado-cli as a function, so that tests run it in-process.

#include <ostream>
#include <string>
#include <vector>

namespace korvado::cli {

// Exit status: 0 success, 2 any error (its message on err).
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace korvado::cli
