#include <unistd.h>

#include <cstdio>
#include <iostream>

#include "CliCommands.h"
#include "CommandLine.h"

int main(int argc, char** argv) {
  // The results are written in many small pieces: buffered by the stream
  // itself rather than handed to the C library piece by piece.
  std::ios::sync_with_stdio(false);
  korvado::cli::UseUtf8Console();
  const std::vector<std::string> args = korvado::cli::Utf8Arguments(argc, argv);
  const int status = korvado::cli::RunCli(args, std::cout, std::cerr);
  // Some file systems report a failed write only when the file is closed.
  const bool written = std::fflush(stdout) == 0 && !std::ferror(stdout) && ::close(STDOUT_FILENO) == 0;
  if (status == 0 && !written) {
    std::cerr << "korvado-cli: " << korvado::cli::kOutputFailedMessage << "\n";
    return 2;
  }
  return status;
}
