#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "AdjustmentNets.h"
#include "HeightCatalogue.h"
#include "LocaleSeparatorTest.h"
#include "NaturalOrder.h"
#include "NumberText.h"

namespace korvado {
namespace {

TEST(NaturalOrder, DigitRunsCompareAsNumbersAndTheOrderIsTotal) {
  // Names equal but for case or leading zeros follow each other, ordered by their bytes.
  const std::vector<std::string> sorted = {"1",       "2",       "10",    "A",     "a",
                                           "Rp",      "Rp1",     "Rp02",  "Rp2",   "rp2",
                                           "Rp10",    "Rp10a",   "Rp10b", "Rp100", "Rp99999999999999999999",
                                           "Репер 3", "репер 20"};
  // Any shuffle sorts back to the same list: the comparison is a strict total order.
  std::mt19937 random(7);
  for (int round = 0; round < 20; ++round) {
    std::vector<std::string> names = sorted;
    std::shuffle(names.begin(), names.end(), random);
    std::sort(names.begin(), names.end(), NaturalLess);
    EXPECT_EQ(names, sorted);
  }
  for (const std::string& name : sorted) EXPECT_FALSE(NaturalLess(name, name)) << name;
}

using HeightCatalogueTest = LocaleSeparatorTest;

struct ShownEntry {
  std::string name;
  int32_t type;
  std::string elevation;
  bool pendent;
  bool operator==(const ShownEntry&) const = default;
};

TEST_P(HeightCatalogueTest, EveryPointOnceInNaturalOrderWithTheSectionTablesElevations) {
  // Rp10 -> X -> N2 -> Rp2, and N2 -> Y -> Rp10 back, with a pendent P off Y,
  // whose own name holds the text that marks a pendent point on screen.
  TKorNet net;
  EXPECT_TRUE(net.AddSection("Rp10", "X", kFixedPoint, kIntermediatePoint, 1.00, 2, 1));
  EXPECT_TRUE(net.AppendRun(0, "N2", kNodalPoint, 2.00, 4, 2));
  EXPECT_TRUE(net.AddSection("N2", "Rp2", kNodalPoint, kFixedPoint, 0.50, 1, 3));
  EXPECT_TRUE(net.AddSection("N2", "Y [вис.]", kNodalPoint, kIntermediatePoint, -1.00, 1, 4));
  EXPECT_TRUE(net.AppendRun(2, "Rp10", kFixedPoint, -2.00, 3, 5));
  EXPECT_TRUE(net.SectionTables.TableAt(2).AddPendentRun(kIntermediatePoint, "Y [вис.]", "P", 1, 0.25, 6));
  testnets::AddPoints(net, {{"Rp10", kFixedPoint, 100.00}, {"N2", kNodalPoint, 103.03}, {"Rp2", kFixedPoint, 103.50}});

  std::vector<ShownEntry> shown;
  for (const CatalogueEntry& entry : HeightCatalogue(net))
    shown.push_back({entry.name, entry.type, entry.elevation ? FormatFixed(2, *entry.elevation) : "", entry.pendent});
  EXPECT_EQ(shown, (std::vector<ShownEntry>{{"N2", kNodalPoint, Dec("103.03"), false},
                                            {"P", kIntermediatePoint, Dec("102.27"), true},
                                            {"Rp2", kFixedPoint, Dec("103.50"), false},
                                            {"Rp10", kFixedPoint, Dec("100.00"), false},
                                            {"X", kIntermediatePoint, Dec("101.01"), false},
                                            {"Y [вис.]", kIntermediatePoint, Dec("102.02"), false}}));
  EXPECT_TRUE(HeightCatalogue(TKorNet{}).empty());
}

KORVADO_WITH_BOTH_SEPARATORS(HeightCatalogueTest);

}  // namespace
}  // namespace korvado
