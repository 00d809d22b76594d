#pragma once
// A monitoring project computed: each cycle's file read and its net adjusted
// as a free net, the reference benchmarks tested against the first cycle and
// the marks' settlements worked out. Standard C++ only, so the window can run
// it on a worker thread and korvado-cli can run it as it is.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "MonitoringProject.h"
#include "Outcome.h"
#include "Settlements.h"

namespace korvado {

struct CycleSummary {
  std::string file;
  std::string net;
  int32_t day = 0;
  double sigma0 = 0.0;  // a posteriori per setup, or the project's a-priori one without redundancy
  bool aposteriori = false;
  int32_t dof = 0;
  std::string contentHash;
};

struct MonitoringResult {
  std::string object;
  std::vector<std::string> reference;
  std::vector<CycleSummary> cycles;
  SettlementAnalysis analysis;
  // Cycles whose file holds other contents than when the project was last computed.
  std::vector<size_t> changedCycles;
};

// Called after each cycle is read and adjusted (done of total); returning
// false stops the computation.
using ProjectProgress = std::function<bool(size_t done, size_t total)>;

inline constexpr const char* kComputationStopped = "Расчёт проекта прерван.";

// Refused with a message naming the cycle: fewer than two reference
// benchmarks or one named twice, no cycle, a file that is missing or cannot
// be read, a net the file does not have (by exact name), a reference benchmark
// missing from a cycle's net, a part of a net not joined to the reference
// benchmarks; and kComputationStopped when progress says stop.
Result<MonitoringResult> ComputeProject(const MonitoringProject& project, const std::string& projectPath,
                                        const ProjectProgress& progress = {});

// Stores each cycle's content hash, σ₀ and degrees of freedom in the project,
// so that a later change of a cycle's file is noticed.
void RememberComputation(MonitoringProject& project, const MonitoringResult& result);

// The verdict on the reference benchmarks of one cycle, as the view and the
// statement word it.
std::string StabilityVerdict(const MonitoringResult& result, size_t cycle);

}  // namespace korvado
