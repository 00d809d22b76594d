#include "CommandLineSettings.h"

#include "IniSnapshot.h"
#include "SettingsLocation.h"
#include "StoredChoices.h"

namespace korvado {

CommandLineSettings ReadCommandLineSettings() {
  const IniSnapshot ini = IniSnapshot::Read(LocateSettingsFile());
  return {ReadSigmaPerSetup(ini), ReadTolerance(ini), ReadBackupChoice(ini)};
}

}  // namespace korvado
