#pragma once
// The page "Система нивелирных ходов": the journal search and the picks that
// build nets run by run. A window keeps a ConstructionPage beside the
// AppState, shows it, asks the dialogs and calls these commands with the
// answers.
//
// "Добавить сеть":   PrepareAddNet, ask the name ("Новая сеть"), ask the
//                    types, AddNetFromPick (a cancel creates nothing).
// "Добавить звено":  PrepareAddSection, ask the types, AddSectionFromPick.
// "Добавить штатив": PrepareAddRun, ask the fore type, AppendRunFromPick.
// Double click:      DoubleClickCommand names which of the last two to run.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "AppState.h"
#include "CurrentNet.h"
#include "JournalSearch.h"
#include "PointTypeQuestion.h"

namespace korvado {

inline constexpr const char* kStartRunNotFoundMessage = "Начальное звено не найдено!";

struct ConstructionPage {
  std::string FindText;         // the edit "Задняя точка" (EditFindBP)
  std::string SearchedPoint;    // the point the listed runs are read from
  std::vector<SearchRow> Rows;  // data rows of FindStringGrid; none shows one empty row
  int32_t CurrentRow = -1;      // the selected data row, from 0
  bool FocusResults = false;    // set when ContinueSearch preselected a row: focus the grid
};

// The current net exists and its active section too.
bool HasActiveSection(const AppState& state);
// As above, refused naming what is missing (RequireCurrentNet for the net).
Outcome RequireActiveSection(const AppState& state);
// The active section also holds a run whose end a further run can start from.
Outcome RequireActiveSectionEnd(const AppState& state);
// The selected row holds a run; "Начальное звено не найдено!" otherwise.
Outcome CheckSelectedRun(const AppState& state, const ConstructionPage& page);

// "Найти": lists the runs at page.FindText and rebuilds SearchHits.
void FindRuns(AppState& state, ConstructionPage& page);
// Searches on from the end of the active section and preselects a row that leads onward.
void ContinueSearch(AppState& state, ConstructionPage& page);

// Each returns what the point-type dialog must ask, or the refusal.
Result<PointTypeQuestion> PrepareAddNet(const AppState& state, const ConstructionPage& page);
Result<PointTypeQuestion> PrepareAddSection(const AppState& state, const ConstructionPage& page);
Result<PointTypeQuestion> PrepareAddRun(const AppState& state, const ConstructionPage& page);

// Appends a net named `name` and makes it current, with no active section.
// Returns its index; refused when the net list is full. The window appends
// the name to its net selector and selects it.
Result<int32_t> CreateNetForPick(AppState& state, const std::string& name);
// A net named `name` whose first section is the selected run, both made
// current; all or nothing: after a refusal nothing has changed.
Outcome AddNetFromPick(AppState& state, ConstructionPage& page, const std::string& name, PointTypeChoice types);
// The selected run as a new section of the current net, which becomes active.
Outcome AddSectionFromPick(AppState& state, ConstructionPage& page, PointTypeChoice types);
// The selected run appended to the active section; its back point is the section's end.
Outcome AppendRunFromPick(AppState& state, ConstructionPage& page, int32_t foreType);

enum class PickCommand { None, AddSection, AddRun };
// A new section after a fixed or nodal end, a further run after an intermediate one.
Result<PickCommand> DoubleClickCommand(const AppState& state);

// The counter "Активное звено" runs from 1 to the section count of the current net.
int32_t ActiveSectionCounterMaximum(const AppState& state);
// The counter moved to `position`: returns the position to show and sets ActiveSectionIndex.
int32_t StepActiveSectionCounter(AppState& state, int32_t position);

}  // namespace korvado
