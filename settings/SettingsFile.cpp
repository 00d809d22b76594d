#include "SettingsFile.h"

#include <algorithm>
#include <cmath>

#include "ModelErrors.h"

namespace korvado {

namespace {

QString FullKey(const QString& section, const QString& key) { return section + QLatin1Char('/') + key; }

}  // namespace

SettingsFile::SettingsFile(const QString& path) : path_(path), settings_(path, QSettings::IniFormat) {}

int SettingsFile::ReadInteger(const QString& section, const QString& key, int defaultValue) const {
  bool ok = false;
  const int value = settings_.value(FullKey(section, key)).toString().trimmed().toInt(&ok);
  return ok ? value : defaultValue;
}

int SettingsFile::ReadBounded(const QString& section, const QString& key, int defaultValue, int low, int high) const {
  return std::clamp(ReadInteger(section, key, defaultValue), low, std::max(low, high));
}

bool SettingsFile::ReadBool(const QString& section, const QString& key, bool defaultValue) const {
  return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

QString SettingsFile::ReadString(const QString& section, const QString& key) const {
  return settings_.value(FullKey(section, key)).toString();
}

void SettingsFile::WriteInteger(const QString& section, const QString& key, int value) { Write(section, key, value); }

void SettingsFile::WriteString(const QString& section, const QString& key, const QString& value) {
  Write(section, key, value);
}

double SettingsFile::ReadPositiveDouble(const QString& section, const QString& key, double defaultValue) const {
  bool ok = false;
  const double value = ReadString(section, key).trimmed().replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
  return ok && value > 0.0 && std::isfinite(value) ? value : defaultValue;
}

void SettingsFile::WriteDouble(const QString& section, const QString& key, double value) {
  WriteString(section, key, QString::number(value, 'g', 15));
}

void SettingsFile::Write(const QString& section, const QString& key, const QVariant& value) {
  settings_.setValue(FullKey(section, key), value);
  settings_.sync();
  // A line QSettings could not parse on reading also sets a status (FormatError),
  // yet the file is written; only a refused write is a failure.
  if (settings_.status() == QSettings::AccessError)
    throw FileIOError("Не удалось записать файл настроек «" + path_.toStdString() + "»");
}

void SettingsFile::WriteBool(const QString& section, const QString& key, bool value) {
  // QSettings would write true/false; the file keeps 1 and 0.
  WriteInteger(section, key, value ? 1 : 0);
}

}  // namespace korvado
