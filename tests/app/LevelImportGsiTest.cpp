#include <gtest/gtest.h>

#include <filesystem>
#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "LevelFileReader.h"
#include "LevelImportSupport.h"
#include "ModelErrors.h"
#include "TempFolder.h"
#include "Utf8Path.h"
#include "Windows1251.h"

namespace korvado {
namespace {

TEST(LevelImportGsi, LinesReadingsNamesAndUnitsReachTheJournal) {
  // High precision: the BFFB line goes in (turning point "0" takes the journal's
  // name, a negative reading keeps its sign); the BF line is shown unticked.
  AppState precise;
  const LevelImport gsi16 = PrepareLevelImport(precise, LevelSample("line-bffb-bf.gsi"));
  EXPECT_EQ(gsi16.File.Format, LevelFileFormat::Gsi16);
  ASSERT_EQ(gsi16.Lines.size(), 2u);
  const LevelLinePreview& bffb = gsi16.Lines[0];
  EXPECT_EQ(bffb.Start + ">" + bffb.End + " " + bffb.Method, "RP1>RP2 BFFB");
  EXPECT_EQ(bffb.Stations, 2);
  EXPECT_DOUBLE_EQ(*bffb.Height, 1613.2);
  EXPECT_DOUBLE_EQ(bffb.BackSights, 35.5);
  EXPECT_DOUBLE_EQ(bffb.ForeSights, 35.0);
  EXPECT_EQ(bffb.FailedChecks, 0);
  const LevelLinePreview& bf = gsi16.Lines[1];
  EXPECT_EQ(bf.Start + ">" + bf.End + " " + bf.Method, "RP2>RP3 BF");
  EXPECT_EQ(bf.Refusal, kOneReadingRefusal);
  EXPECT_EQ(bf.IntermediateSights, 1);
  EXPECT_FALSE(bf.Height);

  const Result<InsertedRecords> outcome = ImportTicked(precise, gsi16);
  EXPECT_EQ(outcome->Count, 1);
  EXPECT_TRUE(precise.Changed);
  ASSERT_EQ(precise.Journal.RecordCount(), 1);
  EXPECT_EQ(precise.Journal.BackPoints[0] + ">" + precise.Journal.ForePoints[0], "RP1>RP2");
  EXPECT_DOUBLE_EQ(precise.Journal.HeightDiffs.GetItem(0), 1613.2);
  ExpectSetups(precise.Journal, 0,
               {{"RP1", "X1", 30469, 24204, 30468, 24205, 313.2}, {"X1", "RP2", 16000, -10000, 15998, -10002, 1300}});

  // Technical: both lines, the mean of two readings in millimetres; a real
  // turning point name stays, an automatic number does not.
  AppState technical;
  technical.Journal.TechMode = true;
  const LevelImport tech16 = PrepareLevelImport(technical, LevelSample("line-bffb-bf.gsi"));
  EXPECT_EQ(ImportTicked(technical, tech16)->Count, 2);
  ExpectSetups(technical.Journal, 0,
               {{"RP1", "X1", 1523.425, 1210.225, 0, 0, 313.2}, {"X1", "RP2", 799.95, -500.05, 0, 0, 1300}});
  ExpectSetups(technical.Journal, 1,
               {{"RP2", "T5", 1432.1, 987.6, 0, 0, 444.5},
                {"T5", "X2", 1100, 1300, 0, 0, -200},
                {"X2", "RP3", 1200, 1050, 0, 0, 150}});
  EXPECT_DOUBLE_EQ(technical.Journal.HeightDiffs.GetItem(1), 394.5);

  // GSI-8 in feet (both foot codes) and millimetres, blank and numbered turning points.
  AppState feet;
  const LevelImport gsi8 = PrepareLevelImport(feet, LevelSample("feet-gsi8.txt"));
  EXPECT_EQ(gsi8.File.Format, LevelFileFormat::Gsi8);
  EXPECT_EQ(ImportTicked(feet, gsi8)->Count, 1);
  ExpectSetups(feet.Journal, 0,
               {{"A1", "X1", 30480, 24384, 30480.6096, 24384.6096, 304.8},
                {"X1", "X2", 18288, 12192, 18288, 12192, 304.8},
                {"X2", "B2", 30000, 20000, 30000, 20000, 500}});
  EXPECT_DOUBLE_EQ(feet.Journal.HeightDiffs.GetItem(0), 1109.6);
}

TEST(LevelImportGsi, ImportGoesBeforeTheCurrentRecordAsOneChange) {
  AppState state;
  EXPECT_TRUE(state.Journal.AddRecord("Rp1", "Rp2", 1, ""));
  EXPECT_TRUE(state.Journal.AddRecord("Rp2", "Rp3", 1, ""));
  const LevelImport import = PrepareLevelImport(state, LevelSample("line-bffb-bf.gsi"));
  // A ticked line the journal cannot take refuses the whole import.
  EXPECT_NE(ImportLevelLines(state, import, {true, true}, 1).RefusalText().find("Ход 2 (RP2 — RP3)"),
            std::string::npos);
  EXPECT_EQ(state.Journal.RecordCount(), 2);
  EXPECT_FALSE(state.Changed);

  const Result<InsertedRecords> outcome = ImportLevelLines(state, import, {true, false}, 1);
  EXPECT_EQ(outcome->First, 1);
  ASSERT_EQ(state.Journal.RecordCount(), 3);
  EXPECT_EQ(state.Journal.BackPoints[1] + ">" + state.Journal.ForePoints[1], "RP1>RP2");
  EXPECT_EQ(state.Journal.BackPoints[2], "Rp2");

  // More setups than the data file holds: nothing goes in.
  AppState full;
  EXPECT_TRUE(full.Journal.AddRecord("A", "B", 65534, ""));
  const LevelImport big = PrepareLevelImport(full, LevelSample("line-bffb-bf.gsi"));
  EXPECT_NE(ImportTicked(full, big).RefusalText().find("штативов"), std::string::npos);
  EXPECT_EQ(full.Journal.RecordCount(), 1);
}

TEST(LevelImportGsi, BadInputIsRefusedNamingTheLine) {
  const std::string head = "*410001+00000000?......2 \n";
  const std::string back = "*110002+0000000000000RP1 32...8+0000000002050000 331.08+0000000000152345 \n";
  const std::string fore = "*110003+0000000000000RP2 332.08+0000000000121020 \n";
  struct Case {
    std::string text, expected;
  };
  const std::vector<Case> cases = {
      {"Leica?\n", "Строка 1 файла нивелира: формат не распознан"},
      {"\n \n", "Файл нивелира пуст"},
      {head + "*110002+0000000000000RP1 32...8+0000000002050000 331.08+000000000015\n",
       "Строка 2 файла нивелира: слово «331.08+000000000015» обрезано"},
      {head + back + "*110003+0000000000000RP2 332.08+00000000001210X0 \n",
       "Строка 3 файла нивелира: значение «00000000001210X0» не является числом"},
      {head + back + "*110003+0000000000000RP2 332.02+0000000000121020 \n", "код единиц «2»"},
      {head + back + back + fore, "Строка 2 файла нивелира: у станции нет отсчёта по передней рейке"},
      {head + back + fore + "*110004+0000000000000RP2 336.08+0000000000121020 \n",
       "Строка 2 файла нивелира: у станции нет второго отсчёта по задней рейке"},
      {head + back + fore, "у станции нет вторых отсчётов, а ход измерен методом BFFB"},
      {head + "*110002+RP12345678901234567890 331.08+0000000000152345 \n",
       "Строка 2 файла нивелира: имя точки «RP12345678901234567890» длиннее 20 символов"},
      {head + "*110002+0000000000000点 331.08+0000000000152345 \n",
       "символ «点», которого нет в кодировке Windows-1251"},
      {head + "*110002+0000000000000RP1 Q31.08+0000000000152345 \n",
       "«Q31.08+0000000000152345» не является словом GSI"},
      {head + "*331.08+0000000000152345 110002+0000000000000RP1 \n",
       "Строка 2 файла нивелира: блок начинается с отсчёта «331.08+0000000000152345»"},
      {head + "*110002+0000000000000R\x1b"
              "1 331.08+0000000000152345 \n",
       "Строка 2 файла нивелира: в имени точки «R 1» есть управляющий символ"},
      {head + "*110002+0000000000000RP1 331.08+9999999999999999 \n", "отсчёт 100000000000 м вне разумных пределов"},
      {std::string(20000, '\x01') + head, "Строка 1 файла нивелира: формат не распознан"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const std::string message = RefusalOf(c.text);
    EXPECT_NE(message.find(c.expected), std::string::npos) << message;
  }
  // A UTF-8 byte order mark and lines ending in CR CR LF read as the plain file does.
  const std::string plain = "*410001+00000000?......1 \n" + back + fore;
  AppState preview;
  const double height = *PrepareLevelImportFromBytes(preview, plain).Lines.at(0).Height;
  std::string doubled;
  for (char c : plain) doubled += c == '\n' ? std::string("\r\r\n") : std::string(1, c);
  for (const std::string& variant : {"\xEF\xBB\xBF" + plain, doubled}) {
    const LevelImport import = PrepareLevelImportFromBytes(preview, variant);
    ASSERT_EQ(import.Lines.size(), 1u);
    EXPECT_EQ(*import.Lines[0].Height, height);
  }
  // A file of a format not known is refused from its first bytes, one too long for a level's unread.
  {
    const TempFolder files;
    const std::string binary = files.File("binary.dat");
    WriteBytes(binary, std::string(kLevelFileHeadBytes, '\x02') + std::string(1 << 20, 'x'));
    EXPECT_THROW(PrepareLevelImport(preview, binary), LevelFileError);
    const std::string huge = files.File("huge.gsi");
    WriteBytes(huge, plain);
    std::filesystem::resize_file(PathFromUtf8(huge), kMaxLevelFileBytes + 1);
    try {
      PrepareLevelImport(preview, huge);
      ADD_FAILURE() << "a file longer than any level's was read";
    } catch (const LevelFileError& error) {
      EXPECT_NE(std::string(error.what()).find("длиннее любого файла нивелира"), std::string::npos) << error.what();
    }
  }
  // A file from a Russian instrument in Windows-1251 keeps its Cyrillic names.
  AppState state;
  state.Journal.TechMode = true;
  const std::string cyrillic = EncodeWindows1251("*110002+0000000000000Рп7 331.08+0000000000152345 \n") + fore;
  const LevelImport import = PrepareLevelImportFromBytes(state, cyrillic);
  EXPECT_EQ(import.Lines.at(0).Start, "Рп7");
  EXPECT_THROW(PrepareLevelImport(state, LevelSample("no-such-file.gsi")), FileIOError);
  // Neither a folder nor a pipe is opened (a pipe would wait for a writer for ever).
  const TempFolder folder;
  EXPECT_THROW(PrepareLevelImport(state, folder.Utf8()), FileIOError);
#ifndef _WIN32
  const std::string pipe = folder.File("pipe.gsi");
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  EXPECT_THROW(PrepareLevelImport(state, pipe), FileIOError);
#endif
}

}  // namespace
}  // namespace korvado
