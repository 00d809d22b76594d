#include "NetReport.h"

#include <gtest/gtest.h>

#include "AdjustmentNets.h"
#include "SeparatorScope.h"

namespace korvado {
namespace {

class NetReportTest : public ::testing::TestWithParam<SeparatorCase> {
 protected:
  SeparatorScope separators{GetParam().decimal, GetParam().thousands};
  std::string Dec(const std::string& text) const {
    std::string out = text;
    for (char& c : out)
      if (c == '.') c = GetParam().decimal;
    return out;
  }
};

TEST_P(NetReportTest, SectionsFollowEachOtherAndTheJunctionIsListedTwice) {
  TKorNet net;
  testnets::BuildTwoRunSectionNet(net);
  net.AddSection("B", "C", kFixedPoint, kNodalPoint, 0.50, 3, 3);
  net.SectionTables.TableAt(1).AddPendentRun(kNodalPoint, "C", "P", 1, 0.10, 4);
  net.AddPoint("C", kNodalPoint, 103.54);

  const std::vector<ElevationRow> report = NetReport(net);
  EXPECT_EQ(report, (std::vector<ElevationRow>{{"A", Dec("100.00"), kFixedPoint},
                                               {"X", Dec("101.02"), kIntermediatePoint},
                                               {"B", Dec("103.03"), kFixedPoint},
                                               {"B", Dec("103.03"), kFixedPoint},
                                               {"C", Dec("103.54"), kNodalPoint},
                                               {"P [вис.]", Dec("103.64"), kIntermediatePoint}}));
}

TEST_P(NetReportTest, ReportFollowsTheNetsCurrentSections) {
  TKorNet net;
  testnets::BuildTwoRunSectionNet(net);
  net.AddSection("B", "C", kFixedPoint, kNodalPoint, 0.50, 3, 3);
  net.DeleteSection(0);
  const std::vector<ElevationRow> report = NetReport(net);
  ASSERT_EQ(report.size(), 2u);
  EXPECT_EQ(report[0].name, "B");
  EXPECT_EQ(report[1].name, "C");
  EXPECT_TRUE(NetReport(TKorNet{}).empty());
}

INSTANTIATE_TEST_SUITE_P(Separators, NetReportTest,
                         ::testing::Values(SeparatorCase{'.', ","}, SeparatorCase{',', " "}));

}  // namespace
}  // namespace korvado
