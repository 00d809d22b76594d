#pragma once
// The folder the running executable was started from: where a portable
// install keeps its settings and where korvado-cli finds its PDF module.

#include <string>

namespace korvado {

// UTF-8; empty when the system does not say.
std::string ProgramFolder();

}  // namespace korvado
