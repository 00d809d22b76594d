#pragma once
// Where the commands hand what an operation reported to the message service:
// refusals as error boxes, warnings as warning boxes, in the order reported.

#include "Outcome.h"

namespace korvado {

// True when nothing was refused, so that a command can go on with the value.
bool ShowOutcome(const Outcome& outcome);

}  // namespace korvado
