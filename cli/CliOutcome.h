#pragma once
// The one place where korvado-cli meets what a command reported: a refusal
// ends the command (RunCli prints it and exits with status 2), a warning goes
// to the error stream and the command goes on.

#include <ostream>
#include <utility>

#include "Outcome.h"

namespace korvado::cli {

// Where warnings go while RunCli runs a command.
class WarningStream {
 public:
  explicit WarningStream(std::ostream& err);
  ~WarningStream();
  WarningStream(const WarningStream&) = delete;
  WarningStream& operator=(const WarningStream&) = delete;
};

// Prints the warnings; a refusal raises KorvadoError with its text.
void Require(const Outcome& outcome);

template <class T>
T Take(Result<T> result) {
  Require(result);
  return std::move(*result);
}

}  // namespace korvado::cli
