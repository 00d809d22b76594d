#include <iostream>

#include "CliCommands.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  return korvado::cli::RunCli(args, std::cout, std::cerr);
}
