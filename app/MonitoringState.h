#pragma once
// The monitoring project open in the program, beside the data file: its
// file, its contents and the results of its last computation.

#include <memory>
#include <optional>
#include <string>

#include "MonitoringComputation.h"
#include "MonitoringProject.h"

namespace korvado {

struct MonitoringState {
  std::optional<MonitoringProject> Project;
  std::string Path;  // the project file; every change is written there at once
  // The last results taken, shared with a view that may outlive a recomputation.
  std::shared_ptr<const MonitoringResult> Results;
};

}  // namespace korvado
