#include <gtest/gtest.h>

#include <memory>

#include "ClipboardCommands.h"
#include "LocaleSeparatorTest.h"
#include "ModelMessages.h"
#include "NumberText.h"

namespace korvado {
namespace {

// A journal of n one-setup records "P<k>" -> "P<k+1>", as if keyed in.
AppState StateWithRecords(int32_t n) {
  AppState state;
  for (int32_t k = 1; k <= n; ++k)
    EXPECT_TRUE(state.Journal.AddRecord("P" + std::to_string(k), "P" + std::to_string(k + 1), 1, ""));
  return state;
}

// One spreadsheet record of three lines, LF after each.
std::string SheetRecord(const std::string& back, const std::string& fore, const std::string& backReadings,
                        const std::string& foreReadings, const std::string& setups) {
  return back + "\t" + backReadings + "\n" + fore + "\t" + foreReadings + "\nx\t" + setups + "\n";
}

class ClipboardCommandWithSeparator : public LocaleSeparatorTest {
 protected:
};

// What a paste that ought not to be refused did.
ClipboardPasteResult Pasted(const Result<ClipboardPasteResult>& pasted) {
  EXPECT_TRUE(pasted) << pasted.RefusalText();
  return pasted ? *pasted : ClipboardPasteResult{-1, -1};
}

TEST_P(ClipboardCommandWithSeparator, PastedRecordGetsItsReadingsAndHeightDifference) {
  for (const std::string end : {"\r\n", "\n"}) {
    SCOPED_TRACE(end == "\n" ? "LF" : "CR LF");
    AppState state = StateWithRecords(1);
    const std::string text = "Rp1\t1000\t7000" + end + "Rp2\t500\t6500" + end + "x\t1\t" + end;
    const ClipboardPasteResult result = Pasted(PasteJournalFromClipboardText(state, text, 0));
    EXPECT_EQ(result.Pasted, 1);
    EXPECT_EQ(result.CurrentRecord, 0);
    const TKorData& j = state.Journal;
    ASSERT_EQ(j.RecordCount(), 2);
    EXPECT_EQ(j.BackPoints[0], "Rp1");
    EXPECT_EQ(j.ForePoints[0], "Rp2");
    EXPECT_EQ(j.SetupCounts.GetItem(0), 1);
    EXPECT_EQ(j.HeightDiffs.GetItem(0), 25.0);
    EXPECT_EQ(j.Notes[0], "");
    const int32_t s = j.FirstSetup.GetItem(0);
    EXPECT_EQ(j.SetupBackPoints[s], "Rp1");
    EXPECT_EQ(j.SetupForePoints[s], "Rp2");
    EXPECT_EQ(j.SetupHeightDiffs.GetItem(s), 25.0);
    EXPECT_EQ(j.BackPoints[1], "P1");
    EXPECT_TRUE(state.Changed);
  }
}

TEST_P(ClipboardCommandWithSeparator, TechnicalModeTakesTheMainScaleDifference) {
  AppState state = StateWithRecords(1);
  state.Journal.TechMode = true;
  Pasted(PasteJournalFromClipboardText(state, SheetRecord("1", "2", Dec("1523.5\t0"), "1402\t0", "1"), 0));
  EXPECT_EQ(state.Journal.HeightDiffs.GetItem(0), 121.5);
}

TEST_P(ClipboardCommandWithSeparator, RecordsLandBeforeTheCurrentOneInClipboardOrder) {
  AppState state = StateWithRecords(6);
  // Row 5 of the main grid shows record 4.
  const std::string text = SheetRecord("A1", "A2", "1000\t7000", "500\t6500", "1") +
                           SheetRecord("B1", "B2", Dec("1200.5\t7200"), "1100\t7100", Dec("2.5"));
  const ClipboardPasteResult result = Pasted(PasteJournalFromClipboardText(state, text, 4));
  EXPECT_EQ(result.Pasted, 2);
  EXPECT_EQ(result.CurrentRecord, 5);
  const TKorData& j = state.Journal;
  ASSERT_EQ(j.RecordCount(), 8);
  EXPECT_EQ(j.BackPoints[3], "P4");
  EXPECT_EQ(j.BackPoints[4], "A1");
  EXPECT_EQ(j.BackPoints[5], "B1");
  EXPECT_EQ(j.BackPoints[6], "P5");
  EXPECT_EQ(j.BackPoints[7], "P6");
  EXPECT_EQ(j.SetupCounts.GetItem(5), 2);
  const int32_t s = j.FirstSetup.GetItem(5);
  EXPECT_EQ(j.BackMainReading.GetItem(s), 1200.5);
  // The second setup keeps the zero readings of a new setup; the record's height follows the first.
  EXPECT_EQ(j.BackMainReading.GetItem(s + 1), 0.0);
  EXPECT_EQ(j.SetupBackPoints[s], "B1");
  EXPECT_EQ(j.SetupForePoints[s], "X1");
  EXPECT_EQ(j.SetupForePoints[s + 1], "B2");
  EXPECT_EQ(j.HeightDiffs.GetItem(5), j.SetupHeightDiffs.GetItem(s));
  EXPECT_EQ(j.HeightDiffs.GetItem(5), 5.01);
}

TEST_P(ClipboardCommandWithSeparator, SetupCountsAreRoundedAsTheJournalNeedsThem) {
  AppState state = StateWithRecords(1);
  const std::string text = SheetRecord("a", "b", "1\t2", "1\t2", Dec("2.5")) +
                           SheetRecord("c", "d", "1\t2", "1\t2", Dec("3.5")) +
                           SheetRecord("e", "f", "1\t2", "1\t2", "0");
  EXPECT_EQ(Pasted(PasteJournalFromClipboardText(state, text, 0)).Pasted, 3);
  EXPECT_EQ(state.Journal.SetupCounts.GetItem(0), 2);
  EXPECT_EQ(state.Journal.SetupCounts.GetItem(1), 4);
  EXPECT_EQ(state.Journal.SetupCounts.GetItem(2), 1);
  EXPECT_EQ(state.Journal.SetupTotal(), 8);
}

TEST_P(ClipboardCommandWithSeparator, BadCellLeavesTheJournalAsItWas) {
  AppState state = StateWithRecords(3);
  const TKorData before = state.Journal;
  const std::string grouped = "7" + ThousandsSeparator() + "000";
  const std::string text = SheetRecord("A1", "A2", "1000\t7000", "500\t6500", "1") +
                           SheetRecord("B1", "B2", "1000\t" + grouped, "1\t2", "1");
  const std::string refusal = PasteJournalFromClipboardText(state, text, 1).RefusalText();
  EXPECT_TRUE(state.Journal == before);
  EXPECT_FALSE(state.Changed);
  EXPECT_NE(refusal.find("Строка 4, ячейка 3"), std::string::npos) << refusal;
}

TEST_P(ClipboardCommandWithSeparator, CopyTextOfTheExampleRecord) {
  AppState state = StateWithRecords(2);
  Pasted(PasteJournalFromClipboardText(state, SheetRecord("Rp1", "Rp2", "1000\t7000", "500\t6500", "1"), 1));
  EXPECT_EQ(JournalCopyText(state, 1, 1),
            "Rp1\tRp1\t=1000\t=7000\r\nRp2\tRp2\t=500\t=6500\r\nRp1->Rp2\tRp2->Rp1\t1\t=" + Dec("      25.00"));
  Pasted(PasteJournalFromClipboardText(state, SheetRecord("Rp2", "Rp3", "1000\t7000", "500\t6493", "1"), 0));
  EXPECT_EQ(JournalCopyText(state, 0, 0),
            "Rp2\tRp2\t=1000\t=7000\r\nRp3\tRp3\t=500\t=6493\r\nRp2->Rp3\tRp3->Rp2\t1\t=Ошибка");
}

TEST_P(ClipboardCommandWithSeparator, CopiedBlockEvaluatedBySpreadsheetPastesBack) {
  AppState state = StateWithRecords(1);
  ASSERT_EQ(Pasted(PasteJournalFromClipboardText(
                       state, SheetRecord("Rp1", "Rp2", Dec("1000.5\t7000"), Dec("500\t6500.5"), "1"), 0))
                .Pasted,
            1);
  // What a sheet shows in columns 2 to 4 once the one-term formulas are evaluated.
  std::string sheet;
  for (char c : JournalCopyText(state, 0, 0))
    if (c != '=') sheet += c;
  size_t lineStart = 0;
  std::string columns2to4;
  while (lineStart < sheet.size()) {
    size_t lineEnd = sheet.find("\r\n", lineStart);
    if (lineEnd == std::string::npos) lineEnd = sheet.size();
    const std::string line = sheet.substr(lineStart, lineEnd - lineStart);
    columns2to4 += line.substr(line.find('\t') + 1) + "\r\n";
    lineStart = lineEnd + 2;
  }
  AppState copy = StateWithRecords(1);
  ASSERT_EQ(Pasted(PasteJournalFromClipboardText(copy, columns2to4, 0)).Pasted, 1);
  EXPECT_EQ(copy.Journal.BackPoints[0], "Rp1");
  EXPECT_EQ(copy.Journal.BackMainReading.GetItem(copy.Journal.FirstSetup.GetItem(0)), 1000.5);
  EXPECT_EQ(copy.Journal.HeightDiffs.GetItem(0), state.Journal.HeightDiffs.GetItem(0));
}

INSTANTIATE_TEST_SUITE_P(PointAndComma, ClipboardCommandWithSeparator,
                         ::testing::Values(SeparatorCase{'.', ","}, SeparatorCase{',', "\u00a0"}));

TEST(ClipboardCommands, TextWithoutRecordsPastesNothingAndSaysNothing) {
  for (const std::string text : {"", "\r\n", "Rp1\t1\t2\r\nRp2\t1\t2", "\tRp1\t1\t2"}) {
    AppState state = StateWithRecords(2);
    const ClipboardPasteResult result = Pasted(PasteJournalFromClipboardText(state, text, 1));
    EXPECT_EQ(result.Pasted, 0);
    EXPECT_EQ(result.CurrentRecord, 1);
    EXPECT_EQ(state.Journal.RecordCount(), 2);
    EXPECT_FALSE(state.Changed);
  }
}

TEST(ClipboardCommands, PasteWithoutACurrentRecordIsRefused) {
  AppState state;
  const std::string text = SheetRecord("Rp1", "Rp2", "1000\t7000", "500\t6500", "1");
  EXPECT_EQ(PasteJournalFromClipboardText(state, text, 0).RefusalText(), kIndexOutOfRangeMessage);
  EXPECT_EQ(state.Journal.RecordCount(), 0);
  AppState two = StateWithRecords(2);
  for (int32_t current : {2, -1})
    EXPECT_EQ(PasteJournalFromClipboardText(two, text, current).RefusalText(), kIndexOutOfRangeMessage);
  EXPECT_EQ(two.Journal.RecordCount(), 2);
}

TEST(ClipboardCommands, PasteThatWouldOutgrowTheDataFileIsRefusedWhole) {
  AppState state = StateWithRecords(kFormatCountLimit - 1);
  const std::string two = SheetRecord("a", "b", "1\t2", "1\t2", "1") + SheetRecord("c", "d", "1\t2", "1\t2", "1");
  EXPECT_EQ(PasteJournalFromClipboardText(state, two, 0).RefusalText(), FormatLimitMessage("записей журнала"));
  EXPECT_EQ(state.Journal.RecordCount(), kFormatCountLimit - 1);
  EXPECT_EQ(Pasted(PasteJournalFromClipboardText(state, SheetRecord("a", "b", "1\t2", "1\t2", "1"), 0)).Pasted, 1);
  EXPECT_EQ(state.Journal.RecordCount(), kFormatCountLimit);

  AppState setups = StateWithRecords(1);
  EXPECT_TRUE(setups.Journal.SetSetupCount(0, kFormatCountLimit - 3));
  const std::string fourSetups =
      SheetRecord("a", "b", "1\t2", "1\t2", "2") + SheetRecord("c", "d", "1\t2", "1\t2", "2");
  EXPECT_EQ(PasteJournalFromClipboardText(setups, fourSetups, 0).RefusalText(),
            FormatLimitMessage("штативов в журнале"));
  EXPECT_EQ(setups.Journal.RecordCount(), 1);
  EXPECT_FALSE(setups.Changed);
}

TEST(ClipboardCommands, NameOutsideTheCodePageIsRefusedWithItsPlace) {
  AppState state = StateWithRecords(1);
  const std::string text =
      SheetRecord("Rp1", "Rp2", "1\t2", "1\t2", "1") + SheetRecord("Rp2", "Rp→3", "1\t2", "1\t2", "1");
  const std::string refusal = PasteJournalFromClipboardText(state, text, 0).RefusalText();
  EXPECT_EQ(state.Journal.RecordCount(), 1);
  EXPECT_NE(refusal.find("Строка 5, ячейка 1"), std::string::npos) << refusal;
  EXPECT_NE(refusal.find("Windows-1251"), std::string::npos) << refusal;
}

}  // namespace
}  // namespace korvado

