#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "ClipboardJournalText.h"
#include "KorData.h"
#include "LocaleSeparatorTest.h"
#include "ModelErrors.h"
#include "NumberText.h"

namespace korvado {
namespace {

// Spreadsheet lines joined by the given line end, cells by TAB.
std::string Lines(const std::vector<std::string>& lines, const std::string& end, bool endAfterLast = true) {
  std::string text;
  for (size_t i = 0; i < lines.size(); ++i) {
    text += lines[i];
    if (i + 1 < lines.size() || endAfterLast) text += end;
  }
  return text;
}

const std::vector<std::string> kOneRecord = {"Rp1\t1000\t7000", "Rp2\t500\t6500", "x\t1\t"};

// The records of a text that ought to parse.
std::vector<ClipboardJournalRecord> Parsed(const Result<std::vector<ClipboardJournalRecord>>& parsed) {
  EXPECT_TRUE(parsed) << parsed.RefusalText();
  return parsed ? *parsed : std::vector<ClipboardJournalRecord>{};
}

class ClipboardTextWithSeparator : public LocaleSeparatorTest {
 protected:
  // The message of the error that text raises when parsed.
  static std::string ParseError(const std::string& text) {
    const Result<std::vector<ClipboardJournalRecord>> parsed = ParseClipboardJournal(text);
    return parsed ? "parsed" : parsed.RefusalText();
  }
};

void ExpectExampleRecord(const std::vector<ClipboardJournalRecord>& records) {
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].BackPoint, "Rp1");
  EXPECT_EQ(records[0].ForePoint, "Rp2");
  EXPECT_EQ(records[0].SetupCount, 1);
  EXPECT_EQ(records[0].BackMainReading, 1000.0);
  EXPECT_EQ(records[0].BackAuxReading, 7000.0);
  EXPECT_EQ(records[0].ForeMainReading, 500.0);
  EXPECT_EQ(records[0].ForeAuxReading, 6500.0);
}

TEST(ClipboardJournalText, OneRecordIsReadWithEveryLineEndSpreadsheetsWrite) {
  for (const std::string end : {"\r\n", "\n"}) {
    SCOPED_TRACE(end == "\n" ? "LF" : "CR LF");
    ExpectExampleRecord(Parsed(ParseClipboardJournal(Lines(kOneRecord, end))));
    ExpectExampleRecord(Parsed(ParseClipboardJournal(Lines(kOneRecord, end, false))));
    std::vector<std::string> withLeftOver = kOneRecord;
    withLeftOver.push_back("Rp3\t100\t6100");
    ExpectExampleRecord(Parsed(ParseClipboardJournal(Lines(withLeftOver, end))));
    withLeftOver.push_back("Rp4\t200\t6200");
    ExpectExampleRecord(Parsed(ParseClipboardJournal(Lines(withLeftOver, end, false))));
  }
}

TEST(ClipboardJournalText, BlockEndsAtTheFirstLineWithoutAFirstCell) {
  std::vector<std::string> lines = kOneRecord;
  lines.insert(lines.end(), {"", "Rp3\t1\t2", "Rp4\t1\t2", "x\t1"});
  ExpectExampleRecord(Parsed(ParseClipboardJournal(Lines(lines, "\r\n"))));
  lines[3] = "\t1000\t7000";
  ExpectExampleRecord(Parsed(ParseClipboardJournal(Lines(lines, "\n"))));
  EXPECT_TRUE(Parsed(ParseClipboardJournal("")).empty());
  EXPECT_TRUE(Parsed(ParseClipboardJournal("\r\nRp1\t1\t2\r\nRp2\t1\t2\r\nx\t1\r\n")).empty());
  EXPECT_TRUE(Parsed(ParseClipboardJournal("Rp1\t1000\t7000\r\nRp2\t500\t6500\r\n")).empty());
}

TEST(ClipboardJournalText, CellsAfterTheThirdAndTheThirdLinesLastCellAreIgnored) {
  const auto records = Parsed(
      ParseClipboardJournal("Rp1\t1000\t7000\tnote\tmore\r\nRp2\t500\t6500\tx\r\nany text\t1\tnot a number\textra"));
  ExpectExampleRecord(records);
}

TEST(ClipboardJournalText, CarriageReturnWithoutLineFeedStaysInTheCellAndIsRefusedInAName) {
  const auto rows = SplitClipboardTable("Rp\r1\t1000\t7000\r\nRp2\t500\t6500\n");
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0][0], "Rp\r1");
  EXPECT_EQ(rows[0][2], "7000");
  EXPECT_EQ(rows[1][0], "Rp2");
  EXPECT_EQ(rows[1][1], "500");

  // A name never holds a control character: the whole block is refused naming the cell.
  const std::string refusal = ParseClipboardJournal("Rp1\t1000\t7000\r\nRp2\r\t500\t6500\r\nx\t1\t\r\n").RefusalText();
  EXPECT_NE(refusal.find("Строка 2, ячейка 1"), std::string::npos) << refusal;
  EXPECT_NE(refusal.find("управляющий символ (код 13)"), std::string::npos) << refusal;
}

