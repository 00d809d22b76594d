#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <limits>
#include <nlohmann/json.hpp>
#include <sstream>

#include "CliCommands.h"
#include "DataFile.h"
#include "NumberText.h"

namespace korvado::cli {
namespace {

namespace fs = std::filesystem;

struct CliResult {
  int status;
  std::string out;
  std::string err;
};

class KorvadoCli : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("korvado-cli-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                          "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override {
    fs::remove_all(folder_);
    SetNumberSeparators('.', ",");
  }

  std::string Path(const std::string& name) const { return (folder_ / name).string(); }

  CliResult Run(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = RunCli(args, out, err);
    return {status, out.str(), err.str()};
  }

  // Fixed A 100 and B 110 joined through nodal K: A->K h 4.000 n 2, K->B h 6.100 n 2.
  std::string WriteAdjustmentNet() {
    TKorData journal;
    journal.AddRecord("A", "K", 2, "");
    journal.AddRecord("K", "B", 2, "");
    TNetList nets;
    TKorNet& net = nets.NetAt(nets.AddNet("Сеть"));
    net.AddSection("A", "K", 0, 1, 4.0, 2.0, 1);
    net.AddSection("K", "B", 1, 0, 6.1, 2.0, 2);
    net.SectionTables.TableAt(1).AddPendentRun(2, "K", "P", 1, 0.5, 2);
    const std::string path = Path("net.kor");
    WriteDataFile(path, journal, nets);
    return path;
  }

  std::string WriteDamagedFile() {
    const std::string good = WriteAdjustmentNet();
    std::ifstream in(good, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), {});
    const std::string path = Path("damaged.kor");
    std::ofstream(path, std::ios::binary) << bytes.substr(0, bytes.size() - 7);
    return path;
  }

  fs::path folder_;
};

TEST_F(KorvadoCli, DumpGivesEveryKeyAndUtf8Names) {
  const CliResult result = Run({"dump", WriteAdjustmentNet()});
  ASSERT_EQ(result.status, 0) << result.err;
  const auto json = nlohmann::json::parse(result.out);
  EXPECT_EQ(json["techMode"], false);
  ASSERT_EQ(json["records"].size(), 2u);
  EXPECT_EQ(json["records"][1]["back"], "K");
  EXPECT_EQ(json["records"][1]["firstSetup"], 2);
  EXPECT_EQ(json["setups"].size(), 4u);
  EXPECT_EQ(json["setups"][1]["fore"], "K");
  for (const char* key : {"backMain", "foreMain", "backAux", "foreAux", "height", "note"})
    EXPECT_TRUE(json["setups"][0].contains(key)) << key;
  const auto& net = json["nets"][0];
  EXPECT_EQ(net["name"], "Сеть");
  EXPECT_EQ(net["sections"][1]["runs"][0]["refs"], nlohmann::json::array({2}));
  EXPECT_EQ(net["sections"][1]["height"], 6.1);  // the double itself, not a rounded text
  EXPECT_EQ(net["sections"][1]["pendents"][0]["fore"], "P");
  EXPECT_TRUE(net["points"].is_array());
}

TEST_F(KorvadoCli, CheckAndResaveKeepGoodFilesAndRefuseDamagedOnes) {
  const std::string good = WriteAdjustmentNet();
  EXPECT_EQ(Run({"check", good}).out, "ok\n");

  const std::string copy = Path("copy.kor");
  ASSERT_EQ(Run({"resave", good, copy}).status, 0);
  std::ifstream a(good, std::ios::binary), b(copy, std::ios::binary);
  EXPECT_EQ(std::string((std::istreambuf_iterator<char>(a)), {}), std::string((std::istreambuf_iterator<char>(b)), {}));

  const std::string damaged = WriteDamagedFile();
  for (const auto& args : std::vector<std::vector<std::string>>{{"check", damaged},
                                                                 {"dump", damaged},
                                                                 {"resave", damaged, Path("out.kor")},
                                                                 {"adjust", damaged, "--net", "0"},
                                                                 {"report", damaged, "--net", "0"}}) {
    const CliResult result = Run(args);
    EXPECT_EQ(result.status, 2) << args[0];
    EXPECT_TRUE(result.out.empty()) << args[0];
    EXPECT_NE(result.err.find("damaged.kor"), std::string::npos) << args[0] << ": " << result.err;
  }
  EXPECT_FALSE(fs::exists(Path("out.kor")));
  EXPECT_EQ(Run({"check", Path("missing.kor")}).status, 2);
}

TEST_F(KorvadoCli, ValuesThatAreNotFiniteNumbersFailCheckAndEveryComputation) {
  TKorData journal;
  journal.AddRecord("A", "K", 2, "");
  journal.HeightDiffs.SetItem(0, std::numeric_limits<double>::quiet_NaN());
  TNetList nets;
  TKorNet& net = nets.NetAt(nets.AddNet("Сеть"));
  net.AddSection("A", "K", 0, 1, std::numeric_limits<double>::infinity(), 2.0, 1);
  net.AddPoint("A", 0, 100.0);
  net.AddPoint("K", 1, 0.0);
  const std::string path = Path("nan.kor");
  WriteDataFile(path, journal, nets);

  const CliResult check = Run({"check", path});
  EXPECT_EQ(check.status, 2);
  EXPECT_TRUE(check.out.empty());
  EXPECT_NE(check.err.find("запись № 1 (A --> K): превышение — не число"), std::string::npos) << check.err;
  EXPECT_NE(check.err.find("звено 1  [A --> K]: превышение — плюс бесконечность"), std::string::npos) << check.err;
  for (const auto& args : std::vector<std::vector<std::string>>{{"adjust", path, "--net", "0"},
                                                                 {"report", path, "--net", "0"},
                                                                 {"report", path, "--net", "0", "--section", "0"}}) {
    const CliResult result = Run(args);
    EXPECT_EQ(result.status, 2) << args[0];
    EXPECT_NE(result.err.find("не является конечным числом"), std::string::npos) << result.err;
  }
}

TEST_F(KorvadoCli, WritingCommandsKeepTheReplacedFileAsBackupUnlessTold) {
  const std::string good = WriteAdjustmentNet();
  const std::string out = Path("out.kor");
  const auto bytes = [](const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), {});
  };
  std::ofstream(out, std::ios::binary) << "прежний";
  ASSERT_EQ(Run({"resave", good, out}).status, 0);
  EXPECT_EQ(bytes(out + ".bak"), "прежний");
  const std::string resaved = bytes(out);
  const std::vector<std::string> adjust{"adjust", good, "--net", "0", "--rebuild-points", "--fixed", "A=100",
                                        "--fixed", "B=110", "--save", out};
  ASSERT_EQ(Run(adjust).status, 0);
  EXPECT_EQ(bytes(out + ".bak"), resaved);

  fs::remove(out + ".bak");
  ASSERT_EQ(Run({"resave", good, out, "--no-backup"}).status, 0);
  std::vector<std::string> adjustNoBackup = adjust;
  adjustNoBackup.push_back("--no-backup");
  ASSERT_EQ(Run(adjustNoBackup).status, 0);
  EXPECT_FALSE(fs::exists(out + ".bak"));
}

