// What the data file cannot hold is refused when it is entered, once, with
// nothing changed, instead of failing at every later save.

#include <gtest/gtest.h>

#include "AdjustmentCommands.h"
#include "EquivalentCommands.h"
#include "NetConstructionCommands.h"
#include "NetsBrowserCommands.h"

namespace korvado {
namespace {

TEST(EntryLimits, MergingMoreRunsThanOneRunCanReferenceIsRefusedAtTheFirstTooMany) {
  EquiDialog dialog;
  for (int32_t k = 1; k <= 256; ++k) dialog.Upper.push_back({"A", "B", "2", "1.0", "", k});
  EquiResult result;
  for (int k = 0; k < 255; ++k) ASSERT_TRUE(EquiAddSelected(dialog, result)) << k;

  const std::string refusal = EquiAddSelected(dialog, result).RefusalText();
  EXPECT_NE(refusal.find("не больше 255"), std::string::npos) << refusal;
  EXPECT_EQ(dialog.Upper.size(), 1u);
  EXPECT_EQ(dialog.Lower.size(), 255u);
  EXPECT_EQ(result.Refs.size(), 255u);
}

TEST(EntryLimits, APointTableLargerThanTheFileHoldsIsRefusedAndTheOldTableKept) {
  AppState state;
  TKorNet& net = state.Nets.NetAt(*state.Nets.AddNet("Большая"));
  // 32 768 sections between distinct points: 65 536 points, one too many.
  for (int32_t s = 0; s < 32768; ++s)
    EXPECT_TRUE(
        net.AddSection("S" + std::to_string(s), "E" + std::to_string(s), kNodalPoint, kNodalPoint, 1.0, 1.0, 1));
  EXPECT_TRUE(net.AddPoint("Rp", kFixedPoint, 120.5));
  state.CurrentNetIndex = 0;

  const std::string refusal = RebuildCurrentNetPoints(state).RefusalText();
  EXPECT_NE(refusal.find("65536 точек"), std::string::npos) << refusal;
  EXPECT_EQ(net.PointCount(), 1);
  EXPECT_EQ(net.PointElevations.GetItem(0), 120.5);
  EXPECT_FALSE(state.Changed);

  net.DeleteSection(0);  // now 65 534 points fit
  EXPECT_TRUE(RebuildCurrentNetPoints(state));
  EXPECT_EQ(net.PointCount(), 65534);
}

TEST(EntryLimits, ANetNameTheFileCannotHoldIsRefusedWhereverItIsTyped) {
  const std::string bad = "Сеть ★";
  AppState state;
  std::vector<std::string> refusals{CreateNetForPick(state, bad).RefusalText()};

  NetsBrowserState browser;
  refusals.push_back(BrowserAddNet(state, browser, bad).RefusalText());
  EXPECT_EQ(state.Nets.NetCount(), 0);

  ASSERT_TRUE(BrowserAddNet(state, browser, "Сеть 1"));
  SelectNode(state, browser, {0, -1});
  state.Changed = false;
  refusals.push_back(BrowserRenameNet(state, browser, bad).RefusalText());
  EXPECT_EQ(state.Nets.NetAt(0).Name, "Сеть 1");
  EXPECT_FALSE(state.Changed);
  for (const std::string& error : refusals) EXPECT_NE(error.find("★"), std::string::npos) << error;
}

}  // namespace
}  // namespace korvado
