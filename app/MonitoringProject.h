#pragma once
// The monitoring project («Проект мониторинга»): the object, its reference
// benchmarks and its cycles, each a data file, a net in it and a date. Kept
// in a small UTF-8 JSON file of its own with the cycles' files relative to it,
// so that a folder of project and data files can be moved as a whole.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Outcome.h"

namespace korvado {

inline constexpr const char* kProjectFileFilter = "Проект мониторинга Korvado (*.kmon)";
inline constexpr const char* kProjectExtension = ".kmon";

// What the last computation found in a cycle's file, to notice a later change.
struct CycleRecord {
  std::string contentHash;  // of the whole data file, hexadecimal
  std::optional<double> sigma0;
  int32_t dof = 0;
  bool operator==(const CycleRecord&) const = default;
};

struct ProjectCycle {
  std::string file;  // relative to the project file's folder, '/' between names
  std::string net;
  int32_t day = 0;   // days since 1970-01-01
  std::optional<CycleRecord> computed;
  bool operator==(const ProjectCycle&) const = default;
};

struct MonitoringProject {
  std::string object;
  std::vector<std::string> reference;  // the reference benchmarks
  double sigmaPerSetup = 0.5;          // a priori, mm, for cycles without redundancy
  std::vector<ProjectCycle> cycles;    // in date order
  bool operator==(const MonitoringProject&) const = default;
};

std::string ProjectJson(const MonitoringProject& project);
// Refused with a message naming the fault: not JSON, a missing or mistyped field, a bad date.
Result<MonitoringProject> ParseProjectJson(std::string_view text);

// Raises FileIOError when the file cannot be read; a file that is not a
// project is refused.
Result<MonitoringProject> LoadProject(const std::string& path);
// Written whole or not at all, as the data files are (FileIOError otherwise).
void SaveProject(const MonitoringProject& project, const std::string& path);

// A cycle's file as the project stores it (relative to the project's folder),
// and back as a path to open.
std::string RelativeCycleFile(const std::string& projectPath, const std::string& file);
std::string CycleFilePath(const std::string& projectPath, const std::string& file);

// Keeps the cycles in date order; a cycle of the same date goes after those already there.
void InsertCycle(MonitoringProject& project, ProjectCycle cycle);

}  // namespace korvado
