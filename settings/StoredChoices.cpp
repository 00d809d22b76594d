#include "StoredChoices.h"

#include "ValueRanges.h"

namespace korvado {

namespace {

const QString kAdjustment = QStringLiteral("Adjustment");
const QString kTolerance = QStringLiteral("Tolerance");

}  // namespace

double ReadSigmaPerSetup(const SettingsFile& ini) {
  // A value no survey has (1e-320 from a hand-edited file) gives way to the default.
  const double sigma = ini.ReadPositiveDouble(kAdjustment, QStringLiteral("SigmaPerSetup"), 0.5);
  return IsSaneValue(ValueKind::SigmaPerSetup, sigma) ? sigma : 0.5;
}

void WriteSigmaPerSetup(SettingsFile& ini, double sigma) {
  ini.WriteDouble(kAdjustment, QStringLiteral("SigmaPerSetup"), sigma);
}

Tolerance ReadTolerance(const SettingsFile& ini) {
  const std::optional<ToleranceClass> levelClass =
      ToleranceClassFromKey(ini.ReadString(kTolerance, QStringLiteral("Class")).toStdString());
  return {levelClass.value_or(ToleranceClass::Technical),
          ini.ReadPositiveDouble(kTolerance, QStringLiteral("Coefficient"), 10.0)};
}

void WriteTolerance(SettingsFile& ini, const Tolerance& tolerance) {
  ini.WriteString(kTolerance, QStringLiteral("Class"), QString::fromStdString(ToleranceClassKey(tolerance.levelClass)));
  ini.WriteDouble(kTolerance, QStringLiteral("Coefficient"), tolerance.customCoefficient);
}

bool ReadBackupChoice(const SettingsFile& ini) {
  return ini.ReadBool(QStringLiteral("Save"), QStringLiteral("Backup"), true);
}

}  // namespace korvado
