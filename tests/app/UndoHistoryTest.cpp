// Undo and redo over random sequences of the journal, net and adjustment commands,
// each recording its own step.

#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "AdjustmentCommands.h"
#include "CellEditEnd.h"
#include "DataFile.h"
#include "FileCommands.h"
#include "JournalCommands.h"
#include "LeastSquaresCommands.h"
#include "LevelImportCommands.h"
#include "NetsBrowserCommands.h"
#include "RecordStep.h"
#include "SeparatorScope.h"
#include "SurveySamples.h"
#include "TempFolder.h"

namespace korvado {
namespace {

std::string Bytes(const AppState& state) { return WriteDataBytes(state.Journal, state.Nets); }

Outcome TypeMainCell(AppState& state, int32_t record, int column, const std::string& text) {
  return WriteMainCell(state, record, column, text).AndThen([&] {
    return EndMainCellEdit(state, record, column, std::nullopt);
  });
}

bool SamePositions(const StepPositions& a, const StepPositions& b) {
  return a.CurrentNetIndex == b.CurrentNetIndex && a.ActiveSectionIndex == b.ActiveSectionIndex &&
         a.IterationCounter == b.IterationCounter;
}

// One random data-changing command, as the windows run them: a typed cell is
// written key by key and its edit then ended.
void RandomCommand(AppState& state, std::mt19937& random) {
  const auto pick = [&](int n) { return static_cast<int32_t>(random() % static_cast<unsigned>(n)); };
  const int32_t record = pick(state.Journal.RecordCount());
  const std::string number = std::to_string(pick(3000)) + "." + std::to_string(pick(10));
  const std::vector<std::function<Outcome()>> commands = {
      [&] { return TypeMainCell(state, record, kMainBack, "Т" + std::to_string(pick(50))); },
      [&] { return TypeMainCell(state, record, kMainSetups, std::to_string(1 + pick(4))); },
      [&] { return TypeMainCell(state, record, kMainNote, "заметка " + number); },
      [&] {
        const int32_t row = pick(2), column = 1 + pick(2);
        return WriteReadingCell(state, record, ReadingLayout::Precise, row, column, number).AndThen([&] {
          return EndReadingCellEdit(state, record, ReadingLayout::Precise, row, column, std::nullopt);
        });
      },
      [&] { return Outcome(AppendJournalRecord(state)); },
      [&] { return Outcome(InsertJournalRecord(state, record)); },
      [&] { return Outcome(DeleteJournalRecord(state, record)); },
      [&] {
        SetTechMode(state, !state.Journal.TechMode);
        return Outcome();
      },
      [&] { return Outcome(UpdateNetsFromJournal(state)); },
      [&] {
        NetsBrowserState browser;
        return BrowserAddNet(state, browser, "Сеть " + std::to_string(pick(100)));
      },
      [&] {
        state.CurrentNetIndex = pick(state.Nets.NetCount());
        return Outcome();
      },
      [&] { return RebuildCurrentNetPoints(state); },
      [&] {
        return ApplyOriginAltitudes(state, {{"Рп1", "101.5"}, {"Рп9", number}});
      },
      [&] { return Outcome(EquateCurrentNet(state)); },
      [&] { return Outcome(AdjustCurrentNetByLeastSquares(state)); },
      [&] {
        const LevelImport import = PrepareLevelImport(state, KORVADO_LEVEL_SAMPLES "/dini.dat");
        return Outcome(ImportLevelLines(state, import, std::vector<bool>(import.Lines.size(), true), record));
      },
  };
  const size_t which = random() % commands.size();
  const size_t steps = state.History.StepCount();
  try {
    // Refusals are part of the walk: a refused command must leave nothing to undo.
    static_cast<void>(commands[which]());
  } catch (const std::exception&) {
    // A refused command is a command too: whatever it left must undo as well.
  }
  EXPECT_LE(state.History.StepCount(), steps + 1) << "command " << which << " is one step";
}

TEST(UndoHistory, RandomCommandsUndoToTheSavedFileAndRedoToTheLastState) {
  const SeparatorScope separators('.', " ");
  TempFolder folder;
  const std::string path = folder.File("ход.kor");
  WriteDataFile(path, SampleJournal(), SampleNets(2));
  const std::string saved = ReadBytes(path);

  for (unsigned seed = 1; seed <= 6; ++seed) {
    AppState state;
    ASSERT_TRUE(OpenDataFile(state, path));
    std::mt19937 random(seed);
    std::vector<std::string> bytes{Bytes(state)};
    std::vector<StepPositions> positions{PositionsOf(state)};
    while (state.History.StepCount() < 60) {
      const StepPositions before = PositionsOf(state);
      const size_t steps = state.History.StepCount();
      RandomCommand(state, random);
      if (state.History.StepCount() == steps) continue;
      bytes.push_back(Bytes(state));
      positions.back() = before;
      positions.push_back(PositionsOf(state));
    }
    for (size_t k = bytes.size() - 1; k > 0; --k) {
      const std::string name = state.History.UndoName();
      ASSERT_TRUE(state.History.Undo(state)) << "seed " << seed << " step " << k;
      ASSERT_TRUE(Bytes(state) == bytes[k - 1]) << "seed " << seed << " step " << k << " " << name;
      EXPECT_TRUE(SamePositions(PositionsOf(state), positions[k - 1]));
      EXPECT_EQ(state.Changed, k > 1);
    }
    EXPECT_FALSE(state.History.CanUndo());
    EXPECT_TRUE(Bytes(state) == saved);
    for (size_t k = 1; k < bytes.size(); ++k) {
      ASSERT_TRUE(state.History.Redo(state));
      ASSERT_TRUE(Bytes(state) == bytes[k]) << "seed " << seed << " step " << k;
      EXPECT_TRUE(state.Changed);
    }
    EXPECT_FALSE(state.History.CanRedo());
  }
}

TEST(UndoHistory, NamesStepsKeepsTheLastHundredAndForgetsTheRedoBranch) {
  const SeparatorScope separators('.', " ");
  AppState state;
  NewData(state);
  for (int k = 0; k < 130; ++k) EXPECT_TRUE(AppendJournalRecord(state));
  EXPECT_EQ(state.History.StepCount(), UndoHistory::kDepth);
  EXPECT_EQ(state.History.UndoName(), "добавление записи 131");
  while (state.History.Undo(state)) {
  }
  // The saved state was dropped with the oldest steps: the data stay changed.
  EXPECT_EQ(state.Journal.RecordCount(), 31);
  EXPECT_TRUE(state.Changed);
  EXPECT_EQ(state.History.RedoName(), "добавление записи 32");
  EXPECT_TRUE(DeleteJournalRecord(state, 0));
  EXPECT_FALSE(state.History.CanRedo());
  // A command that changes nothing is no step; a change made outside a step is undone first.
  RecordStep(state, "ничего", [] {});
  EXPECT_EQ(state.History.UndoName(), "удаление записи 1");
  EXPECT_TRUE(WriteMainCell(state, 0, kMainNote, "без шага"));
  ASSERT_TRUE(state.History.Undo(state));
  EXPECT_EQ(state.Journal.Notes[0], "");
  EXPECT_EQ(state.History.UndoName(), "удаление записи 1");
}

}  // namespace
}  // namespace korvado
