#include "AdjustmentInput.h"

#include "BenchmarkReach.h"
#include "SectionCaption.h"
#include "UnsoundValues.h"

namespace korvado {

namespace {

std::string SectionRefusal(const TKorNet& net, int32_t s, const PointIndex& index) {
  for (const std::string& end : {net.SectionStarts[s], net.SectionEnds[s]})
    if (FindInIndex(index, end) < 0)
      return "Точки «" + end + "» звена " + SectionCaption(net, s) +
             " нет в списке точек сети. Выполните «Создание нулевых отметок» и повторите уравнивание.";
  return {};
}

}  // namespace

Outcome AdjustmentInputRefusal(const TKorNet& net, const PointIndex& index) {
  if (net.SectionCount() == 0)
    return Outcome::Refusal("В сети «" + net.Name + "» нет ни одного звена: уравнивать нечего.");
  if (Outcome unsound = RefuseUnsoundNet(net); unsound.Refused()) return unsound;
  for (int32_t s = 0; s < net.SectionCount(); ++s)
    if (std::string refusal = SectionRefusal(net, s, index); !refusal.empty()) return Outcome::Refusal(refusal);
  if (std::string refusal = NoBenchmarkRefusal(net, index); !refusal.empty()) return Outcome::Refusal(refusal);
  return {};
}

}  // namespace korvado
