#include "LeastSquaresCommands.h"

#include <cmath>

#include "AccuracyCells.h"
#include "AdjustedHeights.h"
#include "CurrentNet.h"
#include "LeastSquaresWorkspace.h"
#include "ModelErrors.h"
#include "NumberText.h"
#include "PointTypeQuestion.h"
#include "RecordStep.h"
#include "SelectionText.h"
#include "ValueRanges.h"

namespace korvado {

std::string LeastSquaresMethodCaption(const LeastSquaresResult& result) {
  return "МНК, r = " + std::to_string(result.dof);
}

std::string LeastSquaresResultCaption(const LeastSquaresResult& result) {
  return "σ₀ = " + OptionalFixed(2, result.sigma0) + " мм, " + ChiSquareVerdict(result);
}

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
  return RecordStep(state, "уравнивание по МНК", [&]() -> Outcome {
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
  });
}

Result<LeastSquaresListView> AdjustCurrentNetByLeastSquares(AppState& state) {
  Outcome notices = AdjustCurrentNetByLeastSquaresWithoutRows(state);
  if (notices.Refused()) return notices;
  const TKorNet& net = state.Nets.NetAt(state.CurrentNetIndex);
  const LeastSquaresResult& result = state.LastLeastSquares->result;
  LeastSquaresListView view{EquateRows(net), {}, LeastSquaresMethodCaption(result), LeastSquaresResultCaption(result)};
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
  const AccuracyCells cells(state);
  AccuracyTables tables{cells.Summary(), {}, {}, {}, cells.AbsoluteW(), cells.Suspect(), cells.Net()};
  for (int32_t row = 0; row < cells.PointRowCount(); ++row) {
    tables.points.push_back(cells.PointRow(row));
    tables.fullElevations.push_back(cells.FullElevation(row));
  }
  for (int32_t s = 0; s < cells.SectionRowCount(); ++s) tables.sections.push_back(cells.SectionRow(s));
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
