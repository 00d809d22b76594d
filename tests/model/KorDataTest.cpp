#include <gtest/gtest.h>

#include "JournalAssertions.h"
#include "KorData.h"
#include "ModelMessages.h"
#include "NumberText.h"

namespace korvado {
namespace {

// A journal of records "A<i>" -> "B<i>" with the given setup counts, setups in record order.
TKorData OrderedJournal(const std::vector<uint16_t>& counts) {
  TKorData journal;
  for (size_t i = 0; i < counts.size(); ++i)
    EXPECT_TRUE(journal.AddRecord("A" + std::to_string(i), "B" + std::to_string(i), counts[i], ""));
  return journal;
}

std::vector<int32_t> Ranges(const TKorData& j) {
  std::vector<int32_t> out;
  for (int32_t i = 0; i < j.RecordCount(); ++i) {
    out.push_back(j.FirstSetup.GetItem(i));
    out.push_back(j.LastSetup.GetItem(i));
  }
  return out;
}

TEST(Journal, NewRecordsOwnFreshSetupsNamedAlongTheRun) {
  TKorData journal;
  EXPECT_TRUE(journal.AddRecord("Rp1", "Rp2", 1, ""));
  EXPECT_EQ(Ranges(journal), (std::vector<int32_t>{0, 0}));
  EXPECT_EQ(journal.SetupBackPoints[0], "Rp1");
  EXPECT_EQ(journal.SetupForePoints[0], "Rp2");
  EXPECT_EQ(journal.HeightDiffs.GetItem(0), 0.0);

  journal = OrderedJournal({2, 3});  // 5 setup entries
  EXPECT_TRUE(journal.AddRecord("Rp1", "Rp2", 3, "ход 3"));
  EXPECT_EQ(journal.FirstSetup.GetItem(2), 5);
  EXPECT_EQ(journal.LastSetup.GetItem(2), 7);
  EXPECT_EQ(journal.SetupBackPoints.Items(),
            (std::vector<std::string>{"A0", "X1", "A1", "X1", "X2", "Rp1", "X1", "X2"}));
  EXPECT_EQ(journal.SetupForePoints.Items(),
            (std::vector<std::string>{"X1", "B0", "X1", "X2", "B1", "X1", "X2", "Rp2"}));
  EXPECT_TRUE(JournalIsConsistent(journal));
}

TEST(Journal, InsertedRecordTakesItsSetupsFromTheEndAndOthersKeepTheirs) {
  TKorData journal = OrderedJournal({2, 3});
  EXPECT_TRUE(journal.InsertRecord(0, "N", "M", 2, ""));
  EXPECT_EQ(Ranges(journal), (std::vector<int32_t>{5, 6, 0, 1, 2, 4}));
  EXPECT_EQ(journal.BackPoints[0], "N");
  EXPECT_TRUE(SetupsNamedByRule(journal, 0));
  EXPECT_TRUE(JournalIsConsistent(journal));
}

TEST(Journal, InsertOnlyBeforeAnExistingRecord) {
  TKorData empty;
  EXPECT_EQ(empty.InsertRecord(0, "A", "B", 1, "").RefusalText(), kIndexOutOfRangeMessage);
  TKorData journal = OrderedJournal({1});
  const TKorData before = journal;
  for (int32_t index : {1, -1})
    EXPECT_EQ(journal.InsertRecord(index, "A", "B", 1, "").RefusalText(), kIndexOutOfRangeMessage);
  EXPECT_EQ(empty.RecordCount(), 0);
  EXPECT_EQ(journal, before);
}

TEST(Journal, ZeroSetupsAreRefusedEverywhere) {
  TKorData journal = OrderedJournal({2});
  const TKorData before = journal;
  EXPECT_EQ(journal.AddRecord("A", "B", 0, "").RefusalText(), kSetupCountZeroMessage);
  EXPECT_EQ(journal.InsertRecord(0, "A", "B", 0, "").RefusalText(), kSetupCountZeroMessage);
  EXPECT_EQ(journal.SetSetupCount(0, 0).RefusalText(), kSetupCountZeroMessage);
  EXPECT_EQ(journal, before);
}

TEST(Journal, DeletingARecordShiftsOnlyTheRangesAboveIt) {
  TKorData journal = OrderedJournal({2, 3, 1});
  EXPECT_TRUE(journal.DeleteRecord(0));
  EXPECT_EQ(Ranges(journal), (std::vector<int32_t>{0, 2, 3, 3}));
  EXPECT_EQ(journal.SetupBackPoints[0], "A1");

  journal = OrderedJournal({2, 3});
  EXPECT_TRUE(journal.InsertRecord(1, "N", "M", 2, ""));  // setups 5..6 at the end
  EXPECT_TRUE(journal.DeleteRecord(1));
  EXPECT_EQ(Ranges(journal), (std::vector<int32_t>{0, 1, 2, 4}));
  EXPECT_TRUE(JournalIsConsistent(journal));

  const TKorData before = journal;
  EXPECT_EQ(journal.DeleteRecord(2).RefusalText(), kIndexOutOfRangeMessage);
  EXPECT_EQ(journal, before);
}

TEST(Journal, MoreSetupsAreInsertedBehindTheRecordsOwnLastSetup) {
  // In the middle of an ordered journal: later ranges move up.
  TKorData journal = OrderedJournal({2, 2, 2});
  journal.SetupBackPoints.Set(1, "Мой");  // a user-named intermediate point is replaced
  journal.BackMainReading.SetItem(0, 1500.0);
  EXPECT_TRUE(journal.SetSetupCount(0, 4));
  EXPECT_EQ(Ranges(journal), (std::vector<int32_t>{0, 3, 4, 5, 6, 7}));
  EXPECT_TRUE(SetupsNamedByRule(journal, 0));
  EXPECT_EQ(journal.BackMainReading.GetItem(0), 1500.0);
  EXPECT_EQ(journal.SetupBackPoints[4], "A1");

  // A record inserted earlier, whose setups lie at the end: nobody else moves.
  journal = OrderedJournal({2, 2});
  EXPECT_TRUE(journal.InsertRecord(0, "N", "M", 1, ""));
  EXPECT_TRUE(journal.SetSetupCount(0, 3));
  EXPECT_EQ(Ranges(journal), (std::vector<int32_t>{4, 6, 0, 1, 2, 3}));
  EXPECT_TRUE(SetupsNamedByRule(journal, 0));
  EXPECT_TRUE(JournalIsConsistent(journal));
}

TEST(Journal, FewerSetupsDropTheLastOnesAndKeepTheForePoint) {
  TKorData journal = OrderedJournal({4, 2});
  journal.SetupForePoints.Set(0, "Мой");
  EXPECT_TRUE(journal.SetSetupCount(0, 2));
  EXPECT_EQ(Ranges(journal), (std::vector<int32_t>{0, 1, 2, 3}));
  EXPECT_EQ(journal.SetupForePoints[0], "Мой");  // no other name changes
  EXPECT_EQ(journal.SetupForePoints[1], "B0");
  EXPECT_EQ(journal.SetupBackPoints[2], "A1");

  const TKorData before = journal;
  EXPECT_TRUE(journal.SetSetupCount(0, 2));
  EXPECT_EQ(journal, before);
}

TEST(Journal, PreciseModeAveragesBothScalesAndFlagsADisagreement) {
  TKorData journal = OrderedJournal({2});
  journal.SetSetupData(0, "A0", "X1", 1500, 1400, 7500, 7405, "");
  EXPECT_EQ(journal.SetupHeightDiffs.GetItem(0), 4.88);  // disagreement 5.0
  journal.SetSetupData(1, "X1", "B0", 1500, 1400, 7500, 7406, "");
  EXPECT_EQ(journal.SetupHeightDiffs.GetItem(1), 4.85);  // exactly 6.0 is accepted
  journal.RecalcRecordHeight(0);
  EXPECT_EQ(journal.HeightDiffs.GetItem(0), 9.73);

  journal.SetSetupData(1, "X1", "B0", 1500, 1400, 7500, 7393, "заметка");
  EXPECT_EQ(journal.SetupHeightDiffs.GetItem(1), InvalidHeight);
  EXPECT_EQ(journal.SetupNotes[1], "заметка");
  journal.RecalcRecordHeight(0);
  EXPECT_EQ(journal.HeightDiffs.GetItem(0), InvalidHeight);
}

TEST(Journal, TechnicalModeTakesTheMainReadingsOnly) {
  TKorData journal = OrderedJournal({1});
  journal.TechMode = true;
  journal.SetSetupData(0, "A0", "B0", 1.2345, 0.5, 0, 0, "");
  EXPECT_EQ(journal.SetupHeightDiffs.GetItem(0), 0.73);
  journal.SetSetupData(0, "A0", "B0", 1523, 1402, 0, 99999, "");
  journal.RecalcRecordHeight(0);
  EXPECT_EQ(journal.HeightDiffs.GetItem(0), 121.0);
}

TEST(Journal, SetupsAreFoundThroughTheirRangeNotTheirNeighbours) {
  TKorData journal = OrderedJournal({1, 1});
  EXPECT_TRUE(journal.InsertRecord(1, "N", "M", 2, ""));  // setups 2..3
  journal.SetSetupData(2, "N", "X1", 1000, 900, 5700, 5600, "");
  journal.SetSetupData(3, "X1", "M", 1000, 950, 5700, 5650, "");
  journal.SetSetupData(1, "A1", "B1", 5000, 0, 9700, 4700, "");
  journal.RecalcRecordHeight(1);
  EXPECT_EQ(journal.HeightDiffs.GetItem(1), RoundHalfEven(2, 5.0 + 2.5));
}

TEST(Journal, ClearEmptiesEverythingButKeepsTheMode) {
  TKorData journal = OrderedJournal({2, 3});
  journal.TechMode = true;
  journal.Clear();
  EXPECT_EQ(journal.RecordCount(), 0);
  EXPECT_EQ(journal.SetupTotal(), 0);
  EXPECT_TRUE(JournalIsConsistent(journal));
  EXPECT_TRUE(journal.TechMode);
}

TEST(Journal, TheFileFormatLimitsAreNeverExceeded) {
  TKorData journal;
  EXPECT_TRUE(journal.AddRecord("A", "B", 65000, ""));
  EXPECT_TRUE(journal.AddRecord("A", "B", 535, ""));
  EXPECT_EQ(journal.SetupTotal(), 65535);
  const TKorData full = journal;
  for (const Outcome& refused :
       {journal.AddRecord("A", "B", 1, ""), journal.InsertRecord(0, "A", "B", 1, ""), journal.SetSetupCount(1, 536)})
    EXPECT_EQ(refused.RefusalText(), FormatLimitMessage("штативов в журнале"));
  EXPECT_EQ(journal, full);
}

TEST(JournalReferences, SignCarriesTheDirection) {
  EXPECT_EQ(MakeJournalRef(0, false), 1);
  EXPECT_EQ(MakeJournalRef(4, true), -5);
  EXPECT_EQ(JournalRefRecord(-5), 4);
  EXPECT_TRUE(JournalRefReversed(-5));
  EXPECT_FALSE(JournalRefReversed(3));
}

TEST(IndexLists, EachEntryOwnsItsValuesAndBadPositionsAreHandled) {
  TIndexLists lists;
  EXPECT_EQ(lists.AddNew(3), 0);
  EXPECT_EQ(lists.AddNew(-5), 1);
  lists.ListAt(0).Add(7);
  EXPECT_EQ(lists.ListAt(0).Items(), (std::vector<int32_t>{3, 7}));
  lists.DeleteAt(lists.Count());
  EXPECT_EQ(lists.Count(), 2);
  EXPECT_THROW(lists.ListAt(lists.Count()), ListIndexError);
  lists.DeleteAt(0);
  EXPECT_EQ(lists.ListAt(0).GetItem(0), -5);
}

}  // namespace
}  // namespace korvado
