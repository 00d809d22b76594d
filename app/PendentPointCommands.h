#pragma once
// Attaching a pendent point to the section selected in the nets browser
// (TAddPendentPointDlg and acAddPendentPoint). The window keeps one
// PendentPointDialog for the whole run of the program.

#include <cstdint>
#include <string>
#include <vector>

#include "AppState.h"
#include "NetsBrowserView.h"
#include "PendentSearch.h"

namespace korvado {

inline constexpr const char* kPendentDialogCaption = "Добавление висячей точки";
inline constexpr const char* kPendentColumns[] = {"Задняя точка", "Число штативов", "Превышение", "Примечания"};

struct PendentPointDialog {
  std::string FindText;          // EditFindPP, kept between showings
  std::vector<PendentRow> Rows;  // FindPPListView; the window writes an edited caption into Point
  TIntList PendentHits;          // the JournalRef of each row, in row order
  int32_t SelectedRow = -1;
};

// FormShow: the results are emptied, the typed name is kept.
void ShowPendentDialog(PendentPointDialog& dialog);
// "Найти": runs joining dialog.FindText to a point listed for the selected section; the first is selected.
void FindPendentRuns(const AppState& state, const NetsBrowserState& browser, PendentPointDialog& dialog);
// "Добавить" needs a selected result row.
bool PendentAddEnabled(const PendentPointDialog& dialog);
// The selected row as a pendent run of the browser's selected section, from
// the row's (possibly edited) caption to the name now in dialog.FindText.
Outcome AddPendentPoint(AppState& state, NetsBrowserState& browser, const PendentPointDialog& dialog);

}  // namespace korvado
