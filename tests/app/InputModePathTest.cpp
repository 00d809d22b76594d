#include <gtest/gtest.h>

#include "InputModePath.h"

namespace korvado {
namespace {

using Kind = EntryTarget::Kind;

TEST(InputModePath, MainGridLeadsFromBackPointToTheFirstReading) {
  EXPECT_EQ(NextAfterMainEdit(4, kMainBack), (EntryTarget{Kind::MainCell, 4, kMainFore}));
  EXPECT_EQ(NextAfterMainEdit(4, kMainFore), (EntryTarget{Kind::MainCell, 4, kMainSetups}));
  for (int column : {kMainSetups, kMainHeight, kMainNote})
    EXPECT_EQ(NextAfterMainEdit(4, column), (EntryTarget{Kind::ReadingCell, 0, 1}));
}

TEST(InputModePath, PreciseReadingsGoMainScaleThenAdditionalRowByRow) {
  const auto next = [](int32_t row, int column, int32_t record, int32_t records) {
    return NextAfterReadingEdit(ReadingLayout::Precise, row, column, 4, record, records);
  };
  EXPECT_EQ(next(0, 1, 0, 3), (EntryTarget{Kind::ReadingCell, 0, 2}));
  EXPECT_EQ(next(0, 2, 0, 3), (EntryTarget{Kind::ReadingCell, 1, 1}));
  EXPECT_EQ(next(2, 2, 0, 3), (EntryTarget{Kind::ReadingCell, 3, 1}));
  EXPECT_EQ(next(3, 2, 0, 3), (EntryTarget{Kind::MainCell, 1, kMainBack})) << "then the next record";
  EXPECT_EQ(next(3, 2, 2, 3), (EntryTarget{Kind::NewRecord, 0, 0})) << "after the last record a new one";
  EXPECT_EQ(next(1, 0, 0, 3).kind, Kind::Stay);
  EXPECT_EQ(next(1, 3, 0, 3).kind, Kind::Stay);
}

TEST(InputModePath, TechnicalReadingsGoDownTheSingleReadingColumn) {
  const auto next = [](int32_t row, int column, int32_t record, int32_t records) {
    return NextAfterReadingEdit(ReadingLayout::Technical, row, column, 2, record, records);
  };
  EXPECT_EQ(next(0, 1, 0, 1), (EntryTarget{Kind::ReadingCell, 1, 1}));
  EXPECT_EQ(next(1, 1, 0, 1), (EntryTarget{Kind::NewRecord, 0, 0}));
  EXPECT_EQ(next(1, 1, 0, 2), (EntryTarget{Kind::MainCell, 1, kMainBack}));
  EXPECT_EQ(next(0, 0, 0, 1).kind, Kind::Stay);
  EXPECT_EQ(next(1, 2, 0, 1).kind, Kind::Stay);
}

}  // namespace
}  // namespace korvado
