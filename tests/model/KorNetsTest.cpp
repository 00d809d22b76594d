#include <gtest/gtest.h>

#include "KorNets.h"
#include "ModelMessages.h"

namespace korvado {
namespace {

// A net "name" with sections of the given run counts; names and values derived from positions.
int32_t AddSampleNet(TNetList& nets, const std::string& name, const std::vector<int>& runsPerSection,
                     int pendentsInFirst = 0, int points = 0) {
  const int32_t n = *nets.AddNet(name);
  TKorNet& net = nets.NetAt(n);
  for (size_t s = 0; s < runsPerSection.size(); ++s) {
    const std::string p = name + "s" + std::to_string(s);
    EXPECT_TRUE(net.AddSection(p + "r0", p + "r1", 0, 1, 1.0 + s, 2.0, static_cast<int32_t>(s + 1)));
    for (int r = 1; r < runsPerSection[s]; ++r)
      EXPECT_TRUE(net.AppendRun(s, p + "r" + std::to_string(r + 1), 2, 0.5 * r, 1.5, -(r + 10)));
  }
  for (int k = 0; k < pendentsInFirst; ++k)
    EXPECT_TRUE(net.SectionTables.TableAt(0).AddPendentRun(1, name + "s0r0", name + "P" + std::to_string(k), 3,
                                                           0.25 * k, 40 + k));
  for (int k = 0; k < points; ++k) EXPECT_TRUE(net.AddPoint(name + "pt" + std::to_string(k), k % 3, 100.0 + k));
  return n;
}

TEST(Nets, AppendedRunsJoinAndTheSectionRowFollowsThem) {
  TNetList nets;
  TKorNet& net = nets.NetAt(*nets.AddNet("Сеть"));
  EXPECT_TRUE(net.AddSection("Rp1", "A", 0, 1, 2.15, 4.0, 3));
  EXPECT_TRUE(net.AppendRun(0, "B", 2, -0.40, 2.0, -5));
  EXPECT_EQ(net.SectionStarts[0], "Rp1");
  EXPECT_EQ(net.SectionEnds[0], "B");
  EXPECT_EQ(net.SectionStartTypes.GetItem(0), 0);
  EXPECT_EQ(net.SectionEndTypes.GetItem(0), 2);
  EXPECT_DOUBLE_EQ(net.SectionHeights.GetItem(0), 1.75);
  EXPECT_EQ(net.SectionSetups.GetItem(0), 6.0);
  const TKorNetDetailTable& table = net.SectionTables.TableAt(0);
  EXPECT_EQ(table.RunBackPoints[1], "A");
  EXPECT_EQ(table.RunBackTypes.GetItem(1), 1);
  EXPECT_EQ(table.RunRefs.ListAt(0).Items(), std::vector<int32_t>{3});
  EXPECT_EQ(table.RunRefs.ListAt(1).Items(), std::vector<int32_t>{-5});
}

TEST(Nets, SummaryIsRestoredFromRunsEditedDirectly) {
  TNetList nets;
  const int32_t n = AddSampleNet(nets, "N", {3});
  TKorNet& net = nets.NetAt(n);
  TKorNetDetailTable& table = net.SectionTables.TableAt(0);
  table.RunBackPoints.Set(0, "S");
  table.RunBackTypes.SetItem(0, 1);
  table.RunForePoints.Set(2, "E");
  table.RunForeTypes.SetItem(2, 0);
  table.RunHeights.SetItem(1, 10.0);
  table.RunSetups.SetItem(2, 4.0);
  net.UpdateSectionSummary(0);
  EXPECT_EQ(net.SectionStarts[0], "S");
  EXPECT_EQ(net.SectionEnds[0], "E");
  EXPECT_EQ(net.SectionStartTypes.GetItem(0), 1);
  EXPECT_EQ(net.SectionEndTypes.GetItem(0), 0);
  EXPECT_EQ(net.SectionHeights.GetItem(0), 1.0 + 10.0 + 1.0);
  EXPECT_EQ(net.SectionSetups.GetItem(0), 2.0 + 1.5 + 4.0);
}

TEST(Nets, DeletingRunsChecksTheIndexAndDeletingNetsForgivesIt) {
  TNetList nets;
  const int32_t n = AddSampleNet(nets, "N", {3}, 2);
  TKorNetDetailTable& table = nets.NetAt(n).SectionTables.TableAt(0);
  EXPECT_EQ(table.DeleteRun(3).RefusalText(), kIndexOutOfRangeMessage);
  EXPECT_EQ(table.DeletePendentRun(2).RefusalText(), kIndexOutOfRangeMessage);
  EXPECT_EQ(table.RunCount(), 3);
  EXPECT_EQ(table.PendentCount(), 2);
  EXPECT_TRUE(table.DeleteRun(1));
  EXPECT_EQ(table.RunForePoints.Items(), (std::vector<std::string>{"Ns0r1", "Ns0r3"}));
  EXPECT_EQ(table.RunRefs.ListAt(1).Items(), std::vector<int32_t>{-12});
  EXPECT_TRUE(table.DeletePendentRun(0));
  EXPECT_EQ(table.PendentForePoints.Items(), std::vector<std::string>{"NP1"});
  EXPECT_EQ(table.PendentRefs.ListAt(0).Items(), std::vector<int32_t>{41});

  nets.DeleteNet(nets.NetCount());
  EXPECT_EQ(nets.NetCount(), 1);
  EXPECT_THROW(nets.NetAt(1), ListIndexError);
  nets.NetAt(n).DeleteSection(0);
  EXPECT_EQ(nets.NetAt(n).SectionCount(), 0);
  EXPECT_EQ(nets.NetAt(n).SectionTables.Count(), 0);
}

TEST(NetCopies, CopyOntoALargerNetLeavesExactlyTheSource) {
  TNetList nets;
  const int32_t source = AddSampleNet(nets, "S", {2, 1}, 1, 2);
  const int32_t dest = AddSampleNet(nets, "D", {3, 1, 4}, 2, 5);
  nets.CopyNet(dest, source);
  EXPECT_EQ(nets.NetAt(dest), nets.NetAt(source));
}

TEST(NetCopies, CopyOntoASmallerNetOverwritesThePlaceholders) {
  TNetList nets;
  const int32_t source = AddSampleNet(nets, "S", {2, 3, 1}, 2, 3);
  const int32_t dest = *nets.AddNet("");
  nets.CopyNet(dest, source);
  EXPECT_EQ(nets.NetAt(dest), nets.NetAt(source));
  EXPECT_EQ(nets.NetAt(dest).Name, "S");
}

TEST(NetCopies, SectionCopyReplacesRunsPendentsAndReferences) {
  TNetList nets;
  const int32_t source = AddSampleNet(nets, "S", {1});
  const int32_t dest = AddSampleNet(nets, "D", {2}, 2);
  nets.NetAt(source).SectionTables.TableAt(0).RunRefs.ListAt(0).Add(-9);  // an equivalent run
  nets.CopySection(dest, 0, source, 0);
  const TKorNetDetailTable& table = nets.NetAt(dest).SectionTables.TableAt(0);
  EXPECT_EQ(table.PendentCount(), 0);
  EXPECT_EQ(table, nets.NetAt(source).SectionTables.TableAt(0));
  EXPECT_EQ(table.RunRefs.ListAt(0).Items(), (std::vector<int32_t>{1, -9}));
  EXPECT_EQ(nets.NetAt(dest).SectionEnds[0], "Ss0r1");
}

TEST(NetCopies, SameNetAsSourceAndDestination) {
  TNetList nets;
  const int32_t n = AddSampleNet(nets, "N", {2, 3}, 1, 2);
  TNetList reference;
  AddSampleNet(reference, "N", {2, 3}, 1, 2);
  nets.CopyNet(n, n);
  nets.CopySection(n, 1, n, 1);
  nets.CopyRun(n, 0, 1, n, 0, 1);
  EXPECT_EQ(nets, reference);

  nets.CopySection(n, 0, n, 1);  // section 1 duplicated over section 0
  const TKorNet& net = nets.NetAt(n);
  EXPECT_EQ(net.SectionTables.TableAt(0), net.SectionTables.TableAt(1));
  EXPECT_EQ(net.SectionStarts[0], net.SectionStarts[1]);

  nets.CopyRun(n, 0, 0, n, 0, 2);
  EXPECT_EQ(net.SectionTables.TableAt(0).RunForePoints[0], "Ns1r3");
  EXPECT_EQ(net.SectionEnds[0], "Ns1r3");  // summary follows the runs
}

TEST(NetRows, AWholeRowGoesIntoEveryColumnAndComesOutAgain) {
  const NetRun single{"A", "B", 0, 1, 1.25, 2.5, {3}};
  const NetRun equivalent{"B", "C", 1, 2, -0.5, 3.5, {4, -7}};
  TKorNetDetailTable table;
  table.AppendRun(single);
  table.AppendRun(equivalent);
  EXPECT_EQ(table.RunAt(1), equivalent);
  table.SetRun(0, equivalent);
  EXPECT_EQ(table.RunAt(0), equivalent);
  const PendentRun pendent{1, "B", "P", 3, 0.75, {5}};
  table.AppendPendent(pendent);
  table.AppendPendent({2, "C", "Q", 1, 0.5, {6, 8}});
  table.SetPendent(1, pendent);
  EXPECT_EQ(table.PendentAt(1), pendent);
  table.EraseRun(0);
  table.ErasePendent(0);
  TKorNetDetailTable expected;
  expected.AppendRun(equivalent);
  expected.AppendPendent(pendent);
  EXPECT_EQ(table, expected);

  TKorNet net;
  const Section section{"A", "C", 0, 2, 0.75, 6.0};
  net.AppendSection(section);
  net.AppendSection({"C", "D", 2, 0, 1.0, 1.0});
  net.SetSection(1, section);
  EXPECT_EQ(net.SectionAt(1), section);
  const NetPoint point{"C", 1, 101.5};
  net.AppendPoint({"A", 0, 100.0});
  net.AppendPoint(point);
  net.ErasePoint(0);
  EXPECT_EQ(net.PointAt(0), point);
  EXPECT_EQ(net.PointCount(), 1);
  EXPECT_EQ(net.PointElevations.Count(), 1);
}

TEST(NetLimits, TheSixteenBitCountsAreNeverExceeded) {
  TNetList nets;
  const int32_t n = *nets.AddNet("N");
  TKorNet& net = nets.NetAt(n);
  EXPECT_TRUE(net.AddSection("A", "B", 0, 0, 0.0, 1.0, 1));
  TKorNetDetailTable& table = net.SectionTables.TableAt(0);
  for (int r = 1; r < kFormatCountLimit; ++r) ASSERT_TRUE(table.AddRun("B", "B", 2, 2, 0.0, 1.0, 1));
  EXPECT_EQ(table.RunCount(), kFormatCountLimit);
  EXPECT_EQ(net.AppendRun(0, "C", 2, 1.0, 1.0, 2).RefusalText(), FormatLimitMessage("штативов в звене"));
  EXPECT_EQ(table.RunCount(), kFormatCountLimit);
  EXPECT_EQ(net.SectionEnds[0], "B");
}

}  // namespace
}  // namespace korvado
