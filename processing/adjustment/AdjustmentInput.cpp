#include "AdjustmentInput.h"

#include "BenchmarkReach.h"
#include "NonFiniteValues.h"
#include "NumberText.h"
#include "SectionCaption.h"

namespace korvado {

namespace {

std::string SectionRefusal(const TKorNet& net, int32_t s, const PointIndex& index) {
  const double setups = net.SectionSetups.GetItem(s);
  if (!(setups > 0.0))
    return "Звено " + SectionCaption(net, s) + ": число штативов " + FormatGeneral(setups) +
           ", а должно быть больше нуля. Исправьте звено и повторите уравнивание.";
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
  if (Outcome notFinite = RefuseNonFiniteNet(net); notFinite.Refused()) return notFinite;
  for (int32_t s = 0; s < net.SectionCount(); ++s)
    if (std::string refusal = SectionRefusal(net, s, index); !refusal.empty()) return Outcome::Refusal(refusal);
  if (std::string refusal = NoBenchmarkRefusal(net, index); !refusal.empty()) return Outcome::Refusal(refusal);
  return {};
}

}  // namespace korvado