namespace korvado {
namespace {

TEST(ClipboardPasteAndNets, NetsKeepNamingTheSameRecordsAfterAPaste) {
  AppState state = StateWithRecords(3);
  const int32_t n = *state.Nets.AddNet("Сеть");
  EXPECT_TRUE(state.Nets.NetAt(n).AddSection("P2", "P3", 0, 0, 0.0, 1.0, MakeJournalRef(1, false)));
  EXPECT_TRUE(state.Nets.NetAt(n).AppendRun(0, "P4", 0, 0.0, 1.0, MakeJournalRef(2, true)));
  const std::string text =
      SheetRecord("A", "B", "1000\t7000", "500\t6500", "1") + SheetRecord("C", "D", "1000\t7000", "500\t6500", "1");
  ASSERT_EQ(Pasted(PasteJournalFromClipboardText(state, text, 1)).Pasted, 2);
  const TIndexLists& refs = state.Nets.NetAt(n).SectionTables.TableAt(0).RunRefs;
  EXPECT_EQ(refs.ListAt(0).GetItem(0), MakeJournalRef(3, false));
  EXPECT_EQ(refs.ListAt(1).GetItem(0), MakeJournalRef(4, true));
  EXPECT_EQ(state.Journal.BackPoints[JournalRefRecord(refs.ListAt(0).GetItem(0))], "P2");
  EXPECT_TRUE(state.Changed);
}

}  // namespace
}  // namespace korvado
