#pragma once
// korvado-cli as a function, so that tests run it in-process.

#include <ostream>
#include <string>
#include <vector>

#include "CommandLineSettings.h"

namespace korvado::cli {

inline constexpr const char* kOutputFailedMessage =
    "не удалось записать стандартный вывод (диск заполнен или вывод закрыт)";

// Exit status: 0 success, 2 any error (its message on err), including output
// that could not be written to out. `stored` gives what no option says (the
// program reads it from Korvado.ini; tests give their own).
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           const CommandLineSettings& stored = {});

}  // namespace korvado::cli
