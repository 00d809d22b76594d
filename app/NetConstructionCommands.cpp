#include "NetConstructionCommands.h"

#include <algorithm>

#include "MessageService.h"
#include "NumberText.h"
#include "RunHeightCheck.h"
#include "StorableText.h"

namespace korvado {

namespace {

// The run of the selected result row, read from the searched point.
struct PickedRun {
  std::string Fore;
  double Height = 0.0;
  double Setups = 0.0;
  int32_t Ref = 0;
};

const SearchRow* SelectedRow(const AppState& state, const ConstructionPage& page) {
  const int32_t r = page.CurrentRow;
  if (r < 0 || r >= static_cast<int32_t>(page.Rows.size()) || r >= state.SearchHits.Count()) return nullptr;
  const SearchRow& row = page.Rows[r];
  if (row.ForePoint.empty() || row.SetupsText.empty() || row.HeightText.empty()) return nullptr;
  return &row;
}

// The numbers are read back from the texts shown, so the net holds what the surveyor saw.
std::optional<PickedRun> TakePick(const AppState& state, const ConstructionPage& page, const std::string& back) {
  if (!CheckSelectedRun(state, page)) return std::nullopt;
  const SearchRow& row = *SelectedRow(state, page);
  PickedRun pick;
  pick.Fore = row.ForePoint;
  pick.Height = ParseDouble(row.HeightText);
  pick.Setups = ParseDouble(row.SetupsText);
  pick.Ref = state.SearchHits.GetItem(page.CurrentRow);
  if (!CheckRunHeight(pick.Height, back, pick.Fore, pick.Ref)) return std::nullopt;
  return pick;
}

const TKorNetDetailTable& ActiveTable(const AppState& state) {
  return state.Nets.NetAt(state.CurrentNetIndex).SectionTables.TableAt(state.ActiveSectionIndex);
}

// The section's end, from which a further run starts; false without a run to start from.
bool ActiveSectionEnd(const AppState& state, std::string& end, int32_t& endType) {
  const TKorNetDetailTable& table = ActiveTable(state);
  const int32_t last = table.RunCount() - 1;
  if (last < 0) return false;
  end = table.RunForePoints[last];
  endType = table.RunForeTypes.GetItem(last);
  return true;
}

// A section ends at a fixed or nodal point: a run past it would hide that
// point from the adjustment inside one long section.
bool TakeActiveSectionEnd(const AppState& state, std::string& end, int32_t& endType) {
  if (!RequireActiveSectionEnd(state) || !ActiveSectionEnd(state, end, endType)) return false;
  if (endType != kFixedPoint && endType != kNodalPoint) return true;
  ReportError(
      "Звено заканчивается в точке «" + end + "» (" + kPointTypeNames[endType] +
      "): штатив за ней скрыл бы эту точку от уравнивания. Продолжите ход новым звеном — кнопкой «Добавить звено».");
  return false;
}

}  // namespace

bool HasActiveSection(const AppState& state) {
  return state.HasCurrentNet() && state.ActiveSectionIndex >= 0 &&
         state.ActiveSectionIndex < state.Nets.NetAt(state.CurrentNetIndex).SectionCount();
}

bool RequireActiveSection(const AppState& state) {
  if (!RequireCurrentNet(state)) return false;
  if (HasActiveSection(state)) return true;
  ReportError(
      "Активное звено не выбрано. Выберите его счетчиком «Активное звено» или создайте кнопкой «Добавить звено».");
  return false;
}

bool RequireActiveSectionEnd(const AppState& state) {
  if (!RequireActiveSection(state)) return false;
  if (ActiveTable(state).RunCount() > 0) return true;
  ReportError("В активном звене нет ни одного штатива: продолжить его нельзя.");
  return false;
}

bool CheckSelectedRun(const AppState& state, const ConstructionPage& page) {
  if (SelectedRow(state, page)) return true;
  ReportError(kStartRunNotFoundMessage);
  return false;
}

void FindRuns(AppState& state, ConstructionPage& page) {
  page.SearchedPoint = page.FindText;
  page.Rows = SearchJournalRuns(state.Journal, page.SearchedPoint);
  state.SearchHits.Clear();
  for (const SearchRow& row : page.Rows) state.SearchHits.Add(row.Ref);
  page.CurrentRow = page.Rows.empty() ? -1 : 0;
  page.FocusResults = false;
}

void ContinueSearch(AppState& state, ConstructionPage& page) {
  if (!HasActiveSection(state)) return;
  const TKorNetDetailTable& table = ActiveTable(state);
  const int32_t last = table.RunCount() - 1;
  if (last < 0) return;
  const std::string cameFrom = table.RunBackPoints[last];
  page.FindText = table.RunForePoints[last];
  FindRuns(state, page);
  const int32_t onward = OnwardRow(page.Rows, cameFrom);
  if (onward < 0) return;
  page.CurrentRow = onward;
  page.FocusResults = true;
}

std::optional<PointTypeQuestion> PrepareAddNet(const AppState& state, const ConstructionPage& page) {
  if (!TakePick(state, page, page.SearchedPoint)) return std::nullopt;
  return AskPointTypes(state, page.SearchedPoint, SelectedRow(state, page)->ForePoint);
}

std::optional<PointTypeQuestion> PrepareAddSection(const AppState& state, const ConstructionPage& page) {
  if (!RequireCurrentNet(state)) return std::nullopt;
  return PrepareAddNet(state, page);
}

std::optional<PointTypeQuestion> PrepareAddRun(const AppState& state, const ConstructionPage& page) {
  std::string back;
  int32_t backType = 0;
  if (!TakeActiveSectionEnd(state, back, backType)) return std::nullopt;
  const std::optional<PickedRun> pick = TakePick(state, page, back);
  if (!pick) return std::nullopt;
  return AskForeType(state, back, backType, pick->Fore);
}

int32_t CreateNetForPick(AppState& state, const std::string& name) {
  if (!CheckStorableText(name)) return -1;
  const int32_t net = state.Nets.AddNet(name);
  if (net < 0) return -1;
  state.CurrentNetIndex = net;
  // The active section belonged to the previous net.
  state.ActiveSectionIndex = -1;
  state.MarkChanged();
  return net;
}

bool AddSectionFromPick(AppState& state, ConstructionPage& page, PointTypeChoice types) {
  if (!RequireCurrentNet(state)) return false;
  const std::optional<PickedRun> pick = TakePick(state, page, page.SearchedPoint);
  if (!pick || !CheckPointType(types.BackType) || !CheckPointType(types.ForeType)) return false;
  TKorNet& net = state.Nets.NetAt(state.CurrentNetIndex);
  const int32_t section = net.AddSection(page.SearchedPoint, pick->Fore, static_cast<uint8_t>(types.BackType),
                                         static_cast<uint8_t>(types.ForeType), pick->Height, pick->Setups, pick->Ref);
  if (section < 0) return false;
  state.ActiveSectionIndex = section;
  state.MarkChanged();
  ContinueSearch(state, page);
  return true;
}

bool AddNetFromPick(AppState& state, ConstructionPage& page, const std::string& name, PointTypeChoice types) {
  // Everything that could refuse the section is checked before the net exists.
  if (!CheckStorableText(name) || !TakePick(state, page, page.SearchedPoint) || !CheckPointType(types.BackType) ||
      !CheckPointType(types.ForeType))
    return false;
  const int32_t previousNet = state.CurrentNetIndex;
  const int32_t previousSection = state.ActiveSectionIndex;
  const bool previouslyChanged = state.Changed;
  const int32_t net = CreateNetForPick(state, name);
  if (net < 0) return false;
  if (AddSectionFromPick(state, page, types)) return true;
  state.Nets.DeleteNet(net);
  state.CurrentNetIndex = previousNet;
  state.ActiveSectionIndex = previousSection;
  state.Changed = previouslyChanged;
  return false;
}

bool AppendRunFromPick(AppState& state, ConstructionPage& page, int32_t foreType) {
  std::string back;
  int32_t backType = 0;
  if (!TakeActiveSectionEnd(state, back, backType)) return false;
  const std::optional<PickedRun> pick = TakePick(state, page, back);
  if (!pick || !CheckPointType(foreType)) return false;
  TKorNet& net = state.Nets.NetAt(state.CurrentNetIndex);
  if (!net.AppendRun(static_cast<uint16_t>(state.ActiveSectionIndex), pick->Fore, static_cast<uint8_t>(foreType),
                     pick->Height, pick->Setups, pick->Ref))
    return false;
  state.MarkChanged();
  ContinueSearch(state, page);
  return true;
}

PickCommand DoubleClickCommand(const AppState& state) {
  if (!RequireActiveSection(state)) return PickCommand::None;
  const int32_t endType = state.Nets.NetAt(state.CurrentNetIndex).SectionEndTypes.GetItem(state.ActiveSectionIndex);
  if (endType == kFixedPoint || endType == kNodalPoint) return PickCommand::AddSection;
  if (endType == kIntermediatePoint) return PickCommand::AddRun;
  return PickCommand::None;
}

int32_t ActiveSectionCounterMaximum(const AppState& state) {
  return state.HasCurrentNet() ? state.Nets.NetAt(state.CurrentNetIndex).SectionCount() : 0;
}

int32_t StepActiveSectionCounter(AppState& state, int32_t position) {
  const int32_t maximum = ActiveSectionCounterMaximum(state);
  const int32_t shown = std::clamp(position, 1, std::max(1, maximum));
  state.ActiveSectionIndex = shown <= maximum ? shown - 1 : -1;
  return shown;
}

}  // namespace korvado
