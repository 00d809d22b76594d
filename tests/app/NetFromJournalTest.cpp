#include <gtest/gtest.h>

#include <functional>

#include "AdjustmentCommands.h"
#include "EquivalentCommands.h"
#include "LeastSquares.h"
#include "NetConstructionCommands.h"
#include "NetFromJournalCommands.h"
#include "NetTestData.h"
#include "NetsBrowserView.h"
#include "PendentPointCommands.h"
#include "SeparatorScope.h"

namespace korvado {

namespace {

// Builds a net as a surveyor does with the search and its buttons, naming
// each run by its journal reference (negative: the record taken reversed).
class HandWalk {
 public:
  explicit HandWalk(AppState& state) : state_(state) {}

  void Net(int32_t ref, PointTypeChoice types) {
    Pick(ref);
    ASSERT_TRUE(PrepareAddNet(state_, page_));
    ASSERT_TRUE(CreateNetForPick(state_, "Сеть"));
    ASSERT_TRUE(AddSectionFromPick(state_, page_, types));
  }
  // «Добавить сеть» with the point-type dialog cancelled: a net without sections.
  void EmptyNet(int32_t ref) {
    Pick(ref);
    ASSERT_TRUE(PrepareAddNet(state_, page_));
    ASSERT_TRUE(CreateNetForPick(state_, "Сеть"));
  }
  void Section(int32_t ref, PointTypeChoice types) {
    Pick(ref);
    ASSERT_TRUE(PrepareAddSection(state_, page_));
    ASSERT_TRUE(AddSectionFromPick(state_, page_, types));
  }
  void Run(int32_t ref, int32_t foreType) {
    Pick(ref);
    ASSERT_TRUE(PrepareAddRun(state_, page_));
    ASSERT_TRUE(AppendRunFromPick(state_, page_, foreType));
  }
  // «Эквивалентные штативы» under «Добавить звено»: the first run picked, all merged in order.
  void EquiSection(const std::vector<int32_t>& refs, PointTypeChoice types) {
    EquiResult result = Merge(refs);
    ASSERT_TRUE(PrepareEquiSection(state_, result));
    ASSERT_TRUE(AddEquiSection(state_, page_, result, types));
  }
  // «Добавление висячей точки» in the nets browser on section `section`.
  void Pendent(int32_t section, int32_t ref) {
    NetsBrowserState browser;
    SelectNode(state_, browser, {state_.CurrentNetIndex, section});
    PendentPointDialog dialog;
    ShowPendentDialog(dialog);
    dialog.FindText = Fore(ref);
    FindPendentRuns(state_, browser, dialog);
    dialog.SelectedRow =
        static_cast<int32_t>(std::find(dialog.PendentHits.Items().begin(), dialog.PendentHits.Items().end(), ref) -
                             dialog.PendentHits.Items().begin());
    ASSERT_TRUE(AddPendentPoint(state_, browser, dialog));
  }
  // «Создание нулевых отметок», then the benchmarks' elevations.
  void Elevations(const std::vector<AltitudeRow>& rows) {
    ASSERT_TRUE(RebuildCurrentNetPoints(state_));
    ASSERT_TRUE(ApplyOriginAltitudes(state_, rows));
  }

 private:
  std::string Back(int32_t ref) const {
    return ref > 0 ? state_.Journal.BackPoints[ref - 1] : state_.Journal.ForePoints[-ref - 1];
  }
  std::string Fore(int32_t ref) const { return Back(-ref); }

  void Pick(int32_t ref) {
    page_.FindText = Back(ref);
    FindRuns(state_, page_);
    const std::vector<int32_t>& hits = state_.SearchHits.Items();
    page_.CurrentRow = static_cast<int32_t>(std::find(hits.begin(), hits.end(), ref) - hits.begin());
  }

  EquiResult Merge(const std::vector<int32_t>& refs) {
    Pick(refs.front());
    EquiDialog dialog = OpenEquiDialog(state_, page_);
    EquiResult result;
    for (int32_t ref : refs) {
      for (size_t r = 0; r < dialog.Upper.size(); ++r)
        if (dialog.Upper[r].Ref == ref) dialog.UpperRow = static_cast<int32_t>(r);
      EXPECT_TRUE(EquiAddSelected(dialog, result));
    }
    return result;
  }

