#include "CliOutcome.h"

#include "ModelErrors.h"

namespace korvado::cli {

namespace {
std::ostream* warnings = nullptr;
}

WarningStream::WarningStream(std::ostream& err) { warnings = &err; }
WarningStream::~WarningStream() { warnings = nullptr; }

void Require(const Outcome& outcome) {
  if (outcome.Refused()) throw KorvadoError(outcome.RefusalText());
  if (!warnings) return;
  for (const Notice& notice : outcome.Notices()) *warnings << "korvado-cli: " << notice.text << "\n";
}

}  // namespace korvado::cli
