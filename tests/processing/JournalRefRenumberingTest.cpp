#include <gtest/gtest.h>

#include <limits>

#include "JournalRefRenumbering.h"
#include "JournalRuns.h"
#include "NetUpdate.h"
#include "OutcomeTexts.h"

namespace korvado {
namespace {

// Records A->B, B->C, D->C, C->B; a net of runs +1, +2, -3 (A->B->C->D), an
// equivalent run B->C {+2, -4}, and a pendent run -1.
struct JournalWithNet {
  TKorData journal;
  TNetList nets;
  JournalWithNet() {
    AddJournalRun(journal, "A", "B", 2, 1.0);
    AddJournalRun(journal, "B", "C", 3, 2.0);
    AddJournalRun(journal, "D", "C", 4, -3.0);
    AddJournalRun(journal, "C", "B", 6, -2.1);
    TKorNet& net = nets.NetAt(*nets.AddNet("Сеть 1"));
    EXPECT_TRUE(net.AddSection("A", "B", kFixedPoint, kNodalPoint, 1.0, 2, 1));
    EXPECT_TRUE(net.AppendRun(0, "C", kNodalPoint, 2.0, 3, 2));
    EXPECT_TRUE(net.AppendRun(0, "D", kNodalPoint, 3.0, 4, -3));
    EXPECT_TRUE(net.AddSection("B", "C", kNodalPoint, kNodalPoint, 2.0, 3, 2));
    Table(1).RunRefs.ListAt(0).Add(-4);
    EXPECT_TRUE(Table(0).AddPendentRun(kNodalPoint, "B", "A", 2, -1.0, -1));
  }
  TKorNetDetailTable& Table(int32_t s) { return nets.NetAt(0).SectionTables.TableAt(s); }
  std::vector<int32_t> RunRefs(int32_t s, int32_t run) { return Table(s).RunRefs.ListAt(run).Items(); }
  int32_t PendentRef() { return Table(0).PendentRefs.ListAt(0).GetItem(0); }
};

TEST(JournalRefRenumbering, InsertedRecordMovesTheLaterReferencesUpAndTheUpdateStillFindsThem) {
  JournalWithNet data;
  EXPECT_TRUE(RefreshNetsFromJournal(data.nets, data.journal));
  const std::vector<double> heightsBefore = data.Table(0).RunHeights.Items();
  const std::vector<std::string> backsBefore = data.Table(0).RunBackPoints.Items();
  const double equivalentBefore = data.nets.NetAt(0).SectionHeights.GetItem(1);

  ASSERT_TRUE(data.journal.InsertRecord(1, "Z", "W", 5, ""));
  data.journal.HeightDiffs.SetItem(1, 99.0);
  RenumberRefsAfterInsert(data.nets, 1);

  EXPECT_EQ(data.RunRefs(0, 0), (std::vector<int32_t>{1}));
  EXPECT_EQ(data.RunRefs(0, 1), (std::vector<int32_t>{3}));
  EXPECT_EQ(data.RunRefs(0, 2), (std::vector<int32_t>{-4}));
  EXPECT_EQ(data.RunRefs(1, 0), (std::vector<int32_t>{3, -5}));
  EXPECT_EQ(data.PendentRef(), -1);

  const Result<bool> update = RefreshNetsFromJournal(data.nets, data.journal);
  EXPECT_EQ(data.Table(0).RunHeights.Items(), heightsBefore);
  EXPECT_EQ(data.Table(0).RunBackPoints.Items(), backsBefore);
  EXPECT_EQ(data.nets.NetAt(0).SectionHeights.GetItem(1), equivalentBefore);
  EXPECT_EQ(data.Table(0).PendentForePoints[0], "A");
  EXPECT_TRUE(update.Notices().empty());
}

TEST(JournalRefRenumbering, DeletedRecordZeroesItsReferencesAndMovesTheLaterOnesDown) {
  JournalWithNet data;
  ASSERT_TRUE(data.journal.DeleteRecord(1));
  RenumberRefsAfterDelete(data.nets, 1);

  EXPECT_EQ(data.RunRefs(0, 0), (std::vector<int32_t>{1}));
  EXPECT_EQ(data.RunRefs(0, 1), (std::vector<int32_t>{0}));
  EXPECT_EQ(data.RunRefs(0, 2), (std::vector<int32_t>{-2}));
  EXPECT_EQ(data.RunRefs(1, 0), (std::vector<int32_t>{0, -3}));
  EXPECT_EQ(data.PendentRef(), -1);

  // The run of the deleted record is reported, not filled from another record.
  EXPECT_EQ(Warnings(RefreshNetsFromJournal(data.nets, data.journal)),
            (std::vector<std::string>{"Нулевое значение индекса", "Нулевое значение индекса"}));
  EXPECT_EQ(data.Table(0).RunForePoints[1], "C");
  EXPECT_EQ(data.Table(0).RunHeights.GetItem(1), 2.0);
  EXPECT_EQ(data.Table(0).RunBackPoints[2], "C");
  EXPECT_EQ(data.Table(0).RunHeights.GetItem(2), 3.0);
}

TEST(JournalRefRenumbering, ReferencesBeyondAnyJournalStayAsTheyAre) {
  JournalWithNet data;
  TIntList& refs = data.Table(1).RunRefs.ListAt(0);
  refs.Add(std::numeric_limits<int32_t>::max());
  refs.Add(std::numeric_limits<int32_t>::min());
  RenumberRefsAfterInsert(data.nets, 0);
  RenumberRefsAfterDelete(data.nets, 0);
  EXPECT_EQ(data.RunRefs(1, 0),
            (std::vector<int32_t>{2, -4, std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::min()}));
}

}  // namespace
}  // namespace korvado
