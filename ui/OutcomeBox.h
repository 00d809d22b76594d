#pragma once
// What an app command refused or warned about, in the standard message boxes.

#include <QWidget>

#include "Outcome.h"

namespace korvado {

// True when nothing was refused.
bool ShowOutcomeBox(QWidget* parent, const Outcome& outcome);

}  // namespace korvado
