#pragma once
// Runs levelled more than once between the same two points, merged into one
// equivalent run (TEquiDlg) and put into the current net as a new section or
// appended to the active section.
//
// "Эквивалентные штативы" under "Добавить звено": CanMergeForNewSection,
// OpenEquiDialog, EquiAddSelected per "Добавить", OK (EquiOkEnabled),
// PrepareEquiSection, ask the types, AddEquiSection. Under "Добавить штатив"
// the same with CanMergeForActiveSection, PrepareEquiRun and AppendEquiRun.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "AppState.h"
#include "NetConstructionCommands.h"
#include "PointTypeQuestion.h"
#include "Tolerance.h"

namespace korvado {

// The header row of both grids of the dialog.
inline constexpr const char* kEquiGridHeader[] = {" Задняя точка", " Передняя точка", " Число штативов", " Превышение",
                                                  " Примечания"};

struct EquiRow {
  std::string BackPoint;
  std::string ForePoint;
  std::string SetupsText;
  std::string HeightText;
  std::string Note;
  int32_t Ref = 0;
};

// The result of the last merge; the caller keeps it for the whole run of the program.
struct EquiResult {
  std::string EquiBackPoint;
  std::string EquiForePoint;
  double EquiSetups = 0.0;
  double EquiHeight = 0.0;
  double EquiWeightSum = 0.0;
  // The merged runs' references: the run picked in the search first, then the
  // others in the order they were merged.
  std::vector<int32_t> Refs;
};

// One showing of the dialog.
struct EquiDialog {
  std::vector<EquiRow> Upper;  // "Звенья для объединения"; none shows one empty row
  std::vector<EquiRow> Lower;  // "Объединенные звенья"
  int32_t UpperRow = 0;        // the selected row of the upper grid
  std::string ResultLabel;     // lbEquiSection
  // How far the merged runs disagree against the class's tolerance, empty
  // below two runs: "Расхождение 2.00 мм, допуск 14.14 мм (Техническое, n = 2): в допуске".
  std::string SpreadLabel;
  bool SpreadWithinTolerance = true;
  Tolerance LevelTolerance;  // the class chosen for the misclosures
  int32_t PickedRef = 0;     // the run picked in the search grid
  bool Merged = false;       // a merge was made in this showing
};

// Checked before the dialog is shown, so that nothing is merged in vain.
Outcome CanMergeForNewSection(const AppState& state, const ConstructionPage& page);
Outcome CanMergeForActiveSection(const AppState& state, const ConstructionPage& page);

// The runs found from the searched point to the picked run's fore point, the picked one included.
EquiDialog OpenEquiDialog(const AppState& state, const ConstructionPage& page);
// "Добавить": moves the selected upper row down and merges all rows moved so
// far into `result`. Nothing changes with no row left; a row whose numbers
// cannot be merged is refused.
Outcome EquiAddSelected(EquiDialog& dialog, EquiResult& result);
// OK only after a merge in this showing.
bool EquiOkEnabled(const EquiDialog& dialog);
// "A --> B:  2,4 шт.   10,12 мм"
std::string EquiResultLabel(const EquiResult& result);

Result<PointTypeQuestion> PrepareEquiSection(const AppState& state, const EquiResult& result);
Result<PointTypeQuestion> PrepareEquiRun(const AppState& state, const EquiResult& result);
// The merged run as a new section of the current net, which becomes active.
Outcome AddEquiSection(AppState& state, ConstructionPage& page, const EquiResult& result, PointTypeChoice types);
// The merged run appended to the active section, from its end to EquiForePoint.
Outcome AppendEquiRun(AppState& state, ConstructionPage& page, const EquiResult& result, int32_t foreType);

}  // namespace korvado
