#include "CommandLineSettings.h"

#include <QCoreApplication>
#include <memory>

#include "SettingsLocation.h"
#include "StoredChoices.h"

namespace korvado {

namespace {

int argumentCount = 1;
char programName[] = "korvado-cli";
char* arguments[] = {programName, nullptr};

}  // namespace

CommandLineSettings ReadCommandLineSettings() {
  // The program's folder and the user's folders come from Qt, which wants an
  // application object; it goes again before any command needs its own.
  std::unique_ptr<QCoreApplication> application;
  if (!QCoreApplication::instance()) application = std::make_unique<QCoreApplication>(argumentCount, arguments);
  const SettingsFile ini(LocateSettingsFile());
  return {ReadSigmaPerSetup(ini), ReadTolerance(ini), ReadBackupChoice(ini)};
}

}  // namespace korvado
