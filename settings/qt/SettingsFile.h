#pragma once
// Korvado.ini as the windows keep it, through QSettings: read and written
// under [section] key, every write going to the file at once. What a value
// means (integers, booleans as 1 and 0, numbers with "." or ",") is
// SettingsValues', shared with korvado-cli.

#include <QSettings>
#include <QString>

#include "SettingsValues.h"

namespace korvado {

class SettingsFile : public SettingsReader, public SettingsWriter {
 public:
  explicit SettingsFile(const QString& path);

  const QString& Path() const { return path_; }

  std::optional<std::string> Text(const std::string& section, const std::string& key) const override;
  void WriteText(const std::string& section, const std::string& key, const std::string& value) override;

  int ReadInteger(const QString& section, const QString& key, int defaultValue) const;
  // A stored value outside low..high is taken as the nearest of the two: a
  // hand-edited file must not make a window that cannot be painted.
  int ReadBounded(const QString& section, const QString& key, int defaultValue, int low, int high) const;
  bool ReadBool(const QString& section, const QString& key, bool defaultValue) const;
  QString ReadString(const QString& section, const QString& key) const;
  double ReadPositiveDouble(const QString& section, const QString& key, double defaultValue) const;

  // Raise FileIOError naming the path when the file cannot be written.
  void WriteInteger(const QString& section, const QString& key, int value);
  void WriteBool(const QString& section, const QString& key, bool value);
  void WriteString(const QString& section, const QString& key, const QString& value);
  void WriteDouble(const QString& section, const QString& key, double value);

 private:
  QString path_;
  QSettings settings_;
};

}  // namespace korvado
