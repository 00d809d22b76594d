#include <gtest/gtest.h>

#include "AdjustmentNets.h"
#include "LocaleSeparatorTest.h"
#include "SectionElevationTable.h"
#include "ShownElevationRows.h"

namespace korvado {
namespace {

class SectionElevationTableTest : public LocaleSeparatorTest {
 protected:
  std::vector<std::string> Elevations(const std::vector<ElevationRow>& rows) const {
    std::vector<std::string> texts;
    for (const ElevationRow& row : rows) texts.push_back(ShownElevation(row));
    return texts;
  }
  TKorNet net;
  void SetUp() override { testnets::BuildTwoRunSectionNet(net); }
};

TEST_P(SectionElevationTableTest, MisclosureIsSharedInProportionToTheSetupsOfEachRun) {
  // w = -0.03 over 2 + 4 setups: X takes a third of it.
  const std::vector<ElevationRow> rows = SectionElevationTable(net, 0);
  EXPECT_EQ(Shown(rows), (std::vector<ShownRow>{{"A", Dec("100.00"), kFixedPoint},
                                                {"X", Dec("101.01"), kIntermediatePoint},
                                                {"B", Dec("103.03"), kFixedPoint}}));
}

TEST_P(SectionElevationTableTest, PendentPointsHangOffSectionPointsAndOffEachOther) {
  TKorNetDetailTable& table = net.SectionTables.TableAt(0);
  EXPECT_TRUE(table.AddPendentRun(kIntermediatePoint, "x", "P", 1, -0.50, 0));  // attachment found ignoring case
  EXPECT_TRUE(table.AddPendentRun(kIntermediatePoint, "P", "Q", 1, 0.25, 0));   // hangs off the pendent P
  EXPECT_TRUE(table.AddPendentRun(kIntermediatePoint, "Nowhere", "R", 1, 1.0, 0));
  // Hanging off the marked text is hanging off no point: the mark is no part of a name.
  EXPECT_TRUE(table.AddPendentRun(kIntermediatePoint, "P [вис.]", "S", 1, 1.0, 0));
  const std::vector<ElevationRow> rows = SectionElevationTable(net, 0);
  ASSERT_EQ(rows.size(), 7u);
  EXPECT_FALSE(rows[1].pendent);
  EXPECT_EQ(rows[3].name, "P");
  EXPECT_TRUE(rows[3].pendent && rows[4].pendent && rows[5].pendent);
  // Each starts from its base as shown: 101.01 - 0.50, then 100.51 + 0.25.
  EXPECT_EQ(Shown({rows.begin() + 3, rows.end()}),
            (std::vector<ShownRow>{{"P [вис.]", Dec("100.51"), kIntermediatePoint},
                                   {"Q [вис.]", Dec("100.76"), kIntermediatePoint},
                                   {"R [вис.]", "", kIntermediatePoint},
                                   {"S [вис.]", "", kIntermediatePoint}}));
}

TEST_P(SectionElevationTableTest, SectionEndsAreFoundIgnoringCaseAndAMissingEndLeavesItsCellsEmpty) {
  net.PointNames.Set(0, "a");
  EXPECT_EQ(Elevations(SectionElevationTable(net, 0)),
            (std::vector<std::string>{Dec("100.00"), Dec("101.01"), Dec("103.03")}));

  net.PointNames.Set(1, "Elsewhere");  // B gone: nothing after the start can be carried
  EXPECT_TRUE(net.SectionTables.TableAt(0).AddPendentRun(kIntermediatePoint, "X", "P", 1, -0.50, 0));
  EXPECT_EQ(Elevations(SectionElevationTable(net, 0)), (std::vector<std::string>{Dec("100.00"), "", "", ""}));

  net.ClearPoints();
  EXPECT_EQ(Elevations(SectionElevationTable(net, 0)), (std::vector<std::string>{"", "", "", ""}));
}

TEST_P(SectionElevationTableTest, RunsWithoutSetupsTakeNoShareAndWithoutAnySetupsShareEqually) {
  TKorNetDetailTable& table = net.SectionTables.TableAt(0);
  table.RunSetups.SetItem(1, 0.0);
  EXPECT_EQ(Elevations(SectionElevationTable(net, 0)),
            (std::vector<std::string>{Dec("100.00"), Dec("101.03"), Dec("103.03")}));
  table.RunSetups.SetItem(0, 0.0);
  EXPECT_EQ(Elevations(SectionElevationTable(net, 0)),
            (std::vector<std::string>{Dec("100.00"), Dec("101.02"), Dec("103.03")}));
}

TEST_P(SectionElevationTableTest, LookUpsTakeTheExactSpellingBeforeACaseTwin) {
  // Point table holds u1 after U1; the section ends at u1.
  TKorNet twins;
  EXPECT_TRUE(twins.AddSection("A", "x", kFixedPoint, kIntermediatePoint, 1.0, 1, 1));
  EXPECT_TRUE(twins.AppendRun(0, "X", kIntermediatePoint, 1.0, 1, 2));
  EXPECT_TRUE(twins.AppendRun(0, "u1", kNodalPoint, 1.0, 1, 3));
  EXPECT_TRUE(twins.SectionTables.TableAt(0).AddPendentRun(kIntermediatePoint, "X", "P", 1, 0.5, 0));
  testnets::AddPoints(twins, {{"A", kFixedPoint, 100}, {"U1", kNodalPoint, 50}, {"u1", kNodalPoint, 103}});
  EXPECT_EQ(Elevations(SectionElevationTable(twins, 0)),
            (std::vector<std::string>{Dec("100.00"), Dec("101.00"), Dec("102.00"), Dec("103.00"), Dec("102.50")}));
}

KORVADO_WITH_BOTH_SEPARATORS(SectionElevationTableTest);

}  // namespace
}  // namespace korvado