TEST(ClipboardJournalText, CrLfAndLoneLfMayBeMixed) {
  const auto rows = SplitClipboardTable("a\r\nb\nc\r\r\nd");
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[0][0], "a");
  EXPECT_EQ(rows[1][0], "b");
  EXPECT_EQ(rows[2][0], "c\r");
  EXPECT_EQ(rows[3][0], "d");
  EXPECT_EQ(rows[3][1], "");
}

TEST_P(ClipboardTextWithSeparator, ReadingsAndSetupCountsUseTheLocaleSeparator) {
  const auto records = Parsed(ParseClipboardJournal(Dec("Rp1\t1000.5\t7000.25\nRp2\t500\t6500.75\nx\t3\n")));
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].BackMainReading, 1000.5);
  EXPECT_EQ(records[0].BackAuxReading, 7000.25);
  EXPECT_EQ(records[0].ForeAuxReading, 6500.75);
  EXPECT_EQ(records[0].SetupCount, 3);
}

TEST_P(ClipboardTextWithSeparator, SetupCountIsRoundedHalfToEvenAndZeroBecomesOne) {
  const std::vector<std::pair<std::string, int>> cases = {{"2.5", 2}, {"3.5", 4},  {"0", 1},         {"0.4", 1},
                                                          {"1.5", 2}, {"2.51", 3}, {"65535", 65535}, {"-0.4", 1}};
  for (const auto& [count, expected] : cases) {
    SCOPED_TRACE(count);
    const auto records = Parsed(ParseClipboardJournal(Dec("Rp1\t1\t2\r\nRp2\t1\t2\r\nx\t" + count + "\r\n")));
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].SetupCount, expected);
  }
}

TEST_P(ClipboardTextWithSeparator, BadCellStopsTheWholeBlockNamingLineAndCell) {
  const std::string good = "Rp1\t1000\t7000\r\nRp2\t500\t6500\r\nx\t1\r\n";
  const std::string wrongSeparator = DecimalSeparatorChar() == '.' ? "1000,5" : "1000.5";
  EXPECT_NE(ParseError(good + "Rp3\t1a00\t7000\r\nRp4\t1\t2\r\nx\t1").find("Строка 4, ячейка 2"), std::string::npos);
  EXPECT_NE(ParseError(good + "Rp3\t1000\t7000\r\nRp4\t1\t7" + ThousandsSeparator() + "000\r\nx\t1")
                .find("Строка 5, ячейка 3"),
            std::string::npos);
  EXPECT_NE(ParseError(good + "Rp3\t\t7000\r\nRp4\t1\t2\r\nx\t1").find("Строка 4, ячейка 2"), std::string::npos);
  EXPECT_NE(ParseError(good + "Rp3\t1\r\nRp4\t1\t2\r\nx\t1").find("Строка 4, ячейка 3"), std::string::npos);
  const std::string separatorError = ParseError(good + "Rp3\t" + wrongSeparator + "\t1\r\nRp4\t1\t2\r\nx\t1");
  EXPECT_NE(separatorError.find("«" + wrongSeparator + "» не является числом: десятичный разделитель — «" +
                                std::string(1, DecimalSeparatorChar()) + "»"),
            std::string::npos)
      << separatorError;
  EXPECT_NE(ParseError(good + "Rp3\t1\t2\r\nRp4\t1\t2\r\nx\tдва").find("Строка 6, ячейка 2"), std::string::npos);
  EXPECT_NE(ParseError(good + "Rp3\t1\t2\r\nRp4\t1\t2\r\nx\t").find("Строка 6, ячейка 2"), std::string::npos);
  const std::string longCell = ParseError(good + "Rp3\t" + std::string(5000, '7') + "x\t1\r\nRp4\t1\t2\r\nx\t1");
  EXPECT_LT(longCell.size(), 400u) << "the message quotes a long cell only in part";
  EXPECT_FALSE(ParseClipboardJournal(good + "Rp3\t1 000\t7000\r\nRp4\t1\t2\r\nx\t1"));
}

TEST_P(ClipboardTextWithSeparator, SetupCountOutsideTheFileLimitIsABadCell) {
  for (const std::string count : {"65536", "-1", "-2.5", "1e9", "65535.5"}) {
    SCOPED_TRACE(count);
    const std::string message = ParseError(Dec("Rp1\t1\t2\nRp2\t1\t2\nx\t" + count + "\n"));
    EXPECT_NE(message.find("Строка 3, ячейка 2"), std::string::npos) << message;
  }
}

TEST(ClipboardJournalText, PointNamesAreCutToTwentyCharacters) {
  const std::string longName = "Репер_номер_двадцать_пять";  // 25 characters, 2 bytes each for Cyrillic
  const auto records = Parsed(ParseClipboardJournal(longName + "\t1\t2\n12345678901234567890X\t1\t2\nx\t1\n"));
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].BackPoint, "Репер_номер_двадцать");
  EXPECT_EQ(records[0].ForePoint, "12345678901234567890");
}

