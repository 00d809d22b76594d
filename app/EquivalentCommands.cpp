#include "EquivalentCommands.h"

#include <algorithm>

#include "DataFileLayout.h"
#include "EquivalentRun.h"
#include "NumberText.h"
#include "RecordStep.h"
#include "RunHeightCheck.h"

namespace korvado {

namespace {

Result<RunObservation> ReadObservation(const EquiRow& row) {
  const std::optional<double> setups = TryParseDouble(row.SetupsText);
  const std::optional<double> height = TryParseDouble(row.HeightText);
  const std::string run = "Штатив " + row.BackPoint + " --> " + row.ForePoint;
  if (!setups || !height)
    return Outcome::Refusal(run + " не объединен: число штативов и превышение должны быть числами.");
  if (!(*setups > 0.0)) return Outcome::Refusal(run + " не объединен: число штативов должно быть больше нуля.");
  if (Outcome refused = CheckRunHeight(*height, row.BackPoint, row.ForePoint, row.Ref); !refused) return refused;
  return RunObservation{.height = *height, .setups = *setups};
}

// The picked run first when it was merged, then the others in merge order.
std::vector<int32_t> MergedRefs(const EquiDialog& dialog) {
  std::vector<int32_t> refs;
  const bool pickedMerged = std::any_of(dialog.Lower.begin(), dialog.Lower.end(),
                                        [&](const EquiRow& row) { return row.Ref == dialog.PickedRef; });
  if (pickedMerged) refs.push_back(dialog.PickedRef);
  for (const EquiRow& row : dialog.Lower)
    if (!pickedMerged || row.Ref != dialog.PickedRef) refs.push_back(row.Ref);
  return refs;
}

Outcome RequireMergeResult(const EquiResult& result) {
  if (!result.Refs.empty() && result.EquiSetups > 0.0 && !result.EquiForePoint.empty()) return {};
  return Outcome::Refusal("Штативы не объединены. Перенесите их в список «Объединенные звенья» кнопкой «Добавить».");
}

// Further references of a merged run go into the same entry as its first one.
void AddFurtherRefs(TKorNetDetailTable& table, int32_t run, const std::vector<int32_t>& refs) {
  TIntList& entry = table.RunRefs.ListAt(run);
  for (size_t k = 1; k < refs.size(); ++k) entry.Add(refs[k]);
}

// How far the merged runs disagree, checked as «Невязки» checks a loop: the
// two runs furthest apart close one.
void ShowSpread(EquiDialog& dialog, const std::vector<RunObservation>& runs) {
  dialog.SpreadLabel.clear();
  dialog.SpreadWithinTolerance = true;
  const std::optional<RunsSpread> spread = SpreadOfRuns(runs);
  if (!spread) return;
  const Tolerance& tolerance = dialog.LevelTolerance;
  const double allowed = AllowedMisclosure(tolerance.Coefficient(), spread->setups);
  dialog.SpreadWithinTolerance = WithinTolerance(spread->discrepancy, allowed);
  dialog.SpreadLabel = "Расхождение " + FormatFixed(2, spread->discrepancy) + " мм, допуск " + FormatFixed(2, allowed) +
                       " мм (" + ToleranceClassName(tolerance.levelClass) + ", n = " + FormatGeneral(spread->setups) +
                       "): " + (dialog.SpreadWithinTolerance ? "в допуске" : "превышает допуск");
}

}  // namespace

Outcome CanMergeForNewSection(const AppState& state, const ConstructionPage& page) {
  return RequireCurrentNet(state).AndThen([&] { return CheckSelectedRun(state, page); });
}

Outcome CanMergeForActiveSection(const AppState& state, const ConstructionPage& page) {
  return RequireActiveSectionEnd(state).AndThen([&] { return CheckSelectedRun(state, page); });
}

EquiDialog OpenEquiDialog(const AppState& state, const ConstructionPage& page) {
  EquiDialog dialog;
  dialog.LevelTolerance = state.LoopTolerance;
  const int32_t picked = page.CurrentRow;
  if (picked < 0 || picked >= static_cast<int32_t>(page.Rows.size())) return dialog;
  dialog.PickedRef = state.SearchHits.GetItem(picked);
  const std::string& fore = page.Rows[picked].ForePoint;
  for (size_t r = 0; r < page.Rows.size(); ++r) {
    const SearchRow& row = page.Rows[r];
    if (row.ForePoint != fore) continue;
    dialog.Upper.push_back({page.SearchedPoint, row.ForePoint, row.SetupsText, row.HeightText, row.Note,
                            state.SearchHits.GetItem(static_cast<int32_t>(r))});
  }
  return dialog;
}

Outcome EquiAddSelected(EquiDialog& dialog, EquiResult& result) {
  const int32_t selected = dialog.UpperRow;
  if (selected < 0 || selected >= static_cast<int32_t>(dialog.Upper.size())) return {};
  if (static_cast<int32_t>(dialog.Lower.size()) >= kMaxReferenceCount)
    return Outcome::Refusal("Штатив не объединен: в один эквивалентный штатив можно объединить не больше " +
                            std::to_string(kMaxReferenceCount) +
                            " штативов, столько ссылок на записи журнала вмещает файл.");

  // The merge is recomputed over every row moved so far, as the lower grid shows them.
  std::vector<RunObservation> runs;
  dialog.Lower.push_back(dialog.Upper[selected]);
  for (const EquiRow& row : dialog.Lower) {
    const Result<RunObservation> run = ReadObservation(row);
    if (!run) {
      dialog.Lower.pop_back();
      return run;
    }
    runs.push_back(*run);
  }
  const std::optional<EquivalentRun> merged = MergeRuns(runs);
  if (!merged) {
    dialog.Lower.pop_back();
    return {};
  }
  result.EquiBackPoint = dialog.Upper.front().BackPoint;
  result.EquiForePoint = dialog.Upper.front().ForePoint;
  result.EquiSetups = merged->setups;
  result.EquiHeight = merged->height;
  result.EquiWeightSum = merged->weightSum;
  result.Refs = MergedRefs(dialog);
  dialog.ResultLabel = EquiResultLabel(result);
  ShowSpread(dialog, runs);

  dialog.Upper.erase(dialog.Upper.begin() + selected);
  dialog.UpperRow = std::clamp(selected, 0, std::max(0, static_cast<int32_t>(dialog.Upper.size()) - 1));
  dialog.Merged = true;
  return {};
}

bool EquiOkEnabled(const EquiDialog& dialog) { return dialog.Merged; }

std::string EquiResultLabel(const EquiResult& result) {
  return result.EquiBackPoint + " --> " + result.EquiForePoint + ":  " + FormatGeneral(result.EquiSetups) + " шт.   " +
         FormatGeneral(result.EquiHeight) + " мм";
}

Result<PointTypeQuestion> PrepareEquiSection(const AppState& state, const EquiResult& result) {
  if (Outcome refused = RequireCurrentNet(state).AndThen([&] { return RequireMergeResult(result); }); !refused)
    return refused;
  return AskPointTypes(state, result.EquiBackPoint, result.EquiForePoint);
}

Result<PointTypeQuestion> PrepareEquiRun(const AppState& state, const EquiResult& result) {
  if (Outcome refused = RequireActiveSectionEnd(state).AndThen([&] { return RequireMergeResult(result); }); !refused)
    return refused;
  const TKorNetDetailTable& table =
      state.Nets.NetAt(state.CurrentNetIndex).SectionTables.TableAt(state.ActiveSectionIndex);
  return AskForeType(state, result.EquiBackPoint, table.RunForeTypes.GetItem(table.RunCount() - 1),
                     result.EquiForePoint);
}

Outcome AddEquiSection(AppState& state, ConstructionPage& page, const EquiResult& result, PointTypeChoice types) {
  return RecordStep(state, "добавление эквивалентного звена", [&]() -> Outcome {
    if (Outcome refused = RequireCurrentNet(state)
                              .AndThen([&] { return RequireMergeResult(result); })
                              .AndThen([&] { return CheckPointType(types.BackType); })
                              .AndThen([&] { return CheckPointType(types.ForeType); });
        !refused)
      return refused;
    TKorNet& net = state.Nets.NetAt(state.CurrentNetIndex);
    const Result<int32_t> section =
        net.AddSection(result.EquiBackPoint, result.EquiForePoint, static_cast<uint8_t>(types.BackType),
                       static_cast<uint8_t>(types.ForeType), result.EquiHeight, result.EquiSetups, result.Refs.front());
    if (!section) return section;
    AddFurtherRefs(net.SectionTables.TableAt(*section), 0, result.Refs);
    state.ActiveSectionIndex = *section;
    state.MarkChanged();
    ContinueSearch(state, page);
    return {};
  });
}

Outcome AppendEquiRun(AppState& state, ConstructionPage& page, const EquiResult& result, int32_t foreType) {
  return RecordStep(state, "добавление эквивалентного хода", [&]() -> Outcome {
    if (Outcome refused =
            RequireActiveSectionEnd(state).AndThen([&] { return RequireMergeResult(result); }).AndThen([&] {
              return CheckPointType(foreType);
            });
        !refused)
      return refused;
    TKorNet& net = state.Nets.NetAt(state.CurrentNetIndex);
    TKorNetDetailTable& table = net.SectionTables.TableAt(state.ActiveSectionIndex);
    Outcome appended =
        net.AppendRun(static_cast<uint16_t>(state.ActiveSectionIndex), result.EquiForePoint,
                      static_cast<uint8_t>(foreType), result.EquiHeight, result.EquiSetups, result.Refs.front());
    if (!appended) return appended;
    AddFurtherRefs(table, table.RunCount() - 1, result.Refs);
    state.MarkChanged();
    ContinueSearch(state, page);
    return {};
  });
}

}  // namespace korvado