TEST_F(KorvadoCli, AdjustRunsTheSweepsOfTheAdjustmentPage) {
  const std::string file = WriteAdjustmentNet();
  const std::string saved = Path("adjusted.kor");
  const CliResult result = Run({"adjust", file, "--net", "0", "--rebuild-points", "--fixed", "A=100", "--fixed",
                                "B=110", "--sweeps", "2", "--save", saved});
  ASSERT_EQ(result.status, 0) << result.err;
  const auto json = nlohmann::json::parse(result.out);
  ASSERT_EQ(json["sweeps"].size(), 2u);
  EXPECT_EQ(json["sweeps"][0]["iteration"], 1);
  EXPECT_EQ(json["sweeps"][1]["iteration"], 2);
  EXPECT_EQ(json["sweeps"][0]["muText"], "0.05");
  EXPECT_NEAR(json["sweeps"][1]["mu"].get<double>(), 0.05, 1e-9);
  const auto& points = json["points"];
  ASSERT_EQ(points.size(), 3u);
  EXPECT_EQ(points[1]["name"], "K");
  EXPECT_NEAR(points[1]["elevation"].get<double>(), 103.95, 1e-9);

  const auto reread = nlohmann::json::parse(Run({"dump", saved}).out);
  EXPECT_EQ(reread["nets"][0]["points"], points);

  const CliResult comma = Run({"adjust", file, "--net", "0", "--rebuild-points", "--fixed", "A=100", "--fixed",
                               "B=110", "--decimal-separator", ","});
  EXPECT_EQ(nlohmann::json::parse(comma.out)["sweeps"][0]["muText"], "0,05");
}

TEST_F(KorvadoCli, AdjustRefusesBadInputWithoutWritingAnything) {
  const std::string file = WriteAdjustmentNet();
  const std::string saved = Path("adjusted.kor");
  const std::vector<std::vector<std::string>> bad = {
      {"adjust", file, "--net", "1", "--save", saved},
      {"adjust", file, "--net", "x", "--save", saved},
      {"adjust", file, "--save", saved},
      {"adjust", file, "--net", "0", "--rebuild-points", "--fixed", "A=abc", "--save", saved},
      {"adjust", file, "--net", "0", "--fixed", "A", "--save", saved},
      {"adjust", file, "--net", "0", "--bogus"},
  };
  for (const auto& args : bad) {
    const CliResult result = Run(args);
    EXPECT_EQ(result.status, 2) << args[3];
    EXPECT_FALSE(result.err.empty());
  }
  EXPECT_FALSE(fs::exists(saved));
}

TEST_F(KorvadoCli, ReportPrintsTheGridTexts) {
  const std::string file = WriteAdjustmentNet();
  const std::string adjusted = Path("adjusted.kor");
  ASSERT_EQ(Run({"adjust", file, "--net", "0", "--rebuild-points", "--fixed", "A=100", "--fixed", "B=110",
                 "--save", adjusted})
                .status,
            0);
  const CliResult section = Run({"report", adjusted, "--net", "0", "--section", "1"});
  ASSERT_EQ(section.status, 0) << section.err;
  EXPECT_EQ(section.out.substr(0, section.out.find('\n')), "K\t103.95");
  EXPECT_NE(section.out.find("P [вис.]\t"), std::string::npos) << section.out;

  const CliResult report = Run({"report", adjusted, "--net", "0", "--decimal-separator", ","});
  ASSERT_EQ(report.status, 0) << report.err;
  EXPECT_EQ(report.out.rfind("A\t100,00\n", 0), 0u) << report.out;
  EXPECT_EQ(Run({"report", adjusted, "--net", "0", "--section", "2"}).status, 2);
}

TEST_F(KorvadoCli, HelpForTheProgramAndEachCommand) {
  const CliResult program = Run({"--help"});
  EXPECT_EQ(program.status, 0);
  for (const char* command : {"dump", "check", "resave", "adjust", "report"}) {
    EXPECT_NE(program.out.find(command), std::string::npos);
    const CliResult help = Run({command, "--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind(std::string("usage: korvado-cli ") + command, 0), 0u) << help.out;
  }
  EXPECT_EQ(Run({}).status, 2);
  EXPECT_EQ(Run({"frobnicate"}).status, 2);
}

}  // namespace
}  // namespace korvado::cli
