// Every net command records its own step, and the step holds the changed part
// of the nets rather than a copy of them; the history keeps to its budget and
// tells when the data become, or stop being, the saved data.

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "AdjustmentCommands.h"
#include "CellEditEnd.h"
#include "FileCommands.h"
#include "HeldBytes.h"
#include "JournalCommands.h"
#include "LeastSquaresCommands.h"
#include "NetPatch.h"
#include "NetTestData.h"
#include "NetsBrowserCommands.h"
#include "PendentPointCommands.h"
#include "RecordStep.h"
#include "SeparatorScope.h"
#include "TempFolder.h"

namespace korvado {
namespace {

std::vector<std::string> ChainOf(const std::string& start, const std::string& prefix, int runs,
                                 const std::string& end) {
  std::vector<std::string> points{start};
  for (int k = 1; k < runs; ++k) points.push_back(prefix + std::to_string(k));
  points.push_back(end);
  return points;
}

// Net 0: three sections of 100 runs from fixed points F1..F3 to the node N,
// its point table built and the fixed elevations given, a pendent run on
// section 0; net 1 and net 2: small chains. A journal the runs refer to.
AppState NetsToEdit() {
  AppState state;
  for (int r = 0; r < 420; ++r)
    AddJournalRun(state.Journal, "Р" + std::to_string(r), "Р" + std::to_string(r + 1), 1, 0.5);
  AddChainNet(state.Nets, "Большая",
              {ChainOf("F1", "a", 100, "N"), ChainOf("F2", "b", 100, "N"), ChainOf("F3", "c", 100, "N")});
  AddChainNet(state.Nets, "Вторая", {{"K", "L"}, {"L", "M"}});
  AddChainNet(state.Nets, "Третья", {{"X", "Y"}});
  EXPECT_TRUE(state.Nets.NetAt(0).SectionTables.TableAt(0).AddPendentRun(0, "a1", "V", 2, 0.7, 9));
  state.CurrentNetIndex = 0;
  EXPECT_TRUE(RebuildCurrentNetPoints(state));
  EXPECT_TRUE(ApplyOriginAltitudes(state, {{"F1", "100"}, {"F2", "101"}, {"F3", "99.5"}}));
  state.History.Reset(state);
  state.Changed = false;
  return state;
}

NetsBrowserState Selected(const AppState& state, BrowserNode node, int32_t row = -1) {
  NetsBrowserState browser;
  SelectNode(state, browser, node);
  SelectRow(state, browser, row);
  return browser;
}

struct NetCommand {
  std::string step;  // the name the Edit menu shows
  std::function<Outcome(AppState&)> run;
  bool small;  // the step holds a small part of the large net
};

const std::vector<NetCommand>& NetCommands() {
  static const std::vector<NetCommand> commands = {
      {"добавление сети",
       [](AppState& s) {
         auto b = Selected(s, {0, -1});
         return BrowserAddNet(s, b, "Новая");
       },
       true},
      {"переименование сети",
       [](AppState& s) {
         auto b = Selected(s, {0, -1});
         return BrowserRenameNet(s, b, "Иная");
       },
       true},
      {"вставка сети",
       [](AppState& s) {
         auto b = Selected(s, {2, -1});
         return BrowserPasteNet(s, b);
       },
       false},
      {"удаление сети",
       [](AppState& s) {
         auto b = Selected(s, {1, -1});
         return BrowserDeleteNet(s, b);
       },
       true},
      {"вставка звена",
       [](AppState& s) {
         auto b = Selected(s, {1, -1}, 1);
         return BrowserPasteSection(s, b);
       },
       false},
      {"удаление звена",
       [](AppState& s) {
         auto b = Selected(s, {0, -1}, 1);
         return BrowserDeleteSection(s, b);
       },
       false},
      {"вставка хода",
       [](AppState& s) {
         auto b = Selected(s, {0, 1}, 0);
         return BrowserPasteRun(s, b);
       },
       true},
      {"удаление хода",
       [](AppState& s) {
         auto b = Selected(s, {0, 2}, 5);
         return BrowserDeleteRun(s, b);
       },
       true},
      {"удаление висячей точки",
       [](AppState& s) {
         auto b = Selected(s, {0, 0}, 100);
         return BrowserDeletePendentRun(s, b);
       },
       true},
      {"перестроение таблицы точек",
       [](AppState& s) {
         s.CurrentNetIndex = 1;
         return RebuildCurrentNetPoints(s);
       },
       true},
      {"ввод отметок исходных пунктов",
       [](AppState& s) {
         return ApplyOriginAltitudes(s, {{"F2", "101.25"}});
       },
       true},
      {"уравнивание сети", [](AppState& s) { return Outcome(EquateCurrentNet(s)); }, false},
      {"уравнивание по МНК", [](AppState& s) { return Outcome(AdjustCurrentNetByLeastSquares(s)); }, false},
      {"обновление данных сетей", [](AppState& s) { return UpdateNetsFromJournal(s); }, false},
  };
  return commands;
}

TEST(NetUndo, EachNetCommandIsOneStepThatUndoesAndRedoesExactly) {
  const SeparatorScope separators('.', " ");
  for (const NetCommand& command : NetCommands()) {
    SCOPED_TRACE(command.step);
    AppState state = NetsToEdit();
    const TNetList before = state.Nets;
    const TKorData journal = state.Journal;
    const size_t wholeNet = ItemBytes(before.NetAt(0));
    ASSERT_TRUE(command.run(state));
    ASSERT_EQ(state.History.StepCount(), 1u);
    EXPECT_EQ(state.History.UndoName(), command.step);
    EXPECT_TRUE(state.Changed);
    const TNetList after = state.Nets;
    ASSERT_FALSE(after == before);
    if (command.small) {
      EXPECT_LT(state.History.StepBytes(), wholeNet / 10) << "of " << wholeNet;
    }
    EXPECT_LT(state.History.StepBytes(), 2 * wholeNet + 4096);

    for (int round = 0; round < 2; ++round) {
      ASSERT_TRUE(state.History.Undo(state));
      EXPECT_TRUE(state.Nets == before);
      EXPECT_TRUE(state.Journal == journal);
      EXPECT_FALSE(state.Changed);
      ASSERT_TRUE(state.History.Redo(state));
      EXPECT_TRUE(state.Nets == after);
      EXPECT_TRUE(state.Changed);
    }
  }
}

// A command run inside another's step joins it; a refused one that changed nothing leaves none.
TEST(NetUndo, NestedAndRefusedCommandsLeaveNoStepsOfTheirOwn) {
  const SeparatorScope separators('.', " ");
  AppState state = NetsToEdit();
  ASSERT_TRUE(RecordStep(state, "два шага в одном", [&] {
    return RebuildCurrentNetPoints(state).AndThen([&] { return ApplyOriginAltitudes(state, {{"F1", "100.5"}}); });
  }));
  EXPECT_EQ(state.History.StepCount(), 1u);
  EXPECT_EQ(state.History.UndoName(), "два шага в одном");
  EXPECT_FALSE(ApplyOriginAltitudes(state, {{"F1", "не число"}}));
  EXPECT_EQ(state.History.StepCount(), 1u);
  EXPECT_TRUE(state.Changed);
}

// 100 steps each typing one elevation anew in a net of 300 runs hold a few
// kilobytes; with a budget of a few steps the oldest go first and what is
// left still undoes to the data before the first step kept.
TEST(NetUndo, StepsAreCountedHonestlyAndTheBudgetDropsTheOldest) {
  const SeparatorScope separators('.', " ");
  AppState state = NetsToEdit();
  std::vector<TNetList> nets{state.Nets};
  for (int k = 0; k < 100; ++k) {
    ASSERT_TRUE(ApplyOriginAltitudes(state, {{"F3", std::to_string(200 + k)}}));
    nets.push_back(state.Nets);
  }
  EXPECT_EQ(state.History.StepCount(), UndoHistory::kDepth);
  const size_t elevationStep = state.History.StepBytes() / UndoHistory::kDepth;
  EXPECT_LT(elevationStep, 1024u);

  // A note too long to live inside its string is counted with its text, before and after the step.
  std::string note;
  for (int k = 0; k < 30; ++k) note += "ю";
  ASSERT_TRUE(WriteMainCell(state, 7, kMainNote, note));
  ASSERT_TRUE(EndMainCellEdit(state, 7, kMainNote, std::nullopt));
  ASSERT_TRUE(WriteMainCell(state, 7, kMainNote, "коротко"));
  ASSERT_TRUE(EndMainCellEdit(state, 7, kMainNote, std::nullopt));
  EXPECT_EQ(state.History.StepCount(), UndoHistory::kDepth) << "the two oldest were dropped";
  const size_t noteSteps = state.History.StepBytes() - (UndoHistory::kDepth - 2) * elevationStep;
  EXPECT_GE(noteSteps, 2 * note.size() + 2 * sizeof(std::string));
  EXPECT_GT(HeldBytes(note), note.size());
  EXPECT_EQ(HeldBytes(std::string("к")), 0u) << "a short text lives inside its string";
  EXPECT_EQ(HeldBytes(std::vector<std::string>{note, "к"}), 2 * sizeof(std::string) + HeldBytes(note));

  state.History.SetByteBudget(noteSteps + 5 * elevationStep);
  EXPECT_LE(state.History.StepBytes(), noteSteps + 5 * elevationStep);
  const size_t kept = state.History.StepCount();
  EXPECT_EQ(kept, 7u);
  while (state.History.Undo(state)) {
  }
  // Two note steps and kept - 2 elevation steps were taken back.
  EXPECT_TRUE(state.Nets == nets[nets.size() - 1 - (kept - 2)]);
  EXPECT_TRUE(state.Changed) << "the saved data went with the dropped steps";
  EXPECT_EQ(state.Journal.Notes[7], "");
}

TEST(NetUndo, TheCleanStateNoticeFollowsEditsUndoRedoAndSave) {
  const SeparatorScope separators('.', " ");
  TempFolder folder;
  AppState state = NetsToEdit();
  std::vector<bool> notices;
  state.History.SetCleanObserver([&](bool clean) { notices.push_back(clean); });
  const auto expect = [&](std::vector<bool> wanted, bool changed, const char* what) {
    EXPECT_EQ(notices, wanted) << what;
    EXPECT_EQ(state.Changed, changed) << what;
    notices.clear();
  };
  ASSERT_TRUE(WriteMainCell(state, 0, kMainNote, "н"));
  expect({false}, true, "the first key typed");
  ASSERT_TRUE(WriteMainCell(state, 0, kMainNote, "но"));
  ASSERT_TRUE(EndMainCellEdit(state, 0, kMainNote, std::nullopt));
  expect({}, true, "no second notice while the data stay changed");
  ASSERT_TRUE(state.History.Undo(state));
  expect({true}, false, "undo back to the saved data");
  ASSERT_TRUE(UpdateNetsFromJournal(state));
  expect({false}, true, "a command");
  SaveDataFileAs(state, folder.File("сети.kor"), {});
  expect({true}, false, "save");
  ASSERT_TRUE(state.History.Undo(state));
  expect({false}, true, "undo past the save");
  ASSERT_TRUE(state.History.Redo(state));
  expect({true}, false, "redo back to the save");
  ASSERT_TRUE(EndMainCellEdit(state, 0, kMainNote, std::nullopt));
  expect({}, false, "an edit ended without a change");

  // Saved halfway through typing: what was saved is the typed text, so undo leaves the saved data.
  ASSERT_TRUE(WriteMainCell(state, 0, kMainNote, "сохранено"));
  SaveDataFileAs(state, folder.File("сети.kor"), {});
  expect({false, true}, false, "typed, then saved");
  ASSERT_TRUE(state.History.Undo(state));
  EXPECT_NE(state.Journal.Notes[0], "сохранено");
  expect({false}, true, "undo past the save of a typed edit");
}

}  // namespace
}  // namespace korvado
