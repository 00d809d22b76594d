#pragma once

#include <string>

namespace korvado::cli {

// The usage text of one command, or of the whole program for an empty or unknown name.
std::string HelpText(const std::string& command);
bool IsKnownCommand(const std::string& command);

}  // namespace korvado::cli
