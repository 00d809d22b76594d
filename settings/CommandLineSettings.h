#pragma once
// What korvado-cli takes from Korvado.ini, the file the windowed program
// keeps: its defaults where no option says otherwise.

#include "Tolerance.h"

namespace korvado {

struct CommandLineSettings {
  double sigmaPerSetup = 0.5;
  Tolerance tolerance;
  bool backup = true;
};

// From the file where the windows keep it (LocateSettingsFile); the defaults
// above when there is none.
CommandLineSettings ReadCommandLineSettings();

}  // namespace korvado
