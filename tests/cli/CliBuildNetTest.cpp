#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <sstream>

#include "CliCommands.h"
#include "DataFile.h"
#include "JournalRuns.h"
#include "TempFolder.h"

namespace korvado::cli {
namespace {

int RunBuildNet(const std::vector<std::string>& args, std::string& out, std::string& err) {
  std::ostringstream o, e;
  const int status = RunCli(args, o, e);
  out = o.str();
  err = e.str();
  return status;
}

// Rp1 - A - Rp2 with A - Rp2 levelled twice, a spur A - P and a record with «Ошибка».
std::string WriteSurvey(const TempFolder& folder) {
  TKorData journal;
  AddJournalRun(journal, "Rp1", "A", 4, 1.00);
  AddJournalRun(journal, "A", "Rp2", 3, 0.50);
  AddJournalRun(journal, "Rp2", "A", 3, -0.52);
  AddJournalRun(journal, "A", "P", 1, 0.05);
  AddJournalRun(journal, "P", "Q", 1, InvalidHeight);
  const std::string path = folder.File("survey.kor");
  WriteDataFile(path, journal, TNetList());
  return path;
}

TEST(CliBuildNet, BuildsIntoACopyAndRefusesBadBenchmarksWithoutWritingIt) {
  TempFolder folder;
  const std::string survey = WriteSurvey(folder);
  WriteBytes(folder.File("rp.csv"), "Пункт;Отметка\nRp1;100\nRp9;7\n");
  std::string out, err;
  ASSERT_EQ(RunBuildNet({"build-net", survey, "--name", "Сеть", "--benchmarks", folder.File("rp.csv"), "--fixed",
                         "Rp2=101.5", "--out", folder.File("net.kor")},
                        out, err),
            0)
      << err;
  EXPECT_NE(err.find("Rp9"), std::string::npos) << "a catalogue name not in the records is named: " << err;
  const nlohmann::json json = nlohmann::json::parse(out);
  EXPECT_EQ(json.at("net"), 0);
  // The spur to P does not make A a junction: one section through it.
  EXPECT_EQ(json.at("sections"), nlohmann::json::parse(R"([{"start": "Rp1", "end": "Rp2", "runs": 2, "setups": 5.5,
    "height": 1.51}])"));
  ASSERT_EQ(json.at("equivalent").size(), 1u);
  EXPECT_EQ(json.at("equivalent")[0].at("records"), nlohmann::json::parse("[2, 3]"));
  EXPECT_TRUE(json.at("equivalent")[0].at("used").get<bool>());
  EXPECT_EQ(json.at("pendent"), nlohmann::json::parse(R"([{"section": 0, "point": "P", "record": 4}])"));
  ASSERT_EQ(json.at("leftOut").size(), 1u);
  EXPECT_EQ(json.at("leftOut")[0].at("records"), nlohmann::json::parse("[5]"));

  TKorData journal;
  TNetList nets;
  ReadDataFile(folder.File("net.kor"), journal, nets);
  ASSERT_EQ(nets.NetCount(), 1);
  EXPECT_EQ(nets.NetAt(0).PointElevations.Items(), (std::vector<double>{100.0, 101.5}));

  // A catalogue line that cannot be read, a benchmark not in the records: exit 2, no file.
  WriteBytes(folder.File("bad.csv"), "Rp1;100\nRp2;сто\n");
  EXPECT_EQ(RunBuildNet({"build-net", survey, "--name", "Сеть", "--benchmarks", folder.File("bad.csv"), "--out",
                         folder.File("bad.kor")},
                        out, err),
            2);
  EXPECT_NE(err.find("Строка 2"), std::string::npos) << err;
  EXPECT_EQ(RunBuildNet({"build-net", survey, "--name", "Сеть", "--fixed", "Rp7=1", "--out", folder.File("bad.kor")},
                        out, err),
            2);
  EXPECT_NE(err.find("Rp7"), std::string::npos) << err;
  EXPECT_FALSE(std::filesystem::exists(PathFromUtf8(folder.File("bad.kor"))));
}

}  // namespace
}  // namespace korvado::cli
