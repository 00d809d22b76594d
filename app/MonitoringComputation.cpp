#include "MonitoringComputation.h"

#include <cinttypes>
#include <cstdio>
#include <set>

#include "DataFile.h"
#include "FileReplace.h"
#include "FileStamp.h"
#include "ModelErrors.h"
#include "NumberText.h"

namespace korvado {

namespace {

std::string HashText(uint64_t hash) {
  char text[20];
  std::snprintf(text, sizeof text, "%016" PRIx64, hash);
  return text;
}

Outcome ReferenceRefusal(const MonitoringProject& project) {
  if (project.reference.size() < 2)
    return Outcome::Refusal("Выберите не менее двух исходных реперов: устойчивость одного репера проверить не с чем.");
  std::set<std::string> seen;
  for (const std::string& name : project.reference)
    if (!seen.insert(name).second) return Outcome::Refusal("Исходный репер «" + name + "» указан дважды.");
  if (project.cycles.empty()) return Outcome::Refusal("В проекте нет ни одного цикла.");
  return {};
}

std::string CycleName(const ProjectCycle& cycle, size_t index) {
  return "Цикл " + std::to_string(index + 1) + " («" + cycle.file + "»)";
}

// The cycle's net and the hash of the file it came from.
Result<std::pair<TKorNet, std::string>> ReadCycle(const ProjectCycle& cycle, size_t index,
                                                  const std::string& projectPath) {
  const std::string path = CycleFilePath(projectPath, cycle.file);
  TKorData journal;
  TNetList nets;
  std::string hash;
  try {
    const FileContents contents = ReadFileContents(path);
    ReadDataBytes(contents.View(), path, journal, nets);
    hash = HashText(HashFileBytes(contents.View()));
  } catch (const KorvadoError& error) {
    return Outcome::Refusal(CycleName(cycle, index) + ": " + error.what());
  }
  for (int32_t n = 0; n < nets.NetCount(); ++n)
    if (nets.NetAt(n).Name == cycle.net) return std::pair<TKorNet, std::string>(nets.NetAt(n), hash);
  return Outcome::Refusal(CycleName(cycle, index) + ": в файле нет сети «" + cycle.net + "».");
}

}  // namespace

Result<MonitoringResult> ComputeProject(const MonitoringProject& project, const std::string& projectPath,
                                        const ProjectProgress& progress) {
  if (Outcome refusal = ReferenceRefusal(project); refusal.Refused()) return refusal;
  MonitoringResult result{project.object, project.reference, {}, {}, {}};
  std::vector<MonitoringCycle> cycles;
  for (size_t c = 0; c < project.cycles.size(); ++c) {
    const ProjectCycle& cycle = project.cycles[c];
    Result<std::pair<TKorNet, std::string>> read = ReadCycle(cycle, c, projectPath);
    if (!read.HasValue()) return Outcome(read);
    Result<CycleAdjustment> adjusted = AdjustCycle(read->first, project.reference, project.sigmaPerSetup);
    if (!adjusted.HasValue()) return Outcome::Refusal(CycleName(cycle, c) + ": " + adjusted.RefusalText());
    result.cycles.push_back({cycle.file, cycle.net, cycle.day, adjusted->sigma0, adjusted->dof > 0, adjusted->dof,
                             read->second});
    if (cycle.computed && cycle.computed->contentHash != read->second) result.changedCycles.push_back(c);
    cycles.push_back({std::move(*adjusted), cycle.day});
    if (progress && !progress(c + 1, project.cycles.size())) return Outcome::Refusal(kComputationStopped);
  }
  result.analysis = AnalyseSettlements(cycles);
  return result;
}

void RememberComputation(MonitoringProject& project, const MonitoringResult& result) {
  for (size_t c = 0; c < project.cycles.size() && c < result.cycles.size(); ++c) {
    const CycleSummary& summary = result.cycles[c];
    project.cycles[c].computed =
        CycleRecord{summary.contentHash, summary.aposteriori ? std::optional(summary.sigma0) : std::nullopt, summary.dof};
  }
}

std::string StabilityVerdict(const MonitoringResult& result, size_t cycle) {
  if (cycle >= result.analysis.stability.size() || !result.analysis.stability[cycle]) return "исходный цикл";
  const CongruenceResult& test = *result.analysis.stability[cycle];
  if (!test.tested) return "не проверялась: нет избыточных измерений";
  std::string moved;
  for (int32_t r : test.moved) moved += (moved.empty() ? "" : ", ") + result.reference[static_cast<size_t>(r)];
  const std::string figures = "T = " + FormatFixed(2, test.statistic) + (test.passed ? " ≤ " : " > ") +
                              FormatFixed(2, test.critical);
  if (!test.passed) return "устойчивость реперов не подтверждена (" + figures + ")";
  if (moved.empty()) return "реперы устойчивы (" + figures + ")";
  return "сместились: " + moved + "; остальные устойчивы (" + figures + ")";
}

}  // namespace korvado
