#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <sstream>

#include "CliCommands.h"
#include "DataFile.h"
#include "TempFolder.h"

namespace korvado::cli {
namespace {

const std::string kSamples = KORVADO_LEVEL_SAMPLES;

int RunImport(const std::vector<std::string>& args, std::string& out, std::string& err) {
  std::ostringstream o, e;
  const int status = RunCli(args, o, e);
  out = o.str();
  err = e.str();
  return status;
}

TEST(CliImport, AppendsImportableLinesAndReportsEveryLine) {
  TempFolder folder;
  std::string out, err;
  // A new high-precision journal: the BF line is listed with its reason.
  ASSERT_EQ(RunImport({"import", kSamples + "/dini.dat", "--out", folder.File("new.kor")}, out, err), 0) << err;
  const nlohmann::json lines = nlohmann::json::parse(out).at("lines");
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], nlohmann::json::parse(R"({"start": "RP10", "end": "RP11", "method": "BFFB", "stations": 2,
                                                "height": 599.96, "imported": true, "reason": null})"));
  EXPECT_FALSE(lines[1].at("imported").get<bool>());
  EXPECT_TRUE(lines[1].at("height").is_null());
  EXPECT_NE(lines[1].at("reason").get<std::string>().find("два отсчёта"), std::string::npos);

  // Into that file again, technical lines refused there; and a technical journal takes all three.
  TKorData journal;
  TNetList nets;
  ASSERT_EQ(
      RunImport({"import", kSamples + "/dini.dat", "--into", folder.File("new.kor"), "--out", folder.File("two.kor")},
                out, err),
      0)
      << err;
  ReadDataFile(folder.File("two.kor"), journal, nets);
  EXPECT_EQ(journal.RecordCount(), 4);
  ASSERT_EQ(RunImport({"import", kSamples + "/dini.dat", "--out", folder.File("tech.kor"), "--technical"}, out, err),
            0);
  ReadDataFile(folder.File("tech.kor"), journal, nets);
  EXPECT_TRUE(journal.TechMode);
  EXPECT_EQ(journal.RecordCount(), 3);

  // Bad input: the message on standard error, exit 2, no output file.
  WriteBytes(folder.File("bad.gsi"), "*410001+00000000?......2 \n*110002+0000000000000RP1 331.08+00000001\n");
  EXPECT_EQ(RunImport({"import", folder.File("bad.gsi"), "--out", folder.File("bad.kor")}, out, err), 2);
  EXPECT_NE(err.find("Строка 2 файла нивелира"), std::string::npos) << err;
  EXPECT_FALSE(std::filesystem::exists(PathFromUtf8(folder.File("bad.kor"))));
}

}  // namespace
}  // namespace korvado::cli
