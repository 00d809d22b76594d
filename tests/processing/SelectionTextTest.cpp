#include <gtest/gtest.h>

#include "SelectionText.h"

namespace korvado {
namespace {

TEST(SelectionText, CellsAreTabSeparatedRowsEndWithCrLfExceptTheLast) {
  EXPECT_EQ(SelectedCellsText({{"A", "100.00"}, {"X", "101.02"}, {"B", "103.03"}}),
            "A\t100.00\r\nX\t101.02\r\nB\t103.03");
  EXPECT_EQ(SelectedCellsText({{"100,00"}, {"101,02"}}), "100,00\r\n101,02");
  EXPECT_EQ(SelectedCellsText({{"P [вис.]", ""}}), "P [вис.]\t");
  EXPECT_EQ(SelectedCellsText({}), "");
}

}  // namespace
}  // namespace korvado
