#include <gtest/gtest.h>

#include <limits>

#include "JournalRuns.h"
#include "NetUpdate.h"
#include "OutcomeTexts.h"

namespace korvado {
namespace {

TKorNetDetailTable& Section(TNetList& nets, int32_t net, int32_t section) {
  return nets.NetAt(net).SectionTables.TableAt(section);
}

TEST(NetUpdate, RunsFollowTheJournalInTheirReferencesDirection) {
  TKorData journal;
  AddJournalRuns(journal, {{"A", "B", 2, 1.00}, {"B", "C", 3, 0.50}, {"X", "Y", 4, 2.10}});
  TNetList nets;
  TKorNet& net = nets.NetAt(*nets.AddNet("Сеть 1"));
  EXPECT_TRUE(net.AddSection("A", "B", kFixedPoint, kIntermediatePoint, 9.99, 9, MakeJournalRef(0, false)));
  EXPECT_TRUE(net.AppendRun(0, "C", kNodalPoint, 9.99, 9, MakeJournalRef(1, false)));
  EXPECT_TRUE(net.AddSection("Y", "X", kNodalPoint, kFixedPoint, 0.0, 1, -3));

  const Result<bool> update = RefreshNetsFromJournal(nets, journal);

  const TKorNetDetailTable& reversed = Section(nets, 0, 1);
  EXPECT_EQ(reversed.RunBackPoints[0], "Y");
  EXPECT_EQ(reversed.RunForePoints[0], "X");
  EXPECT_EQ(reversed.RunSetups.GetItem(0), 4.0);
  EXPECT_EQ(reversed.RunHeights.GetItem(0), -2.10);
  // The section sums follow the runs even after they had drifted.
  EXPECT_DOUBLE_EQ(net.SectionHeights.GetItem(0), 1.50);
  EXPECT_EQ(net.SectionSetups.GetItem(0), 5.0);
  EXPECT_EQ(net.SectionHeights.GetItem(1), -2.10);
  EXPECT_TRUE(update.Notices().empty());
  EXPECT_TRUE(update.HasValue() && *update);
}

TEST(NetUpdate, RenamedForePointMovesTheSectionEndButNotTypesOrPointTable) {
  TKorData journal;
  AddJournalRuns(journal, {{"A", "B", 2, 1.00}, {"B", "D", 3, 0.50}});
  TNetList nets;
  TKorNet& net = nets.NetAt(*nets.AddNet("Сеть 1"));
  EXPECT_TRUE(net.AddSection("A", "B", kFixedPoint, kIntermediatePoint, 1.0, 2, 1));
  EXPECT_TRUE(net.AppendRun(0, "D", kNodalPoint, 0.5, 3, 2));
  EXPECT_TRUE(net.AddPoint("D", kNodalPoint, 12.0));

  journal.ForePoints.Set(1, "D1");
  EXPECT_TRUE(RefreshNetsFromJournal(nets, journal));

  EXPECT_EQ(Section(nets, 0, 0).RunForePoints[1], "D1");
  EXPECT_EQ(net.SectionEnds[0], "D1");
  EXPECT_EQ(net.SectionStartTypes.GetItem(0), kFixedPoint);
  EXPECT_EQ(net.SectionEndTypes.GetItem(0), kNodalPoint);
  EXPECT_EQ(Section(nets, 0, 0).RunForeTypes.GetItem(0), kIntermediatePoint);
  EXPECT_EQ(net.PointNames[0], "D");
  EXPECT_EQ(net.PointElevations.GetItem(0), 12.0);
}

TEST(NetUpdate, EquivalentRunIsMergedAgainFromAllItsRecords) {
  TKorData journal;
  AddJournalRuns(journal, {{"A", "B", 4, 10.00}, {"B", "A", 6, -10.30}, {"A", "B", 2, 10.20}});
  TNetList nets;
  TKorNet& net = nets.NetAt(*nets.AddNet("Сеть 1"));
  EXPECT_TRUE(net.AddSection("A", "B", kFixedPoint, kNodalPoint, 10.12, 2.4, 1));
  TIntList& refs = Section(nets, 0, 0).RunRefs.ListAt(0);
  refs.Add(-2);
  refs.Add(3);

  const Result<bool> update = RefreshNetsFromJournal(nets, journal);

  const TKorNetDetailTable& table = Section(nets, 0, 0);
  EXPECT_EQ(table.RunBackPoints[0], "A");
  EXPECT_EQ(table.RunForePoints[0], "B");
  // 1 / (1/4 + 1/6 + 1/2) and (10.00/4 + 10.30/6 + 10.20/2) / (11/12) = 10.1636..
  EXPECT_DOUBLE_EQ(table.RunSetups.GetItem(0), 12.0 / 11.0);
  EXPECT_DOUBLE_EQ(table.RunHeights.GetItem(0), 10.16);
  EXPECT_DOUBLE_EQ(net.SectionSetups.GetItem(0), 12.0 / 11.0);
  EXPECT_EQ(table.RunRefs.ListAt(0).Items(), (std::vector<int32_t>{1, -2, 3}));
  EXPECT_TRUE(update.Notices().empty());
}

TEST(NetUpdate, PendentRunsAreRefreshedButStayOutOfTheSectionSums) {
  TKorData journal;
  AddJournalRuns(journal, {{"A", "B", 2, 1.00}, {"P", "B", 3, 0.40}});
  TNetList nets;
  TKorNet& net = nets.NetAt(*nets.AddNet("Сеть 1"));
  EXPECT_TRUE(net.AddSection("A", "B", kFixedPoint, kFixedPoint, 1.0, 2, 1));
  EXPECT_TRUE(Section(nets, 0, 0).AddPendentRun(kFixedPoint, "B", "P", 1, 0.0, -2));

  EXPECT_TRUE(RefreshNetsFromJournal(nets, journal));

  const TKorNetDetailTable& table = Section(nets, 0, 0);
  EXPECT_EQ(table.PendentBackPoints[0], "B");
  EXPECT_EQ(table.PendentForePoints[0], "P");
  EXPECT_EQ(table.PendentSetups.GetItem(0), 3);
  EXPECT_EQ(table.PendentHeights.GetItem(0), -0.40);
  EXPECT_EQ(table.PendentTypes.GetItem(0), kFixedPoint);
  EXPECT_EQ(net.SectionHeights.GetItem(0), 1.00);
}

TEST(NetUpdate, ZeroReferenceIsWarnedPerRunAndTheRunKeepsItsValues) {
  TKorData journal;
  AddJournalRuns(journal, {{"A", "B", 2, 1.00}});
  TNetList nets;
  TKorNet& net = nets.NetAt(*nets.AddNet("Сеть 1"));
  EXPECT_TRUE(net.AddSection("A", "Q", kFixedPoint, kNodalPoint, 7.0, 5, 0));
  EXPECT_TRUE(net.AppendRun(0, "R", kNodalPoint, 1.0, 1, 0));

  const Result<bool> update = RefreshNetsFromJournal(nets, journal);

  EXPECT_EQ(Warnings(update), (std::vector<std::string>{"Нулевое значение индекса", "Нулевое значение индекса"}));
  EXPECT_EQ(update.Notices()[0].title, "Обновление данных сети");
  EXPECT_EQ(Section(nets, 0, 0).RunForePoints[0], "Q");
  EXPECT_EQ(net.SectionHeights.GetItem(0), 8.0);
}

TEST(NetUpdate, RunsOfDeletedRecordsAreSkippedAndReportedOnceNamingNetAndSection) {
  TKorData journal;
  AddJournalRuns(journal, {{"A", "B", 2, 1.00}, {"B", "C", 3, 0.50}});
  TNetList nets;
  TKorNet& net = nets.NetAt(*nets.AddNet("Северная"));
  EXPECT_TRUE(net.AddSection("A", "B", kFixedPoint, kNodalPoint, 0.0, 1, 1));
  EXPECT_TRUE(net.AddSection("B", "E", kNodalPoint, kNodalPoint, 0.7, 2, 2));
  EXPECT_TRUE(net.AppendRun(1, "F", kNodalPoint, 0.3, 4, 7));
  EXPECT_TRUE(net.AppendRun(1, "G", kNodalPoint, 0.2, 4, -9));
  TIntList& refs = Section(nets, 0, 0).RunRefs.ListAt(0);
  refs.Add(5);  // an equivalent run with one record gone

  const std::vector<std::string> warnings = Warnings(RefreshNetsFromJournal(nets, journal));

  ASSERT_EQ(warnings.size(), 1u);
  const std::string& text = warnings[0];
  EXPECT_NE(text.find("сеть «Северная», звено 1  [A --> B]"), std::string::npos) << text;
  EXPECT_NE(text.find("сеть «Северная», звено 2"), std::string::npos) << text;
  EXPECT_EQ(text.find("звено 2", text.find("звено 2") + 1), std::string::npos) << text;
  EXPECT_EQ(Section(nets, 0, 0).RunHeights.GetItem(0), 0.0);
  EXPECT_EQ(Section(nets, 0, 1).RunForePoints[0], "C");
  EXPECT_EQ(Section(nets, 0, 1).RunForePoints[1], "F");
  EXPECT_DOUBLE_EQ(net.SectionHeights.GetItem(1), 1.0);
}

TEST(NetUpdate, ReferencesBeyondAnyJournalAreMissingRecordsNeverOverflow) {
  TKorData journal;
  AddJournalRuns(journal, {{"A", "B", 2, 1.00}, {"B", "C", 3, 0.50}});
  TNetList nets;
  TKorNet& net = nets.NetAt(*nets.AddNet("Край"));
  EXPECT_TRUE(net.AddSection("A", "B", kFixedPoint, kNodalPoint, 9.0, 9, std::numeric_limits<int32_t>::min()));
  EXPECT_TRUE(net.AddSection("B", "C", kNodalPoint, kNodalPoint, 9.0, 9, 2));
  EXPECT_TRUE(net.AddSection("C", "D", kNodalPoint, kNodalPoint, 9.0, 9, std::numeric_limits<int32_t>::max()));
  EXPECT_TRUE(Section(nets, 0, 1).AddPendentRun(kNodalPoint, "B", "P", 1, 0.0, std::numeric_limits<int32_t>::min()));

  const Result<bool> update = RefreshNetsFromJournal(nets, journal);

  const std::vector<std::string> warnings = Warnings(update);
  ASSERT_EQ(warnings.size(), 1u);
  for (const char* section : {"звено 1  [A --> B]", "звено 2  [B --> C]", "звено 3  [C --> D]"})
    EXPECT_NE(warnings[0].find(section), std::string::npos) << section << " in " << warnings[0];
  EXPECT_EQ(net.SectionHeights.GetItem(0), 9.0);
  EXPECT_EQ(net.SectionHeights.GetItem(1), 0.5) << "the sound run is still refreshed";
  EXPECT_EQ(net.SectionHeights.GetItem(2), 9.0);
  EXPECT_TRUE(*update);
  EXPECT_FALSE(*RefreshNetsFromJournal(nets, journal)) << "a second update finds nothing to change";
}

TEST(NetUpdate, PendentRunOfADeletedRecordIsNamedWithItsNetAndSection) {
  TKorData journal;
  AddJournalRuns(journal, {{"A", "B", 2, 1.00}});
  TNetList nets;
  EXPECT_TRUE(nets.NetAt(*nets.AddNet("Южная")).AddSection("A", "B", kFixedPoint, kNodalPoint, 1.0, 2, 1));
  EXPECT_TRUE(Section(nets, 0, 0).AddPendentRun(kNodalPoint, "B", "P7", 1, 0.3, 0));

  const std::vector<std::string> warnings = Warnings(RefreshNetsFromJournal(nets, journal));

  ASSERT_EQ(warnings.size(), 1u);
  for (const char* part : {"«Южная»", "звено 1  [A --> B]", "висячая точка «P7»", "запись журнала удалена"})
    EXPECT_NE(warnings[0].find(part), std::string::npos) << part << " in " << warnings[0];
  EXPECT_EQ(Section(nets, 0, 0).PendentHeights.GetItem(0), 0.3);
}

TEST(NetUpdate, EmptyNetListDoesNothing) {
  TKorData journal;
  AddJournalRuns(journal, {{"A", "B", 2, 1.00}});
  TNetList nets;
  const Result<bool> update = RefreshNetsFromJournal(nets, journal);
  EXPECT_EQ(nets.NetCount(), 0);
  EXPECT_TRUE(update.Notices().empty());
  EXPECT_FALSE(*update);
}

}  // namespace
}  // namespace korvado