TEST(ClipboardJournalText, NamesTheDataFileCannotHoldAreRefused) {
  const std::string message =
      ParseClipboardJournal("Rp1\t1\t2\nRp1\t1\t2\nx\t1\nRp1\t1\t2\nТочка✓\t1\t2\nx\t1\n").RefusalText();
  EXPECT_NE(message.find("Строка 5, ячейка 1"), std::string::npos) << message;
  EXPECT_NE(message.find("✓"), std::string::npos) << message;
  // Cyrillic and the code page's own signs pass.
  EXPECT_EQ(Parsed(ParseClipboardJournal("Рп№1\t1\t2\nЁлка€\t1\t2\nx\t1\n")).size(), 1u);
}

// A journal of the records (back, fore, readings per setup) for the copy tests.
TKorData JournalOf(bool techMode = false) {
  TKorData journal;
  journal.TechMode = techMode;
  EXPECT_TRUE(journal.AddRecord("Rp1", "Rp2", 1, ""));
  journal.SetSetupData(0, "Rp1", "Rp2", 1000, 500, 7000, 6500, "");
  journal.RecalcRecordHeight(0);
  return journal;
}

// The main grid's texts of a record's row, as the window shows them.
MainGridTextFn GridAsShown(const TKorData& journal) {
  return [&journal](int32_t r, int column) -> std::string {
    switch (column) {
      case 0:
        return journal.BackPoints[r];
      case 1:
        return journal.ForePoints[r];
      case 2:
        return std::to_string(journal.SetupCounts.GetItem(r));
      default:
        return journal.HeightDiffs.GetItem(r) == InvalidHeight ? "Ошибка"
                                                               : FormatGrouped(journal.HeightDiffs.GetItem(r));
    }
  };
}

TEST_P(ClipboardTextWithSeparator, CopyOfOneRecordGivesThreeLinesOfFormulas) {
  const TKorData journal = JournalOf();
  EXPECT_EQ(JournalClipboardText(journal, 0, 0, GridAsShown(journal)),
            "Rp1\tRp1\t=1000\t=7000\r\n"
            "Rp2\tRp2\t=500\t=6500\r\n"
            "Rp1->Rp2\tRp2->Rp1\t1\t=" +
                Dec("      25.00"));
}

TEST_P(ClipboardTextWithSeparator, CopyJoinsTheReadingsOfAllSetupsAndEndsWithoutLineEnd) {
  TKorData journal = JournalOf();
  EXPECT_TRUE(journal.AddRecord("Rp2", "Rp3", 3, ""));
  const int32_t f = journal.FirstSetup.GetItem(1);
  journal.SetSetupData(f, "Rp2", "X1", 1500.5, 1200, 6300, 6000, "");
  journal.SetSetupData(f + 1, "X1", "X2", 1400, 1300.25, 6200, 6093, "");
  journal.SetSetupData(f + 2, "X2", "Rp3", 1000, 1100, 5800, 5900, "");
  journal.RecalcRecordHeight(1);
  const std::string text = JournalClipboardText(journal, 0, 1, GridAsShown(journal));
  EXPECT_NE(text.find("Rp1->Rp2\tRp2->Rp1\t1\t=" + Dec("      25.00") + "\r\nRp2\tRp2\t"), std::string::npos);
  EXPECT_NE(text.find("Rp2\tRp2\t" + Dec("=1500.5+1400+1000\t=6300+6200+5800\r\n")), std::string::npos);
  EXPECT_NE(text.find("Rp3\tRp3\t" + Dec("=1200+1300.25+1100\t=6000+6093+5900\r\n")), std::string::npos);
  EXPECT_TRUE(text.ends_with("Rp2->Rp3\tRp3->Rp2\t3\t=Ошибка"));
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 5);
  EXPECT_EQ(JournalClipboardText(journal, 1, 1, GridAsShown(journal)).substr(0, 8), "Rp2\tRp2\t");
}

TEST(ClipboardJournalText, CopyOfRecordsTheJournalDoesNotHoldIsAnIndexError) {
  const TKorData journal = JournalOf();
  EXPECT_THROW(JournalClipboardText(journal, 0, 1, GridAsShown(journal)), ListIndexError);
  EXPECT_THROW(JournalClipboardText(journal, -1, 0, GridAsShown(journal)), ListIndexError);
  EXPECT_THROW(JournalClipboardText(journal, 1, 0, GridAsShown(journal)), ListIndexError);
}

INSTANTIATE_TEST_SUITE_P(PointAndComma, ClipboardTextWithSeparator,
                         ::testing::Values(SeparatorCase{'.', ","}, SeparatorCase{',', "\u00a0"}));

}  // namespace
}  // namespace korvado
