#pragma once
// The commands of «Проект мониторинга»: create, open, add and remove cycles,
// choose the reference benchmarks, take a computation's results. A project
// lives in its own file, written whole after every change, so it has no
// unsaved state and no undo of its own; the data file is never touched.
// A refusal changes nothing. FileIOError when the project file cannot be
// read or written.

#include <string>
#include <vector>

#include "AppState.h"
#include "Outcome.h"

namespace korvado {

// A new project of that object written to path (with the extension added
// when missing); it becomes the open project.
Outcome CreateProject(AppState& state, const std::string& path, const std::string& object);
Outcome OpenProject(AppState& state, const std::string& path);

// The names of the nets in a data file, to choose a cycle's net from.
Result<std::vector<std::string>> NetNamesInFile(const std::string& path);
// Names of the points of a cycle's net, in natural order, to choose the reference benchmarks from.
Result<std::vector<std::string>> CyclePointNames(const AppState& state, size_t cycle);

// The cycles as the dialog lists them: date (ДД.ММ.ГГГГ), file, net.
std::vector<std::vector<std::string>> ProjectCycleRows(const MonitoringProject& project);

// Refused: no open project, a file that does not hold the net, a date not YYYY-MM-DD.
Outcome AddProjectCycle(AppState& state, const std::string& file, const std::string& net, const std::string& date);
Outcome RemoveProjectCycle(AppState& state, size_t cycle);
// Refused: fewer than two, a name given twice or empty.
Outcome SetProjectReference(AppState& state, const std::vector<std::string>& names);
Outcome SetProjectObject(AppState& state, const std::string& object);

// Takes a computation of the open project: keeps its results for the view and
// remembers each cycle's file contents in the project file.
void TakeProjectResults(AppState& state, MonitoringResult results);

}  // namespace korvado
