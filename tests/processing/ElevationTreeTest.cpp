#include <gtest/gtest.h>

#include "ElevationTree.h"

namespace korvado {
namespace {

TEST(ElevationTree, NetsCarryTheirSectionsNumberedWithTheirEnds) {
  TNetList nets;
  TKorNet& first = nets.NetAt(*nets.AddNet("Северная"));
  EXPECT_TRUE(first.AddSection("Rp1", "N2", kFixedPoint, kNodalPoint, 1.0, 1, 1));
  EXPECT_TRUE(first.AddSection("N2", "Rp3", kNodalPoint, kFixedPoint, 1.0, 1, 2));
  EXPECT_TRUE(nets.AddNet("Пустая"));

  const std::vector<TreeNetNode> tree = ElevationTree(nets);
  ASSERT_EQ(tree.size(), 2u);
  EXPECT_EQ(
      tree[0],
      (TreeNetNode{"Северная", kNetIcon, {{"1  [Rp1 --> N2]", kSectionIcon}, {"2  [N2 --> Rp3]", kSectionIcon}}}));
  EXPECT_EQ(tree[1], (TreeNetNode{"Пустая", kNetIcon, {}}));
  EXPECT_EQ(kNetIcon, 3);
  EXPECT_EQ(kSectionIcon, 4);
  EXPECT_TRUE(ElevationTree(TNetList{}).empty());
}

}  // namespace
}  // namespace korvado
