#include "StoredChoices.h"

#include "ValueRanges.h"

namespace korvado {

namespace {

const std::string kAdjustment = "Adjustment";
const std::string kTolerance = "Tolerance";

}  // namespace

double ReadSigmaPerSetup(const SettingsReader& ini) {
  // A value no survey has (1e-320 from a hand-edited file) gives way to the default.
  const double sigma = ReadPositiveSetting(ini, kAdjustment, "SigmaPerSetup", 0.5);
  return IsSaneValue(ValueKind::SigmaPerSetup, sigma) ? sigma : 0.5;
}

void WriteSigmaPerSetup(SettingsWriter& ini, double sigma) {
  WriteSettingDouble(ini, kAdjustment, "SigmaPerSetup", sigma);
}

Tolerance ReadTolerance(const SettingsReader& ini) {
  const std::optional<ToleranceClass> levelClass = ToleranceClassFromKey(ini.Text(kTolerance, "Class").value_or(""));
  return {levelClass.value_or(ToleranceClass::Technical), ReadPositiveSetting(ini, kTolerance, "Coefficient", 10.0)};
}

void WriteTolerance(SettingsWriter& ini, const Tolerance& tolerance) {
  ini.WriteText(kTolerance, "Class", ToleranceClassKey(tolerance.levelClass));
  WriteSettingDouble(ini, kTolerance, "Coefficient", tolerance.customCoefficient);
}

bool ReadBackupChoice(const SettingsReader& ini) { return ReadSettingBool(ini, "Save", "Backup", true); }

}  // namespace korvado
