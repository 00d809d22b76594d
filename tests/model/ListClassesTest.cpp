#include <gtest/gtest.h>

#include "ListClasses.h"

namespace korvado {
namespace {

TEST(TypedLists, IndexAtOrPastTheEndIsForgiven) {
  TIntList ints;
  TDoubleList doubles;
  EXPECT_EQ(ints.GetItem(0), -1);
  EXPECT_EQ(doubles.GetItem(0), -1.0);
  ints.Add(7);
  doubles.Add(2.5);
  EXPECT_EQ(ints.GetItem(1), -1);
  EXPECT_EQ(ints.GetItem(1000), -1);
  EXPECT_EQ(doubles.GetItem(1), -1.0);

  ints.SetItem(1, 9);
  ints.Delete(1);
  ints.Insert(1, 9);  // Insert never appends
  EXPECT_EQ(ints.Items(), std::vector<int32_t>{7});

  TIntList empty;
  empty.Insert(0, 5);
  EXPECT_EQ(empty.Count(), 0);
}

TEST(TypedLists, AddReturnsPositionsAndInsertShiftsLaterItems) {
  TIntList list;
  EXPECT_EQ(list.Add(10), 0);
  EXPECT_EQ(list.Add(30), 1);
  EXPECT_EQ(list.Add(40), 2);
  list.Insert(1, 20);
  EXPECT_EQ(list.Items(), (std::vector<int32_t>{10, 20, 30, 40}));
  list.Delete(0);
  list.SetItem(2, 41);
  EXPECT_EQ(list.Items(), (std::vector<int32_t>{20, 30, 41}));
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
}

TEST(TypedLists, NegativeIndexRaisesTheListIndexError) {
  TIntList ints;
  ints.Add(1);
  TDoubleList doubles;
  EXPECT_THROW(ints.GetItem(-1), ListIndexError);
  EXPECT_THROW(ints.SetItem(-2, 0), ListIndexError);
  EXPECT_THROW(ints.Insert(-1, 0), ListIndexError);
  EXPECT_THROW(doubles.Delete(-1), ListIndexError);
  try {
    ints.GetItem(-3);
    FAIL() << "no error raised";
  } catch (const ListIndexError& error) {
    EXPECT_STREQ(error.what(), "Индекс списка вне допустимого диапазона (-3)");
  }
  EXPECT_EQ(ints.Count(), 1);
}

TEST(TypedLists, StringListsRejectEveryIndexOutsideTheList) {
  StringList names;
  names.Add("Rp1");
  EXPECT_THROW(names.Get(1), ListIndexError);
  EXPECT_THROW(names.Set(-1, "x"), ListIndexError);
  EXPECT_THROW(names.Delete(1), ListIndexError);
  names.Insert(1, "Rp2");  // inserting at the end appends
  EXPECT_EQ(names.Items(), (std::vector<std::string>{"Rp1", "Rp2"}));
  EXPECT_THROW(names.Insert(3, "x"), ListIndexError);
}

}  // namespace
}  // namespace korvado
