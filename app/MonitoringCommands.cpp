#include "MonitoringCommands.h"

#include <algorithm>
#include <set>

#include "CycleDate.h"
#include "DataFile.h"
#include "LevellingObservations.h"
#include "ModelErrors.h"
#include "NaturalOrder.h"

namespace korvado {

namespace {

constexpr const char* kNoProject = "Проект мониторинга не открыт. Создайте или откройте проект.";

std::string WithExtension(const std::string& path) {
  const std::string extension = kProjectExtension;
  const bool has = path.size() >= extension.size() && path.compare(path.size() - extension.size(), extension.size(), extension) == 0;
  return has ? path : path + extension;
}

// Every change is written at once; a failed write leaves the state as it was.
void Store(AppState& state, MonitoringProject project) {
  SaveProject(project, state.Monitoring.Path);
  state.Monitoring.Project = std::move(project);
  // Results of other cycles or benchmarks no longer describe the project.
  state.Monitoring.Results.reset();
}

Result<TNetList> ReadNets(const std::string& path) {
  TKorData journal;
  TNetList nets;
  try {
    ReadDataFile(path, journal, nets);
  } catch (const KorvadoError& error) {
    return Outcome::Refusal(error.what());
  }
  return nets;
}

}  // namespace

Outcome CreateProject(AppState& state, const std::string& path, const std::string& object) {
  MonitoringProject project;
  project.object = object;
  const std::string file = WithExtension(path);
  SaveProject(project, file);
  state.Monitoring = {std::move(project), file, nullptr};
  return {};
}

Outcome OpenProject(AppState& state, const std::string& path) {
  Result<MonitoringProject> project = LoadProject(path);
  if (!project.HasValue()) return Outcome(project);
  state.Monitoring = {std::move(*project), path, nullptr};
  return {};
}

Result<std::vector<std::string>> NetNamesInFile(const std::string& path) {
  Result<TNetList> nets = ReadNets(path);
  if (!nets.HasValue()) return Outcome(nets);
  std::vector<std::string> names;
  for (int32_t n = 0; n < nets->NetCount(); ++n) names.push_back(nets->NetAt(n).Name);
  if (names.empty()) return Outcome::Refusal("В файле «" + path + "» нет ни одной сети.");
  return names;
}

Result<std::vector<std::string>> CyclePointNames(const AppState& state, size_t cycle) {
  if (!state.Monitoring.Project || cycle >= state.Monitoring.Project->cycles.size())
    return Outcome::Refusal("В проекте нет цикла, из сети которого можно выбрать реперы.");
  const ProjectCycle& chosen = state.Monitoring.Project->cycles[cycle];
  Result<TNetList> nets = ReadNets(CycleFilePath(state.Monitoring.Path, chosen.file));
  if (!nets.HasValue()) return Outcome(nets);
  for (int32_t n = 0; n < nets->NetCount(); ++n)
    if (nets->NetAt(n).Name == chosen.net) {
      Result<LevellingNetwork> network = NetObservations(nets->NetAt(n));
      if (!network.HasValue()) return Outcome(network);
      std::vector<std::string> names;
      for (size_t k : NaturalSortOrder(network->names)) names.push_back(network->names[k]);
      return names;
    }
  return Outcome::Refusal("В файле «" + chosen.file + "» нет сети «" + chosen.net + "».");
}

std::vector<std::vector<std::string>> ProjectCycleRows(const MonitoringProject& project) {
  std::vector<std::vector<std::string>> rows;
  for (const ProjectCycle& cycle : project.cycles) rows.push_back({CycleDateRussian(cycle.day), cycle.file, cycle.net});
  return rows;
}

Outcome AddProjectCycle(AppState& state, const std::string& file, const std::string& net, const std::string& date) {
  if (!state.Monitoring.Project) return Outcome::Refusal(kNoProject);
  const std::optional<int32_t> day = ParseCycleDate(date);
  if (!day) return Outcome::Refusal("Дата цикла «" + date + "» не существует или записана не в виде ГГГГ-ММ-ДД.");
  Result<std::vector<std::string>> nets = NetNamesInFile(file);
  if (!nets.HasValue()) return Outcome(nets);
  if (std::find(nets->begin(), nets->end(), net) == nets->end())
    return Outcome::Refusal("В файле «" + file + "» нет сети «" + net + "».");
  MonitoringProject project = *state.Monitoring.Project;
  InsertCycle(project, {RelativeCycleFile(state.Monitoring.Path, file), net, *day, std::nullopt});
  Store(state, std::move(project));
  return {};
}

Outcome RemoveProjectCycle(AppState& state, size_t cycle) {
  if (!state.Monitoring.Project) return Outcome::Refusal(kNoProject);
  if (cycle >= state.Monitoring.Project->cycles.size()) return Outcome::Refusal("Выберите цикл, который нужно удалить.");
  MonitoringProject project = *state.Monitoring.Project;
  project.cycles.erase(project.cycles.begin() + static_cast<std::ptrdiff_t>(cycle));
  Store(state, std::move(project));
  return {};
}

Outcome SetProjectReference(AppState& state, const std::vector<std::string>& names) {
  if (!state.Monitoring.Project) return Outcome::Refusal(kNoProject);
  if (names.size() < 2)
    return Outcome::Refusal("Выберите не менее двух исходных реперов: устойчивость одного репера проверить не с чем.");
  std::set<std::string> seen;
  for (const std::string& name : names)
    if (name.empty() || !seen.insert(name).second)
      return Outcome::Refusal("Имя исходного репера «" + name + "» пустое или повторяется.");
  MonitoringProject project = *state.Monitoring.Project;
  project.reference = names;
  Store(state, std::move(project));
  return {};
}

Outcome SetProjectObject(AppState& state, const std::string& object) {
  if (!state.Monitoring.Project) return Outcome::Refusal(kNoProject);
  MonitoringProject project = *state.Monitoring.Project;
  project.object = object;
  SaveProject(project, state.Monitoring.Path);
  state.Monitoring.Project = std::move(project);
  return {};
}

void TakeProjectResults(AppState& state, MonitoringResult results) {
  if (!state.Monitoring.Project) return;
  MonitoringProject project = *state.Monitoring.Project;
  RememberComputation(project, results);
  SaveProject(project, state.Monitoring.Path);
  state.Monitoring.Project = std::move(project);
  state.Monitoring.Results = std::make_shared<const MonitoringResult>(std::move(results));
}

}  // namespace korvado
