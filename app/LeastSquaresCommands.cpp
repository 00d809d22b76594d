#include "LeastSquaresCommands.h"

#include <cmath>

#include "AdjustedHeights.h"
#include "CurrentNet.h"
#include "LeastSquaresWorkspace.h"
#include "ModelErrors.h"
#include "NumberText.h"
#include "PointTypeQuestion.h"
#include "SelectionText.h"
#include "ValueRanges.h"

namespace korvado {

namespace {

std::string MethodCaption(const LeastSquaresResult& result) { return "МНК, r = " + std::to_string(result.dof); }

std::string ResultCaption(const LeastSquaresResult& result) {
  return "σ₀ = " + OptionalFixed(2, result.sigma0) + " мм, " + ChiSquareVerdict(result);
}

std::string PointTypeName(int32_t type) {
  return type >= kFixedPoint && type <= kIntermediatePoint ? kPointTypeNames[type] : std::to_string(type);
}

}  // namespace

std::string ChiSquareVerdict(const LeastSquaresResult& result) {
  if (!result.chi2) return "χ² не проверяется (r = 0)";
  const ChiSquareTest& chi2 = *result.chi2;
  return "χ² = " + FormatFixed(2, chi2.value) + (chi2.passed ? " в " : " вне ") + "[" + FormatFixed(2, chi2.lower) +
         "; " + FormatFixed(2, chi2.upper) + "]: " + (chi2.passed ? "принят" : "отвергнут");
}

std::string OptionalFixed(int8_t digits, const std::optional<double>& value) {
  return value ? FormatFixed(digits, *value) : std::string("—");
}

std::string SectionMark(const LeastSquaresSection& section) {
  if (section.suspect) return kSuspectMark;
  if (section.uncontrolled) return kUncontrolledMark;
  return {};
}

Outcome AdjustCurrentNetByLeastSquaresWithoutRows(AppState& state) {
  if (Outcome refused = RequireCurrentNet(state); !refused) return refused;
  TKorNet& net = state.Nets.NetAt(state.CurrentNetIndex);
  // The analysis of the last adjustment's shape serves the next one of the
  // same shape, whichever state it comes from; another shape is analysed again.
  static LeastSquaresWorkspace workspace;
  Result<LeastSquaresResult> outcome =
      AdjustByLeastSquares(net, state.SigmaPerSetup, LeastSquaresScope::kWithAccuracy, workspace);
  if (!outcome) return outcome;
  Outcome notices = outcome;
  WriteAdjustedElevations(net, *outcome);
  state.MarkChanged();
  state.LastLeastSquares = LeastSquaresReport{state.CurrentNetIndex, AdjustmentFingerprint(net), std::move(*outcome)};
  return notices;
}

Result<LeastSquaresListView> AdjustCurrentNetByLeastSquares(AppState& state) {
  Outcome notices = AdjustCurrentNetByLeastSquaresWithoutRows(state);
  if (notices.Refused()) return notices;
  const TKorNet& net = state.Nets.NetAt(state.CurrentNetIndex);
  const LeastSquaresResult& result = state.LastLeastSquares->result;
  LeastSquaresListView view{EquateRows(net), {}, MethodCaption(result), ResultCaption(result)};
  for (const std::optional<double>& sigma : result.sigmas) view.sigmas.push_back(sigma ? FormatFixed(2, *sigma) : "");
  Result<LeastSquaresListView> shown(std::move(view));
  shown.Append(notices);
  return shown;
}

Outcome SetSigmaPerSetup(AppState& state, const std::string& text) {
  const Result<double> parsed = TryParseSaneValue(ValueKind::SigmaPerSetup, text);
  if (!parsed)
    return Outcome::Refusal("СКО превышения на один штатив: " + parsed.RefusalText() + "." + " Введите, например, " +
                            FormatGeneral(0.5) + " мм.");
  const double sigma = *parsed;
  state.SigmaPerSetup = sigma;
  if (state.LastLeastSquares) EvaluateLeastSquares(state.LastLeastSquares->result, sigma);
  return {};
}

std::vector<std::string> AccuracyPointHeader() { return {"Точка", "Тип", "Отметка", "СКО, мм"}; }

std::vector<std::string> AccuracySectionHeader() {
  return {"Начало", "Конец", "Штативов", "Превышение", "Поправка v", "rᵢ", "wᵢ", "Отметка о контроле"};
}

AccuracyTables CurrentAccuracyTables(const AppState& state) {
  AccuracyTables tables;
  const LeastSquaresResult* kept = state.HasCurrentNet() ? KeptLeastSquares(state, state.CurrentNetIndex) : nullptr;
  if (!kept) {
    tables.summary = state.HasCurrentNet() ? "Нет результатов уравнивания этой сети по МНК или сеть изменилась после "
                                             "него. Нажмите «Уравнять по МНК»."
                                           : kNoCurrentNetMessage;
    return tables;
  }
  const TKorNet& net = state.Nets.NetAt(state.CurrentNetIndex);
  const LeastSquaresResult& result = *kept;
  tables.net = state.CurrentNetIndex;
  tables.summary = "Сеть «" + net.Name + "»: " + MethodCaption(result) +
                   ", σ₀ априори = " + FormatGeneral(result.sigma0Apriori) + " мм на штатив, " + ResultCaption(result) +
                   ", критическое значение w = " + FormatFixed(2, kCriticalW) + ".";
  for (int32_t p = 0; p < net.PointCount(); ++p) {
    tables.points.push_back({net.PointNames[p], PointTypeName(net.PointTypes.GetItem(p)),
                             FormatFixed(2, result.elevations[p]), OptionalFixed(2, result.sigmas[p])});
    tables.fullElevations.push_back(FormatGeneral(result.elevations[p]));
  }
  // The points inside the sections and the pendent points follow the point table.
  for (const PointHeight& point : result.everyPoint) {
    if (point.role != PointRole::kIntermediate && point.role != PointRole::kPendent) continue;
    tables.points.push_back({point.name,
                             point.role == PointRole::kPendent ? kPendentTypeName : kPointTypeNames[kIntermediatePoint],
                             FormatFixed(2, point.height), OptionalFixed(2, point.sigma)});
    tables.fullElevations.push_back(FormatGeneral(point.height));
  }
  for (int32_t s = 0; s < net.SectionCount(); ++s) {
    const LeastSquaresSection& section = result.sections[s];
    tables.sections.push_back({net.SectionStarts[s], net.SectionEnds[s], FormatGeneral(section.setups),
                               FormatGeneral(net.SectionHeights.GetItem(s)), FormatFixed(2, section.residual),
                               FormatFixed(2, section.redundancy), OptionalFixed(2, section.w), SectionMark(section)});
    tables.absoluteW.push_back(section.w ? std::fabs(*section.w) : -1.0);
    tables.suspect.push_back(section.suspect);
  }
  return tables;
}

const LeastSquaresResult* KeptLeastSquares(const AppState& state, int32_t index) {
  const bool kept = state.LastLeastSquares && index >= 0 && index < state.Nets.NetCount() &&
                    state.LastLeastSquares->net == index &&
                    state.LastLeastSquares->fingerprint == AdjustmentFingerprint(state.Nets.NetAt(index));
  return kept ? &state.LastLeastSquares->result : nullptr;
}

bool HeightsAdjusted(const AppState& state, int32_t index) {
  if (KeptLeastSquares(state, index)) return true;
  return index >= 0 && index < state.Nets.NetCount() && HeightsEqualLeastSquares(state.Nets.NetAt(index));
}

std::string AccuracyCopyText(const std::vector<std::vector<std::string>>& rows) { return SelectedCellsText(rows); }

}  // namespace korvado
