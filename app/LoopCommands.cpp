#include "LoopCommands.h"

#include <cmath>

#include "ControlChars.h"
#include "NumberText.h"
#include "UnsoundValues.h"

namespace korvado {

namespace {

std::string JoinPoints(const std::vector<std::string>& points) {
  std::string text;
  for (const std::string& point : points) text += (text.empty() ? "" : " – ") + point;
  return text;
}

LoopRow MakeRow(size_t number, const Closure& closure, double allowed, bool passed) {
  LoopRow row;
  row.number = std::to_string(number);
  row.kind = closure.kind == ClosureKind::Loop ? "полигон" : "линия";
  row.points = JoinPoints(closure.points);
  row.setups = FormatGeneral(closure.setups);
  row.misclosure = FormatFixed(2, closure.misclosure);
  row.allowed = FormatFixed(2, allowed);
  row.ratio = allowed > 0 ? FormatFixed(2, std::fabs(closure.misclosure) / allowed) : "—";
  row.verdict = passed ? "в допуске" : "превышает допуск";
  row.passed = passed;
  for (const SectionStep& step : closure.sections) row.sections.push_back(step.index);
  return row;
}

}  // namespace

std::vector<std::string> LoopColumnTitles() {
  return {"№", "Вид", "Точки", "n", "f, мм", "f_доп, мм", "|f|/f_доп", "Оценка"};
}

LoopsView CurrentNetLoops(const AppState& state) {
  LoopsView view;
  if (!state.HasCurrentNet()) {
    view.refusal = "Сеть не выбрана. Выберите сеть в списке сетей.";
    return view;
  }
  return NetLoops(state.Nets.NetAt(state.CurrentNetIndex), state.CurrentNetIndex, state.LoopTolerance);
}

LoopsView NetLoops(const TKorNet& net, int32_t index, const Tolerance& tolerance) {
  LoopsView view;
  if (net.SectionCount() == 0) {
    view.refusal = "В сети нет звеньев: полигонов и линий нет.";
    return view;
  }
  if (const Outcome unsound = RefuseUnsoundNet(net); unsound.Refused()) {
    view.refusal = unsound.RefusalText();
    return view;
  }
  view.net = index;
  view.coefficient = tolerance.Coefficient();
  view.className = ToleranceClassName(tolerance.levelClass);
  view.formula = ToleranceFormulaText(view.coefficient);
  LoopsAndLines found = FindLoopsAndLines(net);
  view.warnings = std::move(found.warnings);
  view.closures = std::move(found.closures);
  for (const Closure& closure : view.closures) {
    const double allowed = AllowedMisclosure(view.coefficient, closure.setups);
    const bool passed = WithinTolerance(closure.misclosure, allowed);
    view.passed.push_back(passed);
    if (!passed) ++view.failedCount;
    view.rows.push_back(MakeRow(view.rows.size() + 1, closure, allowed, passed));
  }
  return view;
}

std::string LoopsText(const LoopsView& view) {
  std::string text = "Допуск: " + view.formula + "\n";
  auto line = [&text](const std::vector<std::string>& cells) {
    for (size_t c = 0; c < cells.size(); ++c) text += (c ? "\t" : "") + WithoutControlChars(cells[c]);
    text += "\n";
  };
  line(LoopColumnTitles());
  for (const LoopRow& r : view.rows)
    line({r.number, r.kind, r.points, r.setups, r.misclosure, r.allowed, r.ratio, r.verdict});
  return text;
}

std::string FailingLoopsWarning(const AppState& state) {
  const LoopsView view = CurrentNetLoops(state);
  if (!view.refusal.empty() || view.failedCount == 0) return {};
  return "Внимание: невязки " + std::to_string(view.failedCount) + " из " + std::to_string(view.rows.size()) +
         " полигонов и линий превышают допуск (" + view.formula + "); см. «Невязки».";
}

}  // namespace korvado
