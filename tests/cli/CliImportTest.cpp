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

  // Nothing importable is a failure too, with every line's reason: a BF line
  // into a high-precision journal, a file of no lines at all.
  WriteBytes(folder.File("bf.gsi"),
             "*410001+00000000?......1 \n*110002+0000000000000RP1 331.08+0000000000152345 \n"
             "*110003+0000000000000RP2 332.08+0000000000121020 \n");
  WriteBytes(folder.File("empty.gsi"), "*110001+0000000000000RP1 \n");
  const std::pair<std::string, std::string> nothing[] = {
      {"bf.gsi", "ход 1 (RP1 — RP2): в высокоточный журнал нужны два отсчёта"},
      {"empty.gsi", "В файле нивелира нет ни одного хода"}};
  for (const auto& [file, says] : nothing) {
    EXPECT_EQ(RunImport({"import", folder.File(file), "--out", folder.File("none.kor")}, out, err), 2) << file;
    EXPECT_NE(err.find(says), std::string::npos) << err;
    EXPECT_FALSE(std::filesystem::exists(PathFromUtf8(folder.File("none.kor")))) << file;
  }
}

}  // namespace
}  // namespace korvado::cli
