// What korvado-cli takes from Korvado.ini, without Qt: the file found where
// the windows keep it, its lines read as QSettings writes them, and each
// value given the meaning the windows give it.

#include <gtest/gtest.h>

#include <filesystem>

#include "IniSnapshot.h"
#include "SettingsLocation.h"
#include "StoredChoices.h"
#include "TempFolder.h"

namespace korvado {
namespace {

TEST(CommandLineSettings, ValuesReadAsTheWindowsReadThem) {
  const struct {
    const char* text;
    std::optional<double> positive;
    std::optional<int> integer;
  } values[] = {{"0.5", 0.5, std::nullopt},
                {"0,25", 0.25, std::nullopt},
                {" 7 ", 7.0, 7},
                {"+3", 3.0, 3},
                {"0", std::nullopt, 0},
                {"-2", std::nullopt, -2},
                {"1e3", 1000.0, std::nullopt},
                {"inf", std::nullopt, std::nullopt},
                {"nan", std::nullopt, std::nullopt},
                {"", std::nullopt, std::nullopt},
                {"5x", std::nullopt, std::nullopt},
                {"1,5,0", std::nullopt, std::nullopt}};
  for (const auto& value : values) {
    EXPECT_EQ(ParsePositiveSetting(value.text), value.positive) << value.text;
    EXPECT_EQ(ParseSettingInteger(value.text), value.integer) << value.text;
  }
}

TEST(CommandLineSettings, TheFileIsReadLineByLineAsQSettingsWroteIt) {
  const IniSnapshot ini = IniSnapshot::Parse(
      "\xEF\xBB\xBF; written by the windows\r\n"
      "[WindowState]\r\nGeometry=@ByteArray(" +
      std::string(500, 'x') +
      ")\r\n"
      "[Broken\r\nSigmaPerSetup=9\r\n"
      "[Adjustment]\r\n  SigmaPerSetup = \"0,3\" \r\nno equals sign here\r\n"
      "[Tolerance]\nClass=custom\nCoefficient=12\n[Save]\nBackup=0");
  EXPECT_EQ(ReadSigmaPerSetup(ini), 0.3);
  EXPECT_EQ(ReadTolerance(ini).levelClass, ToleranceClass::Custom);
  EXPECT_EQ(ReadTolerance(ini).customCoefficient, 12.0);
  EXPECT_FALSE(ReadBackupChoice(ini)) << "the last line has no line end";
  EXPECT_EQ(ini.Text("WindowState", "Geometry")->size(), 512u) << "a long line is read whole";
  EXPECT_FALSE(ini.Text("Broken", "SigmaPerSetup"));

  const IniSnapshot none = IniSnapshot::Read("/no/such/folder/Korvado.ini");
  EXPECT_EQ(ReadSigmaPerSetup(none), 0.5);
  EXPECT_EQ(ReadTolerance(none).levelClass, ToleranceClass::Technical);
  EXPECT_TRUE(ReadBackupChoice(none));
}

// Beside the program (a portable install) wins; otherwise the user's folder,
// into which a file left in the working folder is taken over once.
TEST(CommandLineSettings, TheFileIsFoundWhereTheWindowsKeepIt) {
  const TempFolder root;
  const std::string program = root.File("программа"), config = root.File("настройки/Korvado"),
                    working = root.File("работа");
  std::filesystem::create_directories(PathFromUtf8(program));
  std::filesystem::create_directories(PathFromUtf8(working));
  const std::string stored = Utf8FromPath(PathFromUtf8(config) / "Korvado.ini");
  EXPECT_EQ(LocateSettingsFile(program, config, working), stored);
  EXPECT_FALSE(std::filesystem::exists(PathFromUtf8(stored))) << "nothing to take over";

  WriteBytes(Utf8FromPath(PathFromUtf8(working) / "Korvado.ini"), "[Adjustment]\nSigmaPerSetup=0.7\n");
  EXPECT_EQ(LocateSettingsFile(program, config, working), stored);
  EXPECT_EQ(ReadSigmaPerSetup(IniSnapshot::Read(stored)), 0.7);
  WriteBytes(Utf8FromPath(PathFromUtf8(working) / "Korvado.ini"), "[Adjustment]\nSigmaPerSetup=0.9\n");
  EXPECT_EQ(ReadSigmaPerSetup(IniSnapshot::Read(LocateSettingsFile(program, config, working))), 0.7) << "once only";

  const std::string portable = Utf8FromPath(PathFromUtf8(program) / "Korvado.ini");
  WriteBytes(portable, "[Adjustment]\nSigmaPerSetup=0.8\n");
  EXPECT_EQ(LocateSettingsFile(program, config, working), portable);
}

}  // namespace
}  // namespace korvado
