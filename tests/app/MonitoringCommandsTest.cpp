#include <gtest/gtest.h>

#include <filesystem>

#include "DataFile.h"
#include "MonitoringCommands.h"
#include "MonitoringNets.h"
#include "TempFolder.h"

namespace korvado {
namespace {

using monitoringnets::CycleNet;

// Three cycle files in a folder: the second with its net under another name
// beside a decoy net, the third with Rp3 lifted by 3 mm.
class MonitoringProjectFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    Write("c1.kor", CycleNet(31, 0, 0));
    TNetList nets;
    nets.NetAt(*nets.AddNet("Другая")) = CycleNet(1, 0, 0, "Другая");
    nets.NetAt(*nets.AddNet("Второй")) = CycleNet(32, 0, 0.5, "Второй");
    WriteDataFile(folder.File("c2.kor"), TKorData(), nets);
    Write("c3.kor", CycleNet(33, 3.0, 1.0));
  }
  void Write(const std::string& name, const TKorNet& net) {
    TNetList nets;
    nets.NetAt(*nets.AddNet(net.Name)) = net;
    WriteDataFile(folder.File(name), TKorData(), nets);
  }
  // The project with its cycles added out of date order.
  void BuildProject() {
    ASSERT_TRUE(CreateProject(state, folder.File("Дом"), "Дом на Садовой").Ok());
    ASSERT_TRUE(AddProjectCycle(state, folder.File("c3.kor"), "Цикл", "2026-07-09").Ok());
    ASSERT_TRUE(AddProjectCycle(state, folder.File("c1.kor"), "Цикл", "2026-01-10").Ok());
    ASSERT_TRUE(AddProjectCycle(state, folder.File("c2.kor"), "Второй", "2026-03-11").Ok());
    ASSERT_TRUE(SetProjectReference(state, monitoringnets::kReference).Ok());
  }

  TempFolder folder;
  AppState state;
};

TEST_F(MonitoringProjectFiles, ProjectIsKeptRelativeInDateOrderAndNoticesChangedCycleFiles) {
  BuildProject();
  EXPECT_EQ(state.Monitoring.Path, folder.File("Дом.kmon"));
  const MonitoringProject& project = *state.Monitoring.Project;
  ASSERT_EQ(project.cycles.size(), 3u);
  EXPECT_EQ(project.cycles[0].file, "c1.kor");
  EXPECT_EQ(project.cycles[1].net, "Второй");
  EXPECT_EQ(project.cycles[2].file, "c3.kor");

  Result<MonitoringResult> computed = ComputeProject(project, state.Monitoring.Path);
  ASSERT_TRUE(computed.HasValue()) << computed.RefusalText();
  EXPECT_TRUE(computed->changedCycles.empty());
  ASSERT_TRUE(computed->analysis.stability[2]);
  EXPECT_EQ(computed->analysis.stability[2]->moved, std::vector<int32_t>{2});
  TakeProjectResults(state, std::move(*computed));
  ASSERT_TRUE(state.Monitoring.Results);

  // The folder moves as a whole; the project still finds its cycles and remembers what they held.
  const std::filesystem::path moved = folder.Path() / PathFromUtf8("архив");
  std::filesystem::create_directory(moved);
  for (const char* name : {"Дом.kmon", "c1.kor", "c2.kor", "c3.kor"})
    std::filesystem::rename(folder.Path() / PathFromUtf8(name), moved / PathFromUtf8(name));
  AppState reopened;
  ASSERT_TRUE(OpenProject(reopened, Utf8FromPath(moved / PathFromUtf8("Дом.kmon"))).Ok());
  EXPECT_EQ(*reopened.Monitoring.Project, *state.Monitoring.Project);
  ASSERT_TRUE(reopened.Monitoring.Project->cycles[1].computed);

  Write("архив/c2.kor", CycleNet(99, 0, 0.7, "Второй"));
  computed = ComputeProject(*reopened.Monitoring.Project, reopened.Monitoring.Path);
  ASSERT_TRUE(computed.HasValue()) << computed.RefusalText();
  EXPECT_EQ(computed->changedCycles, std::vector<size_t>{1});
}

TEST_F(MonitoringProjectFiles, BadCyclesAndBenchmarksAreRefusedAndChangeNothing) {
  BuildProject();
  const MonitoringProject before = *state.Monitoring.Project;
  const std::string written = ReadBytes(state.Monitoring.Path);
  EXPECT_FALSE(AddProjectCycle(state, folder.File("нет.kor"), "Цикл", "2026-08-01").Ok());
  EXPECT_FALSE(AddProjectCycle(state, folder.File("c1.kor"), "Нет такой", "2026-08-01").Ok());
  EXPECT_FALSE(AddProjectCycle(state, folder.File("c1.kor"), "Цикл", "2026-02-30").Ok());
  EXPECT_FALSE(SetProjectReference(state, {"Rp1"}).Ok());
  EXPECT_FALSE(SetProjectReference(state, {"Rp1", "Rp1"}).Ok());
  EXPECT_FALSE(RemoveProjectCycle(state, 3).Ok());
  EXPECT_EQ(*state.Monitoring.Project, before);
  EXPECT_EQ(ReadBytes(state.Monitoring.Path), written);

  // What only the computation finds: a benchmark a cycle lacks, a file gone since.
  MonitoringProject project = before;
  project.reference.push_back("Rp9");
  Result<MonitoringResult> refused = ComputeProject(project, state.Monitoring.Path);
  ASSERT_FALSE(refused.HasValue());
  EXPECT_NE(refused.RefusalText().find("Цикл 1"), std::string::npos) << refused.RefusalText();
  EXPECT_NE(refused.RefusalText().find("«Rp9»"), std::string::npos) << refused.RefusalText();
  std::filesystem::remove(PathFromUtf8(folder.File("c3.kor")));
  refused = ComputeProject(before, state.Monitoring.Path);
  ASSERT_FALSE(refused.HasValue());
  EXPECT_NE(refused.RefusalText().find("Цикл 3"), std::string::npos) << refused.RefusalText();
  // A stop asked for ends the computation with its own refusal.
  refused = ComputeProject(before, state.Monitoring.Path, [](size_t, size_t) { return false; });
  EXPECT_EQ(refused.RefusalText(), kComputationStopped);
}

TEST(MonitoringProjectFile, DamagedProjectFilesAreRefusedWithTheReason) {
  const struct {
    const char* text;
    const char* reason;
  } cases[] = {{"не JSON", "не файл проекта"},
               {R"({"format":"korvado-monitoring","version":1})", "«object»"},
               {R"({"format":"korvado-monitoring","version":1,"object":"О","reference":["A","B"],"sigmaPerSetup":0.5,
                   "cycles":[{"file":"a.kor","net":"N","date":"2026-02-30"}]})",
                "2026-02-30"},
               {R"({"format":"korvado-monitoring","version":1,"object":"О","reference":"A","sigmaPerSetup":0.5,"cycles":[]})",
                "«reference»"},
               {R"({"format":"korvado-monitoring","version":9,"object":"О"})", "более новой"}};
  for (const auto& c : cases) {
    Result<MonitoringProject> parsed = ParseProjectJson(c.text);
    ASSERT_FALSE(parsed.HasValue()) << c.text;
    EXPECT_NE(parsed.RefusalText().find(c.reason), std::string::npos) << parsed.RefusalText();
  }
}

}  // namespace
}  // namespace korvado
