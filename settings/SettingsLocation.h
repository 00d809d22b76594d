#pragma once
// Where Korvado.ini lives. A desktop program keeps its settings in the user's
// configuration folder (QStandardPaths::AppConfigLocation: ~/.config/Korvado
// on Linux, AppData/Local/Korvado on Windows) however it was started; a
// Korvado.ini beside the executable makes a portable install and wins.

#include <QString>

namespace korvado {

// The file to read and write. With no file in
// the configuration folder yet, a Korvado.ini in the current folder, where
// the program kept it before, is copied there once so that nothing is lost.
QString LocateSettingsFile();
// The same from the three folders named.
QString LocateSettingsFile(const QString& programFolder, const QString& configFolder, const QString& workingFolder);

}  // namespace korvado
