#include <gtest/gtest.h>

#include "AdjustmentNets.h"
#include "LocaleSeparatorTest.h"
#include "NetReport.h"
#include "ShownElevationRows.h"

namespace korvado {
namespace {

using NetReportTest = LocaleSeparatorTest;

TEST_P(NetReportTest, SectionsFollowEachOtherAndTheJunctionIsListedTwice) {
  TKorNet net;
  testnets::BuildTwoRunSectionNet(net);
  EXPECT_TRUE(net.AddSection("B", "C", kFixedPoint, kNodalPoint, 0.50, 3, 3));
  EXPECT_TRUE(net.SectionTables.TableAt(1).AddPendentRun(kNodalPoint, "C", "P", 1, 0.10, 4));
  EXPECT_TRUE(net.AddPoint("C", kNodalPoint, 103.54));

  const std::vector<ElevationRow> report = NetReport(net);
  EXPECT_EQ(Shown(report), (std::vector<ShownRow>{{"A", Dec("100.00"), kFixedPoint},
                                                  {"X", Dec("101.01"), kIntermediatePoint},
                                                  {"B", Dec("103.03"), kFixedPoint},
                                                  {"B", Dec("103.03"), kFixedPoint},
                                                  {"C", Dec("103.54"), kNodalPoint},
                                                  {"P [вис.]", Dec("103.64"), kIntermediatePoint}}));
}

TEST_P(NetReportTest, ReportFollowsTheNetsCurrentSections) {
  TKorNet net;
  testnets::BuildTwoRunSectionNet(net);
  EXPECT_TRUE(net.AddSection("B", "C", kFixedPoint, kNodalPoint, 0.50, 3, 3));
  net.DeleteSection(0);
  const std::vector<ElevationRow> report = NetReport(net);
  ASSERT_EQ(report.size(), 2u);
  EXPECT_EQ(report[0].name, "B");
  EXPECT_EQ(report[1].name, "C");
  EXPECT_TRUE(NetReport(TKorNet{}).empty());
}

KORVADO_WITH_BOTH_SEPARATORS(NetReportTest);

}  // namespace
}  // namespace korvado
