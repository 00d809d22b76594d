#include "MonitoringProject.h"

#include <algorithm>
#include <filesystem>
#include <nlohmann/json.hpp>

#include "CycleDate.h"
#include "FileReplace.h"
#include "Utf8Path.h"

namespace korvado {

namespace {

using Json = nlohmann::ordered_json;

constexpr const char* kFormat = "korvado-monitoring";
constexpr int kVersion = 1;

Json CycleJson(const ProjectCycle& cycle) {
  Json json{{"file", cycle.file}, {"net", cycle.net}, {"date", CycleDateText(cycle.day)}};
  if (cycle.computed)
    json["computed"] = {{"hash", cycle.computed->contentHash},
                        {"sigma0", cycle.computed->sigma0 ? Json(*cycle.computed->sigma0) : Json(nullptr)},
                        {"dof", cycle.computed->dof}};
  return json;
}

// The field's value, or a refusal naming where it is missing or of another type.
template <class T>
T Field(const Json& json, const char* key, const std::string& where) {
  if (!json.is_object() || !json.contains(key)) throw std::invalid_argument("нет поля «" + std::string(key) + "»" + where);
  try {
    return json.at(key).get<T>();
  } catch (const nlohmann::json::exception&) {
    throw std::invalid_argument("поле «" + std::string(key) + "»" + where + " неверного типа");
  }
}

ProjectCycle ParseCycle(const Json& json, size_t number) {
  const std::string where = " у цикла " + std::to_string(number);
  ProjectCycle cycle;
  cycle.file = Field<std::string>(json, "file", where);
  cycle.net = Field<std::string>(json, "net", where);
  const std::string date = Field<std::string>(json, "date", where);
  const std::optional<int32_t> day = ParseCycleDate(date);
  if (!day) throw std::invalid_argument("дата «" + date + "»" + where + " не в виде ГГГГ-ММ-ДД");
  cycle.day = *day;
  if (json.contains("computed")) {
    const Json& computed = json.at("computed");
    CycleRecord record;
    record.contentHash = Field<std::string>(computed, "hash", where);
    if (computed.contains("sigma0") && !computed.at("sigma0").is_null())
      record.sigma0 = Field<double>(computed, "sigma0", where);
    record.dof = Field<int32_t>(computed, "dof", where);
    cycle.computed = record;
  }
  return cycle;
}

}  // namespace

std::string ProjectJson(const MonitoringProject& project) {
  Json cycles = Json::array();
  for (const ProjectCycle& cycle : project.cycles) cycles.push_back(CycleJson(cycle));
  const Json json{{"format", kFormat},         {"version", kVersion},
                  {"object", project.object},  {"reference", project.reference},
                  {"sigmaPerSetup", project.sigmaPerSetup}, {"cycles", cycles}};
  return json.dump(2) + "\n";
}

Result<MonitoringProject> ParseProjectJson(std::string_view text) {
  const Json json = Json::parse(text, nullptr, false);
  if (json.is_discarded() || !json.is_object() || !json.contains("format") || json.at("format") != kFormat)
    return Outcome::Refusal("Это не файл проекта мониторинга Korvado.");
  try {
    if (Field<int>(json, "version", "") > kVersion)
      return Outcome::Refusal("Файл проекта записан более новой версией программы.");
    MonitoringProject project;
    project.object = Field<std::string>(json, "object", "");
    project.reference = Field<std::vector<std::string>>(json, "reference", "");
    project.sigmaPerSetup = Field<double>(json, "sigmaPerSetup", "");
    if (!(project.sigmaPerSetup > 0.0)) throw std::invalid_argument("СКО на штатив должна быть положительной");
    const Json& cycles = json.at("cycles");
    if (!cycles.is_array()) throw std::invalid_argument("поле «cycles» неверного типа");
    for (size_t k = 0; k < cycles.size(); ++k) project.cycles.push_back(ParseCycle(cycles[k], k + 1));
    std::stable_sort(project.cycles.begin(), project.cycles.end(),
                     [](const ProjectCycle& a, const ProjectCycle& b) { return a.day < b.day; });
    return project;
  } catch (const std::exception& error) {
    return Outcome::Refusal(std::string("Файл проекта мониторинга повреждён: ") + error.what() + ".");
  }
}

Result<MonitoringProject> LoadProject(const std::string& path) {
  return ParseProjectJson(ReadFileContents(path).View());
}

void SaveProject(const MonitoringProject& project, const std::string& path) {
  ReplaceFileContents(path, ProjectJson(project));
}

std::string RelativeCycleFile(const std::string& projectPath, const std::string& file) {
  namespace fs = std::filesystem;
  std::error_code error;
  const fs::path folder = fs::weakly_canonical(fs::absolute(PathFromUtf8(projectPath)).parent_path(), error);
  const fs::path target = fs::weakly_canonical(fs::absolute(PathFromUtf8(file)), error);
  const fs::path relative = target.lexically_relative(folder);
  // Another drive or root has no relative path: the file stays where it is named.
  // Stored with forward slashes, so that a project moves between systems.
  return Utf8FromPath((relative.empty() ? target : relative).generic_u8string());
}

std::string CycleFilePath(const std::string& projectPath, const std::string& file) {
  namespace fs = std::filesystem;
  const fs::path stored = PathFromUtf8(file);
  if (stored.is_absolute()) return file;
  return Utf8FromPath((fs::absolute(PathFromUtf8(projectPath)).parent_path() / stored).lexically_normal());
}

void InsertCycle(MonitoringProject& project, ProjectCycle cycle) {
  const auto after = std::upper_bound(project.cycles.begin(), project.cycles.end(), cycle.day,
                                      [](int32_t day, const ProjectCycle& c) { return day < c.day; });
  project.cycles.insert(after, std::move(cycle));
}

}  // namespace korvado
