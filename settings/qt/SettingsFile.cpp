#include "SettingsFile.h"

#include <algorithm>

#include "ModelErrors.h"

namespace korvado {

namespace {

QString FullKey(const std::string& section, const std::string& key) {
  return QString::fromStdString(section + '/' + key);
}

}  // namespace

SettingsFile::SettingsFile(const QString& path) : path_(path), settings_(path, QSettings::IniFormat) {}

std::optional<std::string> SettingsFile::Text(const std::string& section, const std::string& key) const {
  const QVariant value = settings_.value(FullKey(section, key));
  if (!value.isValid()) return std::nullopt;
  // QSettings splits a value at its commas ("0,5" from a hand-edited file): the
  // text is the file's, as korvado-cli reads it.
  if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(QLatin1Char(',')).toStdString();
  return value.toString().toStdString();
}

void SettingsFile::WriteText(const std::string& section, const std::string& key, const std::string& value) {
  settings_.setValue(FullKey(section, key), QString::fromStdString(value));
  settings_.sync();
  // A line QSettings could not parse on reading also sets a status (FormatError),
  // yet the file is written; only a refused write is a failure.
  if (settings_.status() == QSettings::AccessError)
    throw FileIOError("Не удалось записать файл настроек «" + path_.toStdString() + "»");
}

int SettingsFile::ReadInteger(const QString& section, const QString& key, int defaultValue) const {
  return ReadSettingInteger(*this, section.toStdString(), key.toStdString(), defaultValue);
}

int SettingsFile::ReadBounded(const QString& section, const QString& key, int defaultValue, int low, int high) const {
  return std::clamp(ReadInteger(section, key, defaultValue), low, std::max(low, high));
}

bool SettingsFile::ReadBool(const QString& section, const QString& key, bool defaultValue) const {
  return ReadSettingBool(*this, section.toStdString(), key.toStdString(), defaultValue);
}

QString SettingsFile::ReadString(const QString& section, const QString& key) const {
  return QString::fromStdString(Text(section.toStdString(), key.toStdString()).value_or(std::string()));
}

double SettingsFile::ReadPositiveDouble(const QString& section, const QString& key, double defaultValue) const {
  return ReadPositiveSetting(*this, section.toStdString(), key.toStdString(), defaultValue);
}

void SettingsFile::WriteInteger(const QString& section, const QString& key, int value) {
  WriteSettingInteger(*this, section.toStdString(), key.toStdString(), value);
}

void SettingsFile::WriteBool(const QString& section, const QString& key, bool value) {
  WriteSettingBool(*this, section.toStdString(), key.toStdString(), value);
}

void SettingsFile::WriteString(const QString& section, const QString& key, const QString& value) {
  WriteText(section.toStdString(), key.toStdString(), value.toStdString());
}

void SettingsFile::WriteDouble(const QString& section, const QString& key, double value) {
  WriteSettingDouble(*this, section.toStdString(), key.toStdString(), value);
}

}  // namespace korvado
