#include <gtest/gtest.h>

#include "JournalGridText.h"
#include "SeparatorScope.h"

namespace korvado {
namespace {

TKorData JournalOfOneRun(uint16_t setups) {
  TKorData j;
  EXPECT_TRUE(j.AddRecord("Rp1", "Rp2", setups, "заметка"));
  return j;
}

class JournalGridTextBothSeparators : public ::testing::TestWithParam<SeparatorCase> {};

TEST_P(JournalGridTextBothSeparators, HeightDifferencesInTheirThreeForms) {
  SeparatorScope scope(GetParam().decimal, GetParam().thousands);
  const std::string d(1, GetParam().decimal);
  EXPECT_EQ(HeightText(1234.5, HeightForm::Grouped), "   1" + std::string(GetParam().thousands) + "234" + d + "50");
  EXPECT_EQ(HeightText(25, HeightForm::Fixed), "25" + d + "00");
  EXPECT_EQ(HeightText(25, HeightForm::General), "25");
  EXPECT_EQ(HeightText(-0.125, HeightForm::General), "-0" + d + "125");
  for (HeightForm form : {HeightForm::Grouped, HeightForm::Fixed, HeightForm::General})
    EXPECT_EQ(HeightText(InvalidHeight, form), "Ошибка");
}

TEST_P(JournalGridTextBothSeparators, ReadingsShowTheirShortestForm) {
  SeparatorScope scope(GetParam().decimal, GetParam().thousands);
  TKorData j = JournalOfOneRun(1);
  j.SetSetupData(0, "Rp1", "Rp2", 1523.5, 1402, 0, 0, "");
  EXPECT_EQ(ReadingGridText(j, 0, ReadingLayout::Technical, 0, 1), "1523" + std::string(1, GetParam().decimal) + "5");
  EXPECT_EQ(ReadingGridText(j, 0, ReadingLayout::Technical, 1, 1), "1402");
}

INSTANTIATE_TEST_SUITE_P(Separators, JournalGridTextBothSeparators,
                         ::testing::Values(SeparatorCase{'.', ","}, SeparatorCase{',', " "}));

TEST(JournalGridText, MainGridRowShowsTheRecord) {
  TKorData j = JournalOfOneRun(3);
  EXPECT_EQ(MainGridText(j, 0, kMainBack), "Rp1");
  EXPECT_EQ(MainGridText(j, 0, kMainFore), "Rp2");
  EXPECT_EQ(MainGridText(j, 0, kMainSetups), "3");
  EXPECT_EQ(MainGridText(j, 0, kMainHeight), "       0.00");
  EXPECT_EQ(MainGridText(j, 0, kMainNote), "заметка");
  EXPECT_EQ(MainGridText(j, 1, kMainBack), "") << "a row past the journal shows nothing";
}

TEST(JournalGridText, PreciseGridHasBackAndForeRowPerSetup) {
  TKorData j = JournalOfOneRun(2);
  j.SetSetupData(1, "X1", "Rp2", 1000, 500, 7000, 6500, "дождь");
  ASSERT_EQ(ReadingRowCount(j, 0), 4);
  EXPECT_EQ(ReadingGridText(j, 0, ReadingLayout::Precise, 0, 0), "Rp1");
  EXPECT_EQ(ReadingGridText(j, 0, ReadingLayout::Precise, 1, 0), "X1");
  EXPECT_EQ(ReadingGridText(j, 0, ReadingLayout::Precise, 2, 0), "X1");
  EXPECT_EQ(ReadingGridText(j, 0, ReadingLayout::Precise, 2, 1), "1000");
  EXPECT_EQ(ReadingGridText(j, 0, ReadingLayout::Precise, 3, 1), "500");
  EXPECT_EQ(ReadingGridText(j, 0, ReadingLayout::Precise, 2, 2), "7000");
  EXPECT_EQ(ReadingGridText(j, 0, ReadingLayout::Precise, 3, 2), "6500");
  EXPECT_EQ(ReadingGridText(j, 0, ReadingLayout::Precise, 2, 3), "25.00");
  EXPECT_EQ(ReadingGridText(j, 0, ReadingLayout::Precise, 2, 3, HeightForm::General), "25");
  EXPECT_EQ(ReadingGridText(j, 0, ReadingLayout::Precise, 3, 3), "дождь");
  EXPECT_EQ(ReadingGridText(j, 0, ReadingLayout::Precise, 3, 0), "Rp2");
}

TEST(JournalGridText, TechnicalGridPutsHeightAndNoteInItsThirdColumn) {
  TKorData j = JournalOfOneRun(1);
  j.TechMode = true;
  j.SetSetupData(0, "Rp1", "Rp2", 1523, 1402, 0, 0, "ветер");
  EXPECT_EQ(ReadingColumnCount(ReadingLayout::Technical), 3);
  EXPECT_EQ(ReadingGridText(j, 0, ReadingLayout::Technical, 0, 2), "121.00");
  EXPECT_EQ(ReadingGridText(j, 0, ReadingLayout::Technical, 1, 2), "ветер");
  EXPECT_EQ(ReadingGridText(j, 0, ReadingLayout::Technical, 0, 3), "") << "no fourth column";
}

TEST(JournalGridText, RecordInsertedBeforeOthersShowsItsOwnSetups) {
  TKorData j = JournalOfOneRun(1);
  EXPECT_TRUE(j.InsertRecord(0, "A", "B", 2, ""));
  // The inserted record owns the setups at the end of the setup columns.
  EXPECT_EQ(ReadingGridText(j, 0, ReadingLayout::Precise, 0, 0), "A");
  EXPECT_EQ(ReadingGridText(j, 0, ReadingLayout::Precise, 3, 0), "B");
  EXPECT_EQ(ReadingGridText(j, 1, ReadingLayout::Precise, 0, 0), "Rp1");
}

}  // namespace
}  // namespace korvado
