#include <gtest/gtest.h>

#include "LevelImportSupport.h"
#include "TempFolder.h"
#include "Windows1251.h"

namespace korvado {
namespace {

TEST(LevelImportM5, LinesReadingsNamesAndUnitsReachTheJournal) {
  // The sample repeats a station, marks a row as an error, has a blank turning
  // point, a BF line in feet with an intermediate sight, summaries, unknown rows
  // and value types, and an aBFFB station whose two readings disagree.
  AppState precise;
  const LevelImport dini = PrepareLevelImport(precise, LevelSample("dini.dat"));
  EXPECT_EQ(dini.File.Format, LevelFileFormat::DiniM5);
  ASSERT_EQ(dini.Lines.size(), 3u);
  const LevelLinePreview& first = dini.Lines[0];
  EXPECT_EQ(first.Start + ">" + first.End + " " + first.Method, "RP10>RP11 BFFB");
  EXPECT_EQ(first.Stations, 2);
  EXPECT_DOUBLE_EQ(*first.Height, 599.96);
  EXPECT_DOUBLE_EQ(first.BackSights, 50.0);
  EXPECT_DOUBLE_EQ(first.ForeSights, 51.0);
  EXPECT_EQ(dini.Lines[1].Refusal, kOneReadingRefusal);
  EXPECT_EQ(dini.Lines[1].IntermediateSights, 1);
  const LevelLinePreview& failing = dini.Lines[2];
  EXPECT_EQ(failing.Method, "aBFFB");
  EXPECT_EQ(failing.FailedChecks, 1);
  EXPECT_EQ(*failing.Height, InvalidHeight);

  EXPECT_EQ(ImportTicked(precise, dini)->Count, 2);
  const TKorData& j = precise.Journal;
  ExpectSetups(
      j, 0,
      {{"RP10", "X1", 28000, 22000, 27999.6, 22000.8, 299.97}, {"X1", "RP11", 31000, 25000.4, 31002, 25002, 299.99}});
  EXPECT_DOUBLE_EQ(j.HeightDiffs.GetItem(0), 599.96);
  EXPECT_EQ(j.BackPoints[1] + ">" + j.ForePoints[1], "RP12>RP13");
  EXPECT_EQ(j.HeightDiffs.GetItem(1), InvalidHeight);

  AppState technical;
  technical.Journal.TechMode = true;
  const LevelImport tech = PrepareLevelImport(technical, LevelSample("dini.dat"));
  EXPECT_EQ(ImportTicked(technical, tech)->Count, 3);
  ExpectSetups(technical.Journal, 1,
               {{"RP11", "TP1", 1524, 914.4, 0, 0, 609.6}, {"TP1", "RP12", 1219.2, 1371.6, 0, 0, -152.4}});
  EXPECT_DOUBLE_EQ(technical.Journal.HeightDiffs.GetItem(1), 457.2);
  EXPECT_DOUBLE_EQ(technical.Journal.HeightDiffs.GetItem(2), 499.8);
}

// A row of the sample with one value block replaced.
std::string SampleRowWith(int row, size_t at, const std::string& text) {
  std::string line = ReadBytes(LevelSample("dini.dat")).substr(static_cast<size_t>(row - 1) * 121, 119);
  return line.replace(at, text.size(), text);
}

TEST(LevelImportM5, BadInputIsRefusedNamingTheLine) {
  const std::string start = SampleRowWith(1, 0, "") + "\r\n";
  const std::string back = SampleRowWith(3, 0, "") + "\n";
  const std::string fore = SampleRowWith(4, 0, "") + "\n";
  const std::string end = SampleRowWith(21, 0, "") + "\n";
  struct Case {
    std::string text, expected;
  };
  const std::vector<Case> cases = {
      {start + back.substr(0, 90) + "\n", "Строка 2 файла нивелира: строка обрезана"},
      {start + SampleRowWith(3, 52, "         1.2x3") + "\n",
       "Строка 2 файла нивелира: значение «1.2x3» не является числом"},
      {start + SampleRowWith(3, 52, "         #####") + "\n", "отсчёт отмечен прибором как недействительный"},
      {start + SampleRowWith(3, 67, "yd") + "\n", "единица «yd» не означает ни метры, ни футы"},
      {start + back + "Adr 3 Rf 1.1\n", "Строка 3 файла нивелира: строка не в формате M5"},
      {start + back + end, "Строка 2 файла нивелира: у станции нет отсчёта по передней рейке"},
      {start + back + fore + end, "Строка 2 файла нивелира: у станции нет вторых отсчётов"},
      {start + SampleRowWith(3, 52, "           nan") + "\n", "Строка 2 файла нивелира: отсчёт nan м вне разумных"},
      {start + SampleRowWith(3, 52, "           inf") + "\n", "отсчёт inf м вне разумных пределов"},
      {start + SampleRowWith(3, 52, "     -infinity") + "\n", "отсчёт -inf м вне разумных пределов"},
      {start + SampleRowWith(3, 52, "         1e300") + "\n", "отсчёт 1E300 м вне разумных пределов (от -50 до 50 м)"},
      {start + SampleRowWith(3, 75, "         1e300") + "\n", "расстояние до рейки 1E300 м вне разумных пределов"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const std::string message = RefusalOf(c.text);
    EXPECT_NE(message.find(c.expected), std::string::npos) << message;
  }
}

TEST(LevelImportM5, CyrillicNamesKeepTheColumnsInEitherCodePage) {
  // The instrument writes Windows-1251, one byte a letter; a copy converted to
  // UTF-8 has two bytes a letter and is read back through the code page.
  const std::string dini = ReadBytes(LevelSample("dini.dat"));
  std::string renamed = dini;
  for (size_t at = renamed.find("RP10"); at != std::string::npos; at = renamed.find("RP10", at))
    renamed.replace(at, 4, "Рп10");
  for (const std::string& bytes : {EncodeWindows1251(renamed), renamed}) {
    AppState state;
    const LevelImport import = PrepareLevelImportFromBytes(state, bytes);
    ASSERT_EQ(import.Lines.size(), 3u);
    EXPECT_EQ(import.Lines[0].Start, "Рп10");
    EXPECT_DOUBLE_EQ(*import.Lines[0].Height, 599.96);
  }
}

}  // namespace
}  // namespace korvado
