#include "Tolerance.h"

#include <cmath>

#include "NumberText.h"

namespace korvado {

double Tolerance::Coefficient() const {
  return levelClass == ToleranceClass::Custom ? customCoefficient : ClassCoefficient(levelClass);
}

std::string ToleranceClassName(ToleranceClass levelClass) {
  switch (levelClass) {
    case ToleranceClass::Technical:
      return "Техническое";
    case ToleranceClass::FourthClass:
      return "IV класс";
    case ToleranceClass::Custom:
      break;
  }
  return "Свой допуск";
}

double ClassCoefficient(ToleranceClass levelClass) { return levelClass == ToleranceClass::FourthClass ? 5.0 : 10.0; }

std::string ToleranceClassKey(ToleranceClass levelClass) {
  switch (levelClass) {
    case ToleranceClass::Technical:
      return "tech";
    case ToleranceClass::FourthClass:
      return "iv";
    case ToleranceClass::Custom:
      break;
  }
  return "custom";
}

std::optional<ToleranceClass> ToleranceClassFromKey(const std::string& key) {
  for (const ToleranceClass c : {ToleranceClass::Technical, ToleranceClass::FourthClass, ToleranceClass::Custom})
    if (key == ToleranceClassKey(c)) return c;
  return std::nullopt;
}

double AllowedMisclosure(double coefficient, double setups) { return coefficient * std::sqrt(std::max(setups, 0.0)); }

// Height differences are kept in hundredths; the sum's last bits of binary
// noise must not turn a misclosure equal to the limit into a failure.
bool WithinTolerance(double misclosure, double allowed) {
  return RoundHalfEven(2, std::fabs(misclosure)) <= allowed + 1e-9;
}

std::string ToleranceFormulaText(double coefficient) {
  return "f_доп = " + FormatGeneral(coefficient) + "·√n мм, n — число штативов";
}

}  // namespace korvado
