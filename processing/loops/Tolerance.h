#pragma once
// The allowed misclosure of a loop or line: f_доп = k·√n millimetres, n the
// number of setups, k set by the class of the levelling.

#include <optional>
#include <string>

namespace korvado {

enum class ToleranceClass { Technical, FourthClass, Custom };

struct Tolerance {
  ToleranceClass levelClass = ToleranceClass::Technical;
  double customCoefficient = 10.0;  // k of «Свой допуск»

  double Coefficient() const;
  bool operator==(const Tolerance&) const = default;
};

// «Техническое», «IV класс», «Свой допуск».
std::string ToleranceClassName(ToleranceClass levelClass);
// k of the named classes: 10 and 5.
double ClassCoefficient(ToleranceClass levelClass);
// The name of the INI value and back; an unknown name gives nothing.
std::string ToleranceClassKey(ToleranceClass levelClass);
std::optional<ToleranceClass> ToleranceClassFromKey(const std::string& key);

double AllowedMisclosure(double coefficient, double setups);
// Within the tolerance: the misclosure as shown, in hundredths, is not above the allowed figure.
bool WithinTolerance(double misclosure, double allowed);
// The rule in words, shown wherever the allowed figure is: "f_доп = 10·√n мм, n — число штативов".
std::string ToleranceFormulaText(double coefficient);

}  // namespace korvado
