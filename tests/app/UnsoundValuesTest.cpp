// A file may hold values no survey has where numbers belong (NaN, ±infinity,
// setups that are negative, zero or 1e300, an elevation of 1.7e308) and names
// with control characters: opening it warns once, every computation refuses
// naming the value, and nothing is spoilt or left hanging.

#include <gtest/gtest.h>

#include <limits>

#include "AdjustmentCommands.h"
#include "DataFile.h"
#include "ElevationCommands.h"
#include "FileCommands.h"
#include "LeastSquaresCommands.h"
#include "LoopCommands.h"
#include "NetTestData.h"
#include "OutcomeTexts.h"
#include "TempFolder.h"
#include "UnsoundValues.h"

namespace korvado {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// Fixed A 100, nodal K, fixed B 110; records A->K and K->B; the point table built.
AppState AdjustableState() {
  AppState state;
  AddJournalRun(state.Journal, "A", "K", 2, 4.0);
  AddJournalRun(state.Journal, "K", "B", 2, 6.1);
  TKorNet& net = state.Nets.NetAt(*state.Nets.AddNet("Сеть"));
  EXPECT_TRUE(net.AddSection("A", "K", kFixedPoint, kNodalPoint, 4.0, 2.0, 1));
  EXPECT_TRUE(net.AddSection("K", "B", kNodalPoint, kFixedPoint, 6.1, 2.0, 2));
  EXPECT_TRUE(net.AddPoint("A", kFixedPoint, 100.0));
  EXPECT_TRUE(net.AddPoint("K", kNodalPoint, 0.0));
  EXPECT_TRUE(net.AddPoint("B", kFixedPoint, 110.0));
  state.CurrentNetIndex = 0;
  return state;
}

bool Names(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(UnsoundValues, OpeningWarnsOnceNamingTheFirstSuchValue) {
  TempFolder folder;
  AppState written = AdjustableState();
  written.Journal.HeightDiffs.SetItem(1, kNaN);
  written.Nets.NetAt(0).PointElevations.SetItem(2, -kInf);
  WriteDataFile(folder.File("bad.kor"), written.Journal, written.Nets);

  AppState state;
  const Outcome opened = OpenDataFile(state, folder.File("bad.kor"));
  ASSERT_TRUE(opened);
  ASSERT_EQ(Warnings(opened).size(), 1u);
  EXPECT_TRUE(Names(Warnings(opened)[0], "запись № 2 (K --> B): превышение — не число")) << Warnings(opened)[0];
  EXPECT_TRUE(Names(Warnings(opened)[0], "всего 2")) << Warnings(opened)[0];

  WriteDataFile(folder.File("good.kor"), AdjustableState().Journal, AdjustableState().Nets);
  EXPECT_TRUE(Silent(OpenDataFile(state, folder.File("good.kor")))) << "a clean file opens silently";
}

TEST(UnsoundValues, EveryComputationRefusesNamingTheValueAndChangesNothing) {
  struct Case {
    const char* what;
    void (*spoil)(AppState&);
    const char* named;
  };
  const Case cases[] = {
      {"section height", [](AppState& s) { s.Nets.NetAt(0).SectionHeights.SetItem(1, kInf); },
       "звено 2  [K --> B]: превышение — плюс бесконечность"},
      {"run setups", [](AppState& s) { s.Nets.NetAt(0).SectionTables.TableAt(0).RunSetups.SetItem(0, kNaN); },
       "штатив A --> K: число штативов — не число"},
      {"elevation", [](AppState& s) { s.Nets.NetAt(0).PointElevations.SetItem(0, -kInf); },
       "точка «A»: отметка — минус бесконечность"},
      {"negative setups", [](AppState& s) { s.Nets.NetAt(0).SectionSetups.SetItem(0, -2.0); },
       "звено 1  [A --> K]: число штативов — -2, а должно быть больше нуля"},
      {"setups of the smallest double", [](AppState& s) { s.Nets.NetAt(0).SectionSetups.SetItem(1, 5e-324); },
       "число штативов — 4.94065645841247E-324, вне разумных пределов"},
      {"setups of 1e300", [](AppState& s) { s.Nets.NetAt(0).SectionSetups.SetItem(1, 1e300); },
       "число штативов — 1E300, вне разумных пределов"},
      {"elevation of 1.7e308", [](AppState& s) { s.Nets.NetAt(0).PointElevations.SetItem(2, 1.7e308); },
       "точка «B»: отметка — 1.7E308, вне разумных пределов"},
  };
  for (const Case& c : cases) {
    AppState state = AdjustableState();
    c.spoil(state);
    const std::vector<double> elevations = state.Nets.NetAt(0).PointElevations.Items();
    for (const Outcome& refused :
         {Outcome(EquateCurrentNet(state)), Outcome(AltitudeTableForNode(state, 0, 0)),
          Outcome(AltitudeNetReport(state, 0)), Outcome(AdjustCurrentNetByLeastSquares(state))}) {
      ASSERT_EQ(Refusals(refused).size(), 1u) << c.what;
      EXPECT_TRUE(Names(refused.RefusalText(), c.named)) << c.what << ": " << refused.RefusalText();
    }
    EXPECT_TRUE(Names(CurrentNetLoops(state).refusal, c.named)) << c.what << ": " << CurrentNetLoops(state).refusal;
    EXPECT_EQ(state.IterationCounter, 0) << c.what;
    EXPECT_EQ(state.Nets.NetAt(0).PointElevations.Items(), elevations) << c.what;
  }
}

TEST(UnsoundValues, ControlCharactersInNamesAreListedAndNeverWritten) {
  TempFolder folder;
  AppState written = AdjustableState();
  written.Journal.BackPoints.Set(0, std::string("A\tB"));
  written.Nets.NetAt(0).PointNames.Set(1, std::string("K\x1b[2J"));
  const std::vector<std::string> found = NamesWithControlChars(written.Journal, written.Nets);
  ASSERT_EQ(found.size(), 2u);
  EXPECT_EQ(found[0], "журнал, запись № 1: задняя точка «A B» — управляющий символ");
  EXPECT_EQ(found[1], "сеть № 1, точка № 2: «K [2J» — управляющий символ");

  WriteDataFile(folder.File("names.kor"), written.Journal, written.Nets);
  AppState state;
  ASSERT_TRUE(OpenDataFile(state, folder.File("names.kor")));
  EXPECT_EQ(state.Journal.BackPoints[0], "A B") << "the file holds the blank the writer put in";
  EXPECT_EQ(state.Nets.NetAt(0).PointNames[1], "K [2J");
  EXPECT_TRUE(NamesWithControlChars(state.Journal, state.Nets).empty());
}

TEST(UnsoundValues, NetUpdateRefusesARecordThatIsNotANumberBeforeChangingAnyRun) {
  AppState state = AdjustableState();
  state.Journal.HeightDiffs.SetItem(0, 4.5);  // would change the first run
  state.Journal.HeightDiffs.SetItem(1, kNaN);
  const std::string refusal = UpdateNetsFromJournal(state).RefusalText();
  EXPECT_TRUE(Names(refusal, "записи журнала № 2 (K --> B)")) << refusal;
  EXPECT_EQ(state.Nets.NetAt(0).SectionTables.TableAt(0).RunHeights.GetItem(0), 4.0);
  EXPECT_EQ(state.Nets.NetAt(0).SectionHeights.GetItem(0), 4.0);
  EXPECT_FALSE(state.Changed);
}

}  // namespace
}  // namespace korvado
