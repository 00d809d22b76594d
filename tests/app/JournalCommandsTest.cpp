#include <gtest/gtest.h>

#include "JournalCommands.h"
#include "ModelErrors.h"
#include "ModelMessages.h"
#include "NumberText.h"
#include "SeparatorScope.h"
#include "Utf8Text.h"

namespace korvado {
namespace {

AppState StateWithRecord(const std::string& back, const std::string& fore, uint16_t setups) {
  AppState state;
  EXPECT_TRUE(state.Journal.AddRecord(back, fore, setups, ""));
  return state;
}

// Types text into a cell one character at a time, as the editor reports it.
void TypeMain(AppState& state, int column, const std::string& text) {
  for (size_t n = 1; n <= Utf8CharCount(text); ++n) EXPECT_TRUE(WriteMainCell(state, 0, column, Utf8Left(text, n)));
}

void TypeReading(AppState& state, ReadingLayout layout, int32_t row, int column, const std::string& text) {
  for (size_t n = 1; n <= Utf8CharCount(text); ++n)
    EXPECT_TRUE(WriteReadingCell(state, 0, layout, row, column, Utf8Left(text, n)));
}

TEST(JournalCommands, TypingTwelveSetupsGrowsTheRecordKeyByKey) {
  AppState state = StateWithRecord("Rp1", "Rp2", 1);
  EXPECT_TRUE(WriteMainCell(state, 0, kMainSetups, "1"));
  EXPECT_EQ(state.Journal.SetupCounts.GetItem(0), 1);
  EXPECT_TRUE(WriteMainCell(state, 0, kMainSetups, "12"));
  EXPECT_EQ(state.Journal.SetupCounts.GetItem(0), 12);
  EXPECT_EQ(ReadingRowCount(state.Journal, 0), 24);
  EXPECT_EQ(state.Journal.SetupForePoints[11], "Rp2");
  EXPECT_TRUE(WriteMainCell(state, 0, kMainSetups, ""));
  EXPECT_EQ(state.Journal.SetupCounts.GetItem(0), 1) << "a cleared count means one setup";
  EXPECT_TRUE(state.Changed);
}

TEST(JournalCommands, SetupCountOfZeroOrBeyondSixteenBitsIsRefusedWhole) {
  AppState state = StateWithRecord("Rp1", "Rp2", 3);
  const std::string range = "Число штативов должно быть от 1 до 65535";
  const std::pair<std::string, std::string> refused[] = {{"0", "Число штативов должно быть больше нуля"},
                                                         {"65536", range},
                                                         {"70000", range},
                                                         {"99999999999", range},
                                                         {"1x", "«1x» не является целым числом"}};
  for (const auto& [text, message] : refused) {
    // While typed it stays in the editor, unwritten; when the edit ends it is refused.
    EXPECT_TRUE(WriteMainCell(state, 0, kMainSetups, text)) << "typed " << text;
    EXPECT_EQ(CheckCellNumber(JournalGrid::Main, kMainSetups, text).RefusalText(), message) << "ended " << text;
    EXPECT_EQ(state.Journal.SetupCounts.GetItem(0), 3) << text << " changes nothing";
  }
  EXPECT_FALSE(state.Changed);
  EXPECT_TRUE(CheckCellNumber(JournalGrid::Main, kMainSetups, "65535"));
}

TEST(JournalCommands, SetupCountBeyondTheFileLimitIsRefusedWithAMessage) {
  AppState state = StateWithRecord("Rp1", "Rp2", 60000);
  EXPECT_TRUE(state.Journal.AddRecord("Rp2", "Rp3", 1, ""));
  const std::string refusal = WriteMainCell(state, 0, kMainSetups, "65535").RefusalText();
  EXPECT_EQ(state.Journal.SetupCounts.GetItem(0), 60000);
  EXPECT_NE(refusal.find("штативов"), std::string::npos) << refusal;
  EXPECT_FALSE(state.Changed) << "a refused count does not mark the data changed";
}

TEST(JournalCommands, PointNamesGoIntoTheRecordAndItsEndSetups) {
  AppState state = StateWithRecord("Rp1", "Rp2", 3);
  TypeMain(state, kMainBack, "Рп7");
  TypeMain(state, kMainFore, "N2");
  TypeMain(state, kMainNote, "в тени");
  const TKorData& j = state.Journal;
  EXPECT_EQ(j.BackPoints[0], "Рп7");
  EXPECT_EQ(j.SetupBackPoints[0], "Рп7");
  EXPECT_EQ(j.ForePoints[0], "N2");
  EXPECT_EQ(j.SetupForePoints[2], "N2");
  EXPECT_EQ(j.SetupForePoints[0], "X1") << "intermediate names are left alone";
  EXPECT_EQ(j.Notes[0], "в тени");
}

TEST(JournalCommands, TextTheDataFileCannotHoldNeverReachesTheJournal) {
  AppState state = StateWithRecord("Rp1", "Rp2", 1);
  EXPECT_FALSE(WriteMainCell(state, 0, kMainBack, "Rp1日"));
  EXPECT_FALSE(WriteMainCell(state, 0, kMainNote, "ā"));
  EXPECT_FALSE(WriteReadingCell(state, 0, ReadingLayout::Precise, 1, 3, "note ✓"));
  EXPECT_FALSE(WriteReadingCell(state, 0, ReadingLayout::Technical, 0, 0, "日"));
  EXPECT_EQ(state.Journal.BackPoints[0], "Rp1");
  EXPECT_EQ(state.Journal.Notes[0], "");
  EXPECT_EQ(state.Journal.SetupNotes[0], "");
  EXPECT_EQ(state.Journal.SetupBackPoints[0], "Rp1");
  EXPECT_FALSE(state.Changed);
}

TEST(JournalCommands, PastedTextIsCutToWhatTheFileHolds) {
  AppState state = StateWithRecord("Rp1", "Rp2", 1);
  EXPECT_TRUE(WriteMainCell(state, 0, kMainBack, std::string(25, 'A')));
  EXPECT_TRUE(WriteMainCell(state, 0, kMainNote, std::string(35, 'n')));
  EXPECT_TRUE(WriteReadingCell(state, 0, ReadingLayout::Precise, 1, 3, "ЯЯЯЯЯЯЯЯЯЯЯЯЯЯЯЯЯЯЯЯЯЯЯЯЯ"));
  EXPECT_EQ(state.Journal.BackPoints[0], std::string(20, 'A'));
  EXPECT_EQ(state.Journal.Notes[0], std::string(30, 'n'));
  EXPECT_EQ(state.Journal.SetupNotes[0], "ЯЯЯЯЯЯЯЯЯЯЯЯЯЯЯЯЯЯЯЯ");
}

class JournalCommandsBothSeparators : public ::testing::TestWithParam<SeparatorCase> {};

TEST_P(JournalCommandsBothSeparators, PreciseReadingsGiveTheMeanOfBothScales) {
  SeparatorScope scope(GetParam().decimal, GetParam().thousands);
  AppState state = StateWithRecord("Rp1", "Rp2", 1);
  TypeReading(state, ReadingLayout::Precise, 0, 1, "1000");
  TypeReading(state, ReadingLayout::Precise, 0, 2, "7000");
  TypeReading(state, ReadingLayout::Precise, 1, 1, "500");
  TypeReading(state, ReadingLayout::Precise, 1, 2, "6500");
  EXPECT_EQ(state.Journal.SetupHeightDiffs.GetItem(0), 25.0);
  EXPECT_EQ(state.Journal.HeightDiffs.GetItem(0), 25.0);
  EXPECT_EQ(ReadingGridText(state.Journal, 0, ReadingLayout::Precise, 0, 3, HeightForm::General), "25");
  EXPECT_EQ(ReadingGridText(state.Journal, 0, ReadingLayout::Precise, 0, 3),
            "25" + std::string(1, GetParam().decimal) + "00");

  TypeReading(state, ReadingLayout::Precise, 1, 2, "6493");
  EXPECT_EQ(MainGridText(state.Journal, 0, kMainHeight), "Ошибка");
  EXPECT_EQ(ReadingGridText(state.Journal, 0, ReadingLayout::Precise, 0, 3), "Ошибка");

  const std::string decimal = "1000" + std::string(1, GetParam().decimal) + "5";
  EXPECT_TRUE(WriteReadingCell(state, 0, ReadingLayout::Precise, 0, 1, decimal));
  EXPECT_EQ(state.Journal.BackMainReading.GetItem(0), 1000.5);
}

TEST_P(JournalCommandsBothSeparators, TechnicalReadingsGiveTheirDifference) {
  SeparatorScope scope(GetParam().decimal, GetParam().thousands);
  AppState state = StateWithRecord("Rp1", "Rp2", 2);
  state.Journal.TechMode = true;
  TypeReading(state, ReadingLayout::Technical, 0, 1, "1523");
  TypeReading(state, ReadingLayout::Technical, 1, 1, "1402");
  TypeReading(state, ReadingLayout::Technical, 2, 1, "1000");
  TypeReading(state, ReadingLayout::Technical, 3, 1, "1100");
  EXPECT_EQ(state.Journal.SetupHeightDiffs.GetItem(0), 121.0);
  EXPECT_EQ(state.Journal.SetupHeightDiffs.GetItem(1), -100.0);
  EXPECT_EQ(state.Journal.HeightDiffs.GetItem(0), 21.0) << "the record's height is the sum of its setups";
}

INSTANTIATE_TEST_SUITE_P(Separators, JournalCommandsBothSeparators,
                         ::testing::Values(SeparatorCase{'.', ","}, SeparatorCase{',', " "}));

// Rp1 -> Rp2 over two setups: the first with these readings, the second 1200/1000 and 7200/7000.
AppState TwoSetupRecord(double backMain, double foreMain, double backAux, double foreAux) {
  AppState state = StateWithRecord("Rp1", "Rp2", 2);
  state.Journal.SetSetupData(0, "Rp1", "X1", backMain, foreMain, backAux, foreAux, "");
  state.Journal.SetSetupData(1, "X1", "Rp2", 1200, 1000, 7200, 7000, "");
  state.Journal.RecalcRecordHeight(0);
  return state;
}

TEST(JournalCommands, SwitchingTheTableRecomputesEveryHeightByTheNewFormula) {
  AppState state = TwoSetupRecord(33315, 17070, 0, 0);
  ASSERT_EQ(state.Journal.HeightDiffs.GetItem(0), InvalidHeight);
  EXPECT_FALSE(TechModeSwitchChangesHeights(state, false));
  ASSERT_TRUE(TechModeSwitchChangesHeights(state, true));
  SetTechMode(state, true);
  EXPECT_EQ(state.Journal.SetupHeightDiffs.Items(), (std::vector<double>{16245.0, 200.0}));
  EXPECT_EQ(state.Journal.HeightDiffs.GetItem(0), 16445.0);
  EXPECT_TRUE(state.Changed);
  state.Journal.SetSetupData(0, "Rp1", "X1", 33315, 17070, 33315 + 4685, 17070 + 4685, "");
  SetTechMode(state, false);
  EXPECT_EQ(state.Journal.SetupHeightDiffs.Items(), (std::vector<double>{812.25, 10.0}));
  EXPECT_EQ(state.Journal.HeightDiffs.GetItem(0), 822.25);
}

TEST(JournalCommands, OneKeyInTheTechnicalTableRecomputesEverySetupOfTheRecord) {
  AppState state = TwoSetupRecord(1000, 500, 7000, 6500);
  ASSERT_EQ(state.Journal.HeightDiffs.GetItem(0), 35.0);
  SetTechMode(state, true);
  EXPECT_TRUE(WriteReadingCell(state, 0, ReadingLayout::Technical, 3, 1, "1001"));
  EXPECT_EQ(state.Journal.BackAuxReading.GetItem(0), 0.0);
  EXPECT_EQ(state.Journal.ForeAuxReading.GetItem(1), 0.0);
  EXPECT_EQ(state.Journal.SetupHeightDiffs.GetItem(0), 500.0);
  EXPECT_EQ(state.Journal.SetupHeightDiffs.GetItem(1), 199.0);
  EXPECT_EQ(state.Journal.HeightDiffs.GetItem(0), 699.0);
}

TEST(JournalCommands, AReadingThatIsNotANumberWritesNothing) {
  AppState state = StateWithRecord("Rp1", "Rp2", 2);
  EXPECT_TRUE(WriteReadingCell(state, 0, ReadingLayout::Precise, 2, 1, "1200"));
  SetTechMode(state, true);
  const TKorData before = state.Journal;
  EXPECT_TRUE(WriteReadingCell(state, 0, ReadingLayout::Technical, 0, 1, "12.3.4")) << "stays in the editor";
  EXPECT_EQ(state.Journal, before);
  EXPECT_EQ(CheckCellNumber(JournalGrid::Technical, 1, "12.3.4").RefusalText(), NotANumberMessage("12.3.4"));
}

TEST(JournalCommands, TypedSetupNamesAndNotesStayInTheSetupColumns) {
  AppState state = StateWithRecord("Rp1", "Rp2", 2);
  EXPECT_TRUE(WriteReadingCell(state, 0, ReadingLayout::Precise, 1, 0, "M5"));
  EXPECT_TRUE(WriteReadingCell(state, 0, ReadingLayout::Precise, 2, 0, "M5"));
  EXPECT_TRUE(WriteReadingCell(state, 0, ReadingLayout::Precise, 3, 3, "туман"));
  EXPECT_TRUE(WriteReadingCell(state, 0, ReadingLayout::Precise, 0, 0, "Б"));
  EXPECT_EQ(state.Journal.SetupForePoints[0], "M5");
  EXPECT_EQ(state.Journal.SetupBackPoints[1], "M5");
  EXPECT_EQ(state.Journal.SetupNotes[1], "туман");
  EXPECT_EQ(state.Journal.SetupBackPoints[0], "Б");
  EXPECT_EQ(state.Journal.BackPoints[0], "Rp1") << "the record's own names change only in the main grid";
}

TEST(JournalCommands, KeyFiltersFollowTheColumns) {
  SeparatorScope scope(',', " ");
  const std::string name19(19, 'a'), name20(20, 'a');
  EXPECT_TRUE(CellAcceptsChar(JournalGrid::Main, kMainBack, name19, U'Ж'));
  EXPECT_FALSE(CellAcceptsChar(JournalGrid::Main, kMainBack, name20, U'b'));
  EXPECT_TRUE(CellAcceptsChar(JournalGrid::Main, kMainFore, name20, kBackspaceChar));
  EXPECT_TRUE(CellAcceptsChar(JournalGrid::Main, kMainFore, name20, kEnterChar));
  EXPECT_TRUE(CellAcceptsChar(JournalGrid::Main, kMainNote, std::string(29, 'n'), U'x'));
  EXPECT_FALSE(CellAcceptsChar(JournalGrid::Main, kMainNote, std::string(30, 'n'), U'x'));
  EXPECT_FALSE(CellAcceptsChar(JournalGrid::Main, kMainFore, "ЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖ", U'x'))
      << "the limit counts characters, not bytes";
  EXPECT_TRUE(CellAcceptsChar(JournalGrid::Main, kMainSetups, "", U'7'));
  EXPECT_FALSE(CellAcceptsChar(JournalGrid::Main, kMainSetups, "", U','));
  EXPECT_EQ(CellCharFor(JournalGrid::Main, kMainSetups, U'.'), U'.') << "a setup count has no separator at all";
  EXPECT_FALSE(CellAcceptsChar(JournalGrid::Main, kMainSetups, "", U'-'));
  EXPECT_TRUE(CellAcceptsChar(JournalGrid::Main, kMainHeight, "", kEnterChar));
  EXPECT_FALSE(CellAcceptsChar(JournalGrid::Main, kMainHeight, "", kBackspaceChar));
  EXPECT_FALSE(CellAcceptsChar(JournalGrid::Main, kMainHeight, "", U'1'));
  for (JournalGrid grid : {JournalGrid::Detail, JournalGrid::Technical}) {
    EXPECT_TRUE(CellAcceptsChar(grid, 1, "", U'5'));
    EXPECT_TRUE(CellAcceptsChar(grid, 1, "", U','));
    EXPECT_FALSE(CellAcceptsChar(grid, 1, "12,5", U',')) << "a reading holds one separator";
    EXPECT_FALSE(CellAcceptsChar(grid, 1, "", U'.'));
    EXPECT_EQ(CellCharFor(grid, 1, U'.'), U',') << "the other separator is typed as the locale's, never dropped";
    EXPECT_EQ(CellCharFor(grid, 0, U'.'), U'.') << "names keep their dots";
    EXPECT_FALSE(CellAcceptsChar(grid, 1, "", U'-'));
    EXPECT_FALSE(CellAcceptsChar(grid, 0, name20, U'x'));
    EXPECT_TRUE(CellAcceptsChar(grid, ReadingHeightColumn(LayoutOf(grid)), name19, U'x'));
    EXPECT_FALSE(CellAcceptsChar(grid, ReadingHeightColumn(LayoutOf(grid)), name20, U'x'));
  }
  EXPECT_TRUE(CellAcceptsChar(JournalGrid::Detail, 2, "", U'5'));
  EXPECT_EQ(CellTextLimit(JournalGrid::Main, kMainNote), 30);
  EXPECT_EQ(CellTextLimit(JournalGrid::Technical, 2), 20);
  EXPECT_EQ(CellTextLimit(JournalGrid::Detail, 1), 0);
}

TEST(JournalCommands, ComputedCellsAreTheHeightDifferences) {
  EXPECT_TRUE(IsComputedCell(JournalGrid::Main, 0, kMainHeight));
  EXPECT_FALSE(IsComputedCell(JournalGrid::Main, 0, kMainNote));
  EXPECT_TRUE(IsComputedCell(JournalGrid::Detail, 2, 3));
  EXPECT_FALSE(IsComputedCell(JournalGrid::Detail, 3, 3)) << "a fore row's last cell is the setup note";
  EXPECT_TRUE(IsComputedCell(JournalGrid::Technical, 0, 2));
  EXPECT_FALSE(IsComputedCell(JournalGrid::Technical, 1, 2));
}

TEST(JournalCommands, AddedRecordContinuesANumberedForePoint) {
  AppState numbered = StateWithRecord("16", "17", 2);
  ASSERT_EQ(AppendJournalRecord(numbered).Value(), 1);
  EXPECT_EQ(numbered.Journal.BackPoints[1], "17");
  EXPECT_EQ(numbered.Journal.ForePoints[1], "18");
  EXPECT_EQ(numbered.Journal.SetupCounts.GetItem(1), 1);
  EXPECT_TRUE(numbered.Changed);

  AppState named = StateWithRecord("Rp1", "Rp2", 1);
  ASSERT_EQ(AppendJournalRecord(named).Value(), 1);
  EXPECT_EQ(named.Journal.BackPoints[1], "Задн.");
  EXPECT_EQ(named.Journal.ForePoints[1], "Пер.");

  AppState largest = StateWithRecord("A", "2147483647", 1);
  EXPECT_TRUE(AppendJournalRecord(largest));
  EXPECT_EQ(largest.Journal.ForePoints[1], "2147483648") << "no overflow past the largest 32-bit number";
}

TEST(JournalCommands, RecordsAreRefusedAtTheFileFormatsLimits) {
  AppState full = StateWithRecord("Rp1", "Rp2", 65535);
  EXPECT_EQ(AppendJournalRecord(full).RefusalText(), FormatLimitMessage("штативов в журнале"));
  EXPECT_EQ(InsertJournalRecord(full, 0).RefusalText(), FormatLimitMessage("штативов в журнале"));
  EXPECT_EQ(full.Journal.RecordCount(), 1);

  AppState many;
  for (int i = 0; i < 65535; ++i) ASSERT_TRUE(many.Journal.AddRecord("A", "B", 1, ""));
  EXPECT_EQ(AppendJournalRecord(many).RefusalText(), FormatLimitMessage("записей журнала"));
  EXPECT_EQ(many.Journal.RecordCount(), 65535);
}

TEST(JournalCommands, InsertedRecordTakesTheCurrentRow) {
  AppState state = StateWithRecord("A", "B", 1);
  EXPECT_TRUE(state.Journal.AddRecord("B", "C", 2, ""));
  ASSERT_EQ(InsertJournalRecord(state, 1).Value(), 1);
  EXPECT_EQ(state.Journal.BackPoints[1], "Задн.");
  EXPECT_EQ(state.Journal.ForePoints[1], "Пер.");
  EXPECT_EQ(state.Journal.BackPoints[2], "B");
  EXPECT_EQ(ReadingGridText(state.Journal, 1, ReadingLayout::Precise, 0, 0), "Задн.");
}

TEST(JournalCommands, DeletingNeverRemovesTheLastRecord) {
  AppState single = StateWithRecord("A", "B", 1);
  EXPECT_FALSE(CanDeleteJournalRecord(single));
  EXPECT_FALSE(DeleteJournalRecord(single, 0));
  EXPECT_EQ(single.Journal.RecordCount(), 1);

  AppState two = StateWithRecord("A", "B", 1);
  EXPECT_TRUE(two.Journal.AddRecord("B", "C", 1, ""));
  EXPECT_TRUE(CanDeleteJournalRecord(two));
  EXPECT_TRUE(DeleteJournalRecord(two, 0));
  ASSERT_EQ(two.Journal.RecordCount(), 1);
  EXPECT_EQ(two.Journal.BackPoints[0], "B");
}

TEST(JournalCommands, NetsKeepNamingTheSameRunsWhenRecordsAreInsertedOrDeleted) {
  AppState state = StateWithRecord("A", "B", 1);
  EXPECT_TRUE(state.Journal.AddRecord("B", "C", 1, ""));
  TKorNet& net = state.Nets.NetAt(*state.Nets.AddNet("Сеть"));
  EXPECT_TRUE(net.AddSection("B", "C", 0, 0, 0.0, 1.0, MakeJournalRef(1, false)));
  EXPECT_TRUE(net.AddSection("B", "A", 0, 0, 0.0, 1.0, MakeJournalRef(0, true)));
  const auto ref = [&](int section) { return net.SectionTables.TableAt(section).RunRefs.ListAt(0).GetItem(0); };
  EXPECT_TRUE(InsertJournalRecord(state, 1));
  EXPECT_EQ(ref(0), MakeJournalRef(2, false)) << "B->C moved one row down";
  EXPECT_EQ(ref(1), MakeJournalRef(0, true)) << "A->B stayed where it was";
  EXPECT_TRUE(DeleteJournalRecord(state, 0));
  EXPECT_EQ(ref(0), MakeJournalRef(1, false));
  EXPECT_EQ(ref(1), 0) << "a reference to the deleted record names no record";
}

}  // namespace
}  // namespace korvado
