#include "NetConstructionCommands.h"

#include <algorithm>

#include "NumberText.h"
#include "RecordStep.h"
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
Result<PickedRun> TakePick(const AppState& state, const ConstructionPage& page, const std::string& back) {
  if (Outcome refused = CheckSelectedRun(state, page); !refused) return refused;
  const SearchRow& row = *SelectedRow(state, page);
  PickedRun pick;
  pick.Fore = row.ForePoint;
  pick.Height = ParseDouble(row.HeightText);
  pick.Setups = ParseDouble(row.SetupsText);
  pick.Ref = state.SearchHits.GetItem(page.CurrentRow);
  if (Outcome refused = CheckRunHeight(pick.Height, back, pick.Fore, pick.Ref); !refused) return refused;
  return pick;
}

const TKorNetDetailTable& ActiveTable(const AppState& state) {
  return state.Nets.NetAt(state.CurrentNetIndex).SectionTables.TableAt(state.ActiveSectionIndex);
}

// The point a further run of the active section starts from.
struct SectionEnd {
  std::string Name;
  int32_t Type = 0;
};

// A section ends at a fixed or nodal point: a run past it would hide that
// point from the adjustment inside one long section.
Result<SectionEnd> TakeActiveSectionEnd(const AppState& state) {
  if (Outcome refused = RequireActiveSectionEnd(state); !refused) return refused;
  const TKorNetDetailTable& table = ActiveTable(state);
  const int32_t last = table.RunCount() - 1;
  SectionEnd end{table.RunForePoints[last], table.RunForeTypes.GetItem(last)};
  if (end.Type != kFixedPoint && end.Type != kNodalPoint) return end;
  return Outcome::Refusal(
      "Звено заканчивается в точке «" + end.Name + "» (" + kPointTypeNames[end.Type] +
      "): штатив за ней скрыл бы эту точку от уравнивания. Продолжите ход новым звеном — кнопкой «Добавить звено».");
}

}  // namespace

bool HasActiveSection(const AppState& state) {
  return state.HasCurrentNet() && state.ActiveSectionIndex >= 0 &&
         state.ActiveSectionIndex < state.Nets.NetAt(state.CurrentNetIndex).SectionCount();
}

Outcome RequireActiveSection(const AppState& state) {
  if (Outcome refused = RequireCurrentNet(state); !refused) return refused;
  if (HasActiveSection(state)) return {};
  return Outcome::Refusal(
      "Активное звено не выбрано. Выберите его счетчиком «Активное звено» или создайте кнопкой «Добавить звено».");
}

Outcome RequireActiveSectionEnd(const AppState& state) {
  if (Outcome refused = RequireActiveSection(state); !refused) return refused;
  if (ActiveTable(state).RunCount() > 0) return {};
  return Outcome::Refusal("В активном звене нет ни одного штатива: продолжить его нельзя.");
}

Outcome CheckSelectedRun(const AppState& state, const ConstructionPage& page) {
  if (SelectedRow(state, page)) return {};
  return Outcome::Refusal(kStartRunNotFoundMessage);
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

Result<PointTypeQuestion> PrepareAddNet(const AppState& state, const ConstructionPage& page) {
  const Result<PickedRun> pick = TakePick(state, page, page.SearchedPoint);
  if (!pick) return pick;
  return AskPointTypes(state, page.SearchedPoint, pick->Fore);
}

Result<PointTypeQuestion> PrepareAddSection(const AppState& state, const ConstructionPage& page) {
  if (Outcome refused = RequireCurrentNet(state); !refused) return refused;
  return PrepareAddNet(state, page);
}

Result<PointTypeQuestion> PrepareAddRun(const AppState& state, const ConstructionPage& page) {
  const Result<SectionEnd> back = TakeActiveSectionEnd(state);
  if (!back) return back;
  const Result<PickedRun> pick = TakePick(state, page, back->Name);
  if (!pick) return pick;
  return AskForeType(state, back->Name, back->Type, pick->Fore);
}

Result<int32_t> CreateNetForPick(AppState& state, const std::string& name) {
  if (Outcome refused = CheckStorableText(name); !refused) return refused;
  const Result<int32_t> net = state.Nets.AddNet(name);
  if (!net) return net;
  state.CurrentNetIndex = *net;
  // The active section belonged to the previous net.
  state.ActiveSectionIndex = -1;
  state.MarkChanged();
  return net;
}

Outcome AddSectionFromPick(AppState& state, ConstructionPage& page, PointTypeChoice types) {
  return RecordStep(state, "добавление звена", [&]() -> Outcome {
    if (Outcome refused = RequireCurrentNet(state); !refused) return refused;
    const Result<PickedRun> pick = TakePick(state, page, page.SearchedPoint);
    if (!pick) return pick;
    if (Outcome refused = CheckPointType(types.BackType).AndThen([&] { return CheckPointType(types.ForeType); });
        !refused)
      return refused;
    TKorNet& net = state.Nets.NetAt(state.CurrentNetIndex);
    const Result<int32_t> section =
        net.AddSection(page.SearchedPoint, pick->Fore, static_cast<uint8_t>(types.BackType),
                       static_cast<uint8_t>(types.ForeType), pick->Height, pick->Setups, pick->Ref);
    if (!section) return section;
    state.ActiveSectionIndex = *section;
    state.MarkChanged();
    ContinueSearch(state, page);
    return {};
  });
}

Outcome AddNetFromPick(AppState& state, ConstructionPage& page, const std::string& name, PointTypeChoice types) {
  return RecordStep(state, "создание сети", [&]() -> Outcome {
    // Everything that could refuse the section is checked before the net exists.
    if (Outcome refused = CheckStorableText(name)
                              .AndThen([&] { return Outcome(TakePick(state, page, page.SearchedPoint)); })
                              .AndThen([&] { return CheckPointType(types.BackType); })
                              .AndThen([&] { return CheckPointType(types.ForeType); });
        !refused)
      return refused;
    const int32_t previousNet = state.CurrentNetIndex;
    const int32_t previousSection = state.ActiveSectionIndex;
    const bool previouslyChanged = state.Changed;
    const Result<int32_t> net = CreateNetForPick(state, name);
    if (!net) return net;
    Outcome added = AddSectionFromPick(state, page, types);
    if (added) return added;
    state.Nets.DeleteNet(*net);
    state.CurrentNetIndex = previousNet;
    state.ActiveSectionIndex = previousSection;
    state.Changed = previouslyChanged;
    return added;
  });
}

Outcome AppendRunFromPick(AppState& state, ConstructionPage& page, int32_t foreType) {
  return RecordStep(state, "добавление хода в звено", [&]() -> Outcome {
    const Result<SectionEnd> back = TakeActiveSectionEnd(state);
    if (!back) return back;
    const Result<PickedRun> pick = TakePick(state, page, back->Name);
    if (!pick) return pick;
    if (Outcome refused = CheckPointType(foreType); !refused) return refused;
    TKorNet& net = state.Nets.NetAt(state.CurrentNetIndex);
    Outcome appended = net.AppendRun(static_cast<uint16_t>(state.ActiveSectionIndex), pick->Fore,
                                     static_cast<uint8_t>(foreType), pick->Height, pick->Setups, pick->Ref);
    if (!appended) return appended;
    state.MarkChanged();
    ContinueSearch(state, page);
    return {};
  });
}

Result<PickCommand> DoubleClickCommand(const AppState& state) {
  if (Outcome refused = RequireActiveSection(state); !refused) return refused;
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
