#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <sstream>

#include "CliCommands.h"
#include "DataFile.h"
#include "MonitoringNets.h"
#include "TempFolder.h"
#include "Utf8Path.h"

namespace korvado::cli {
namespace {

using monitoringnets::CycleNet;

struct CliRun {
  int status;
  std::string out;
  std::string err;
};

CliRun RunCommand(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int status = RunCli(args, out, err);
  return {status, out.str(), err.str()};
}

// Three cycles; M6 is not levelled in the second, Rp3 is lifted in the third.
class CliSettlement : public ::testing::Test {
 protected:
  void SetUp() override {
    Write("c1.kor", CycleNet(41, 0, 0));
    TKorNet second = CycleNet(42, 0, 0.5);
    second.DeleteSection(8);
    second.DeleteSection(7);
    EXPECT_TRUE(second.AddSection("Rp3", "Rp4", kNodalPoint, kNodalPoint, 1250.0, 5, 0));
    EXPECT_TRUE(RebuildPoints(second));
    Write("c2.kor", second);
    Write("c3.kor", CycleNet(43, 3.0, 1.0));
  }
  void Write(const std::string& name, const TKorNet& net) {
    TNetList nets;
    nets.NetAt(*nets.AddNet(net.Name)) = net;
    WriteDataFile(folder.File(name), TKorData(), nets);
  }
  std::vector<std::string> NewProject(const std::string& project, std::vector<std::string> cycles,
                                      const std::string& reference = "Rp1,Rp2,Rp3,Rp4") {
    std::vector<std::string> args{"settlement", "--new", project, "--reference", reference, "--object", "Дом"};
    for (const std::string& cycle : cycles) args.insert(args.end(), {"--cycle", cycle});
    return args;
  }
  std::string Cycle(const std::string& file, const std::string& date, const std::string& net = "Цикл") {
    return folder.File(file) + ":" + net + ":" + date;
  }

  TempFolder folder;
};

TEST_F(CliSettlement, NewProjectIsWrittenAndPrintedWithGapsAndTheMovedBenchmark) {
  const std::string project = folder.File("дом.kmon");
  const CliRun created = RunCommand(NewProject(
      project, {Cycle("c3.kor", "2026-07-09"), Cycle("c1.kor", "2026-01-10"), Cycle("c2.kor", "2026-03-11")}));
  ASSERT_EQ(created.status, 0) << created.err;
  ASSERT_TRUE(std::filesystem::exists(PathFromUtf8(project)));
  EXPECT_NE(ReadBytes(project).find("\"file\": \"c1.kor\""), std::string::npos);

  const CliRun shown = RunCommand({"settlement", project, "--html", folder.File("в.html"), "--pdf", folder.File("в.pdf")});
  ASSERT_EQ(shown.status, 0) << shown.err;
  EXPECT_EQ(shown.out, created.out);
  const auto json = nlohmann::json::parse(shown.out);
  ASSERT_EQ(json["cycles"].size(), 3u);
  EXPECT_EQ(json["cycles"][0]["date"], "2026-01-10");
  EXPECT_EQ(json["cycles"][0]["file"], "c1.kor");
  EXPECT_GT(json["cycles"][0]["dof"].get<int>(), 0);
  ASSERT_EQ(json["stability"].size(), 2u);
  EXPECT_EQ(json["stability"][0]["cycle"], 2);
  EXPECT_EQ(json["stability"][0]["moved"], nlohmann::json::array());
  EXPECT_EQ(json["stability"][1]["moved"], nlohmann::json::array({"Rp3"}));
  EXPECT_EQ(json["stability"][1]["passed"], true);
  ASSERT_EQ(json["marks"].size(), 6u);
  const auto& m6 = json["marks"][5];
  EXPECT_EQ(m6["name"], "M6");
  for (const char* key : {"heights", "sigma", "settlement", "total", "significant", "ratePerDay"}) {
    ASSERT_EQ(m6[key].size(), 3u) << key;
    EXPECT_TRUE(m6[key][1].is_null()) << key;
    EXPECT_FALSE(m6[key][2].is_null()) << key;
  }
  EXPECT_NEAR(m6["total"][2].get<double>(), -6.0, 0.3);
  EXPECT_TRUE(m6["ratePerYear"].is_number());
  EXPECT_EQ(ReadBytes(folder.File("в.pdf")).substr(0, 5), "%PDF-");
  EXPECT_NE(ReadBytes(folder.File("в.html")).find("Ведомость осадок"), std::string::npos);
}

TEST_F(CliSettlement, BadInputIsRefusedWithExitTwoAndNothingWritten) {
  const std::string project = folder.File("плохой.kmon");
  const std::vector<std::vector<std::string>> cases{
      NewProject(project, {Cycle("c1.kor", "2026-01-10"), Cycle("нет.kor", "2026-02-10")}),
      NewProject(project, {Cycle("c1.kor", "2026-01-10"), Cycle("c2.kor", "2026-02-10", "Чужая")}),
      NewProject(project, {Cycle("c1.kor", "2026-01-10"), Cycle("c2.kor", "2026-02-30")}),
      NewProject(project, {Cycle("c1.kor", "2026-01-10"), Cycle("c2.kor", "10.02.2026")}),
      NewProject(project, {Cycle("c1.kor", "2026-01-10"), folder.File("c2.kor")}),
      NewProject(project, {Cycle("c1.kor", "2026-01-10")}, "Rp1,Rp9"),
      NewProject(project, {Cycle("c1.kor", "2026-01-10")}, "Rp1"),
      NewProject(project, {}),
      {"settlement", folder.File("нет.kmon")},
  };
  for (const std::vector<std::string>& args : cases) {
    const CliRun run = RunCommand(args);
    EXPECT_EQ(run.status, 2) << args.back();
    EXPECT_TRUE(run.out.empty()) << args.back();
    EXPECT_FALSE(run.err.empty()) << args.back();
    EXPECT_FALSE(std::filesystem::exists(project)) << args.back();
  }
  EXPECT_EQ(folder.Entries().size(), 3u);  // the three cycle files alone
}

}  // namespace
}  // namespace korvado::cli
