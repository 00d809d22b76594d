#pragma once
// Where Korvado.ini lives. A desktop program keeps its settings in the user's
// configuration folder (~/.config/Korvado on Linux, or under
// $XDG_CONFIG_HOME; AppData/Local/Korvado on Windows: the folder Qt names the
// program Korvado's configuration) however it was started; a Korvado.ini
// beside the executable makes a portable install and wins. Without Qt, so
// that korvado-cli finds the file the windows keep without loading Qt.
// Paths are UTF-8.

#include <string>

namespace korvado {

// The file to read and write. With no file in the configuration folder yet, a
// Korvado.ini in the current folder, where the program kept it before, is
// copied there once so that nothing is lost.
std::string LocateSettingsFile();
// The same from the three folders named.
std::string LocateSettingsFile(const std::string& programFolder, const std::string& configFolder,
                               const std::string& workingFolder);

// The user's configuration folder for Korvado (not made here).
std::string UserConfigFolder();

}  // namespace korvado
