#include <gtest/gtest.h>

#include "AdjustmentNets.h"
#include "FixedElevations.h"
#include "LocaleSeparatorTest.h"

namespace korvado {
namespace {

using testnets::AddPoints;

using FixedElevations = LocaleSeparatorTest;

TEST_P(FixedElevations, TheDialogListsOnlyFixedPointsWithTheirElevations) {
  TKorNet net;
  net.Name = "Объект";
  AddPoints(net, {{"Rp1", kFixedPoint, 120.5}, {"K", kNodalPoint, 3}, {"Rp2", kFixedPoint, 0}});
  EXPECT_EQ(OriginAltitudeTitle(net), "Отметки жестких точек   Объект");
  EXPECT_EQ(FixedPointRows(net), (std::vector<AltitudeRow>{{"Rp1", Dec("120.5")}, {"Rp2", "0"}}));
}

TEST_P(FixedElevations, ANetWithoutFixedPointsShowsOneEmptyRowAndAnEmptyRowChangesNothing) {
  TKorNet net;
  AddPoints(net, {{"K", kNodalPoint, 7}});
  const std::vector<AltitudeRow> rows = FixedPointRows(net);
  EXPECT_EQ(rows, (std::vector<AltitudeRow>{{"", ""}}));
  EXPECT_TRUE(ApplyFixedElevations(net, rows).Notices().empty());
  EXPECT_EQ(net.PointElevations.GetItem(0), 7.0);
}

TEST_P(FixedElevations, MatchedRowsAreStoredAndAnyPointCanBeSetByItsExactName) {
  TKorNet net;
  AddPoints(net, {{"Rp1", kFixedPoint, 0}, {"K", kNodalPoint, 0}, {"rp1", kFixedPoint, 0}});
  EXPECT_TRUE(
      ApplyFixedElevations(
          net, {{"Rp1", Dec("120.25")}, {"K", Dec("99.5")}, {"RP1", "oops"}, {"Unknown", "1"}, {"Rp1", Dec("5")}})
          .Notices()
          .empty());
  // The last row naming Rp1 wins; "RP1" matches nothing, so its text is never read.
  EXPECT_EQ(net.PointElevations.Items(), (std::vector<double>{5.0, 99.5, 0.0}));
}

TEST_P(FixedElevations, ANonNumberIsReportedWithItsRowAndNothingIsStored) {
  TKorNet net;
  AddPoints(net, {{"Rp1", kFixedPoint, 1}, {"Rp2", kFixedPoint, 2}, {"Rp3", kFixedPoint, 3}});
  const char other = GetParam().decimal == '.' ? ',' : '.';
  const Outcome outcome =
      ApplyFixedElevations(net, {{"Rp1", Dec("120.25")}, {"Rp2", std::string("7") + other + "5"}, {"Rp3", ""}});
  EXPECT_EQ(net.PointElevations.Items(), (std::vector<double>{1, 2, 3}));
  ASSERT_EQ(outcome.Notices().size(), 1u);
  const std::string refusal = outcome.RefusalText();
  EXPECT_NE(refusal.find("Строка 2, точка «Rp2»"), std::string::npos) << refusal;
  EXPECT_NE(refusal.find("Строка 3, точка «Rp3»"), std::string::npos) << refusal;
  EXPECT_EQ(refusal.find("Строка 1"), std::string::npos);
}

KORVADO_WITH_BOTH_SEPARATORS(FixedElevations);

}  // namespace
}  // namespace korvado
