#pragma once
// The one place the windows show what a command reported: refusals as error
// boxes, warnings as warning boxes, in the order reported, over the window
// the user is working in.

#include "Outcome.h"

namespace korvado {

// True when nothing was refused, so that the window can go on with the value.
bool ShowOutcome(const Outcome& outcome);

}  // namespace korvado
