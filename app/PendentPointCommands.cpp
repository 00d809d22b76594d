#include "PendentPointCommands.h"

#include "NumberText.h"
#include "RecordStep.h"
#include "RunHeightCheck.h"

namespace korvado {

namespace {

std::vector<ListedRunEnds> ListedEnds(const AppState& state, const NetsBrowserState& browser) {
  std::vector<ListedRunEnds> listed;
  for (const BrowserRow& row : BrowserRows(state, browser))
    listed.push_back({row.BackPoint, row.BackIcon, row.ForePoint, row.ForeIcon});
  return listed;
}

bool SectionSelected(const AppState& state, const NetsBrowserState& browser) {
  return browser.Selected.IsSection() && NodeExists(state.Nets, browser.Selected);
}

}  // namespace

void ShowPendentDialog(PendentPointDialog& dialog) {
  dialog.Rows.clear();
  dialog.SelectedRow = -1;
}

void FindPendentRuns(const AppState& state, const NetsBrowserState& browser, PendentPointDialog& dialog) {
  dialog.Rows = SearchPendentRuns(state.Journal, dialog.FindText, ListedEnds(state, browser));
  dialog.PendentHits.Clear();
  for (const PendentRow& row : dialog.Rows) dialog.PendentHits.Add(row.Ref);
  dialog.SelectedRow = dialog.Rows.empty() ? -1 : 0;
}

bool PendentAddEnabled(const PendentPointDialog& dialog) {
  return dialog.SelectedRow >= 0 && dialog.SelectedRow < static_cast<int32_t>(dialog.Rows.size()) &&
         dialog.SelectedRow < dialog.PendentHits.Count();
}

Outcome AddPendentPoint(AppState& state, NetsBrowserState& browser, const PendentPointDialog& dialog) {
  return RecordStep(state, "добавление висячей точки", [&]() -> Outcome {
    if (!SectionSelected(state, browser) || !PendentAddEnabled(dialog)) return {};
    const PendentRow& row = dialog.Rows[dialog.SelectedRow];
    // The journal counts setups in 16 bits, so the listed count fits.
    const int32_t setups = ParseInteger(row.SetupsText);
    const double height = ParseDouble(row.HeightText);
    const int32_t ref = dialog.PendentHits.GetItem(dialog.SelectedRow);
    if (Outcome refused = CheckRunHeight(height, row.Point, dialog.FindText, ref); !refused) return refused;
    TKorNetDetailTable& table = state.Nets.NetAt(browser.Selected.Net).SectionTables.TableAt(browser.Selected.Section);
    Outcome added = table.AddPendentRun(static_cast<uint8_t>(row.Icon), row.Point, dialog.FindText,
                                        static_cast<uint16_t>(setups), height, ref);
    if (!added) return added;
    state.MarkChanged();
    SelectNode(state, browser, browser.Selected);
    return added;
  });
}

}  // namespace korvado