  AppState& state_;
  ConstructionPage page_;
};

struct JournalLine {
  std::string back;
  std::string fore;
  uint16_t setups;
  double height;
};

struct GraphCase {
  const char* name;
  std::vector<JournalLine> journal;
  std::vector<AltitudeRow> benchmarks;
  std::function<void(HandWalk&)> walk;
  std::vector<std::vector<int32_t>> leftOut;  // the records of each part left out, in the listed order
  std::vector<int32_t> kept = {};
};

void FillJournal(AppState& state, const std::vector<JournalLine>& lines) {
  for (const JournalLine& line : lines) {
    AddJournalRun(state.Journal, line.back, line.fore, line.setups == 0 ? 1 : line.setups, line.height);
    // Only a file can hold a record without setups: the journal refuses to make one.
    if (line.setups == 0) state.Journal.SetupCounts.SetItem(state.Journal.RecordCount() - 1, 0);
  }
}

void ExpectSameRuns(const TKorNetDetailTable& built, const TKorNetDetailTable& hand) {
  ASSERT_EQ(built.RunCount(), hand.RunCount());
  for (int32_t r = 0; r < built.RunCount(); ++r) {
    NetRun b = built.RunAt(r), h = hand.RunAt(r);
    EXPECT_NEAR(b.height, h.height, 1e-9) << "run " << r;
    EXPECT_NEAR(b.setups, h.setups, 1e-12) << "run " << r;
    b.height = h.height;
    b.setups = h.setups;
    EXPECT_EQ(b, h) << "run " << r << ": " << b.back << " -> " << b.fore;
  }
  ASSERT_EQ(built.PendentCount(), hand.PendentCount());
  for (int32_t p = 0; p < built.PendentCount(); ++p) EXPECT_EQ(built.PendentAt(p), hand.PendentAt(p));
}

void ExpectSameNet(const TKorNet& built, const TKorNet& hand) {
  ASSERT_EQ(built.SectionCount(), hand.SectionCount());
  for (int32_t s = 0; s < built.SectionCount(); ++s) {
    SCOPED_TRACE("section " + std::to_string(s + 1));
    EXPECT_EQ(built.SectionStarts[s], hand.SectionStarts[s]);
    EXPECT_EQ(built.SectionEnds[s], hand.SectionEnds[s]);
    EXPECT_EQ(built.SectionStartTypes.GetItem(s), hand.SectionStartTypes.GetItem(s));
    EXPECT_EQ(built.SectionEndTypes.GetItem(s), hand.SectionEndTypes.GetItem(s));
    ExpectSameRuns(built.SectionTables.TableAt(s), hand.SectionTables.TableAt(s));
  }
  EXPECT_EQ(built.PointNames.Items(), hand.PointNames.Items());
  EXPECT_EQ(built.PointTypes.Items(), hand.PointTypes.Items());
  EXPECT_EQ(built.PointElevations.Items(), hand.PointElevations.Items());
  const Result<LeastSquaresResult> fromBuilt = AdjustByLeastSquares(built, 0.5);
  const Result<LeastSquaresResult> fromHand = AdjustByLeastSquares(hand, 0.5);
  ASSERT_TRUE(fromBuilt.HasValue()) << fromBuilt.RefusalText();
  ASSERT_TRUE(fromHand.HasValue()) << fromHand.RefusalText();
  ASSERT_EQ(fromBuilt->elevations.size(), fromHand->elevations.size());
  for (size_t p = 0; p < fromBuilt->elevations.size(); ++p)
    EXPECT_NEAR(fromBuilt->elevations[p], fromHand->elevations[p], 1e-9) << built.PointNames[p];
}

std::vector<BenchmarkRow> TickedRows(const AppState& state, const std::vector<AltitudeRow>& benchmarks) {
  std::vector<BenchmarkRow> rows = BenchmarkRows(state, AllRecords(state));
  for (const AltitudeRow& benchmark : benchmarks)
    for (BenchmarkRow& row : rows)
      if (row.name == benchmark.name) row = {row.name, true, benchmark.elevation};
  return rows;
}

const GraphCase kGraphCases[] = {
    {"a loop through two benchmarks: two sections, each from the end the journal meets first",
     {{"Rp1", "A", 4, 1.00},
      {"A", "B", 3, 0.50},
      {"B", "Rp2", 5, -0.20},
      {"Rp2", "C", 2, 0.30},
      {"C", "Rp1", 6, -1.62}},
     {{"Rp1", "100"}, {"Rp2", "101.25"}},
     [](HandWalk& w) {
       w.Net(1, {0, 2});
       w.Run(2, 2);
       w.Run(3, 0);
       w.Section(-5, {0, 2});
       w.Run(-4, 0);
     },
     {}},
    {"a Y junction: the point of three neighbours is a nodal end",
     {{"Rp1", "A", 2, 0.40}, {"A", "K", 3, 0.61}, {"Rp2", "K", 4, -0.35}, {"K", "Rp3", 2, 0.12}},
     {{"Rp1", "50"}, {"Rp2", "51.3"}, {"Rp3", "51.1"}},
     [](HandWalk& w) {
       w.Net(1, {0, 2});
       w.Run(2, 1);
       w.Section(-3, {1, 0});
       w.Section(4, {1, 0});
     },
     {}},
    {"a line levelled forward and back becomes one equivalent run",
     {{"Rp1", "A", 4, 1.20}, {"A", "Rp1", 4, -1.25}, {"A", "Rp2", 3, 0.50}},
     {{"Rp1", "10"}, {"Rp2", "11.7"}},
     [](HandWalk& w) {
       w.EmptyNet(1);
       w.EquiSection({1, -2}, {0, 2});
       w.Run(3, 0);
     },
     {}},
    {"repeated runs over the tolerance are left out, and the spur they leave hangs as a pendent point",
     {{"Rp1", "A", 4, 1.20},
      {"A", "Rp1", 4, -31.20},
      {"A", "Rp2", 3, 0.50},
      {"Rp1", "B", 2, 0.80},
      {"B", "Rp2", 2, 0.91}},
     {{"Rp1", "10"}, {"Rp2", "11.7"}},
     [](HandWalk& w) {
       w.Net(4, {0, 2});
       w.Run(5, 0);
       w.Pendent(0, -3);
     },
     {{1, 2}}},
    {"repeated runs over the tolerance that the surveyor keeps are merged all the same",
     {{"Rp1", "A", 4, 1.20},
      {"A", "Rp1", 4, -31.20},
      {"A", "Rp2", 3, 0.50},
      {"Rp1", "B", 2, 0.80},
      {"B", "Rp2", 2, 0.91}},
     {{"Rp1", "10"}, {"Rp2", "11.7"}},
     [](HandWalk& w) {
       w.EmptyNet(1);
       w.EquiSection({1, -2}, {0, 2});
       w.Run(3, 0);
       w.Section(4, {0, 2});
       w.Run(5, 0);
     },
     {},
     {1}},
    {"a spur of one run is a pendent point, a spur of two runs is left out",
     {{"Rp1", "A", 2, 0.30}, {"A", "Rp2", 2, 0.20}, {"A", "P", 1, 0.05}, {"Rp2", "Q", 1, 0.10}, {"Q", "S", 1, 0.10}},
     {{"Rp1", "7"}, {"Rp2", "7.52"}},
     [](HandWalk& w) {
       w.Net(1, {0, 2});
       w.Run(2, 0);
       w.Pendent(0, 3);
     },
     {{4, 5}}},
    {"a part that no benchmark reaches is left out with its points",
     {{"Rp1", "A", 4, 1.00}, {"X", "Y", 1, 0.1}, {"A", "Rp2", 3, 0.50}, {"Y", "Z", 1, 0.1}, {"Z", "X", 1, -0.2}},
     {{"Rp1", "100"}, {"Rp2", "101.5"}},
     [](HandWalk& w) {
       w.Net(1, {0, 2});
       w.Run(3, 0);
     },
     {{2, 4, 5}}},
    {"a chain that comes back to its only end is a section closing on that point",
     {{"Rp1", "K", 2, 1.00}, {"K", "A", 3, 0.40}, {"A", "B", 3, 0.20}, {"B", "K", 3, -0.55}, {"K", "Rp2", 2, 1.10}},
     {{"Rp1", "20"}, {"Rp2", "22.12"}},
     [](HandWalk& w) {
       w.Net(1, {0, 1});
       w.Section(2, {1, 2});
       w.Run(3, 2);
       w.Run(4, 1);
       w.Section(5, {1, 0});
     },
     {}},
    {"records with «Ошибка» or without setups stay out",
     {{"Rp1", "A", 2, 0.50}, {"A", "Rp2", 2, InvalidHeight}, {"A", "Rp2", 2, 0.70}, {"Rp2", "C", 0, 0.1}},
     {{"Rp1", "3"}, {"Rp2", "4.2"}},
     [](HandWalk& w) {
       w.Net(1, {0, 2});
       w.Run(3, 0);
     },
     {{2}, {4}}},
};

}  // namespace

TEST(NetFromJournal, BuildsTheNetAHandWalkBuildsAndListsWhatItLeavesOut) {
  SeparatorScope scope('.', "");
  for (const GraphCase& graph : kGraphCases) {
    SCOPED_TRACE(graph.name);
    AppState built, hand;
    FillJournal(built, graph.journal);
    FillJournal(hand, graph.journal);

    const Result<NetPlan> plan =
        PlanNet(built, {AllRecords(built), TickedRows(built, graph.benchmarks), graph.kept, "Сеть"});
    ASSERT_TRUE(plan.HasValue()) << plan.RefusalText();
    std::vector<std::vector<int32_t>> leftOut;
    for (const LeftOutPart& part : plan->leftOut) leftOut.push_back(part.records);
    EXPECT_EQ(leftOut, graph.leftOut);
    const Result<int32_t> index = BuildPlannedNet(built, *plan, -1);
    ASSERT_TRUE(index.HasValue()) << index.RefusalText();
    EXPECT_EQ(built.CurrentNetIndex, *index);
    EXPECT_EQ(built.ActiveSectionIndex, 0);

    HandWalk walk(hand);
    graph.walk(walk);
    walk.Elevations(graph.benchmarks);
    ExpectSameNet(built.Nets.NetAt(*index), hand.Nets.NetAt(0));

    // One step of the data: undo takes the whole net away again.
    ASSERT_TRUE(built.History.CanUndo());
    built.History.Undo(built);
    EXPECT_EQ(built.Nets.NetCount(), 0);
  }
}

}  // namespace korvado
