#pragma once
// The INI settings file Korvado.ini: integers, and booleans stored as 1 and 0.
// A missing file, section or key, or a value that is not an integer, reads as
// the default. Every write goes to the file at once.

#include <QSettings>
#include <QString>

namespace korvado {

class SettingsFile {
 public:
  explicit SettingsFile(const QString& path);

  const QString& Path() const { return path_; }

  int ReadInteger(const QString& section, const QString& key, int defaultValue) const;
  // A stored value outside low..high is taken as the nearest of the two: a
  // hand-edited file must not make a window that cannot be painted.
  int ReadBounded(const QString& section, const QString& key, int defaultValue, int low, int high) const;
  bool ReadBool(const QString& section, const QString& key, bool defaultValue) const;
  QString ReadString(const QString& section, const QString& key) const;
  // A positive finite number written with "." or ","; anything else reads as the default.
  double ReadPositiveDouble(const QString& section, const QString& key, double defaultValue) const;

  // Raise FileIOError naming the path when the file cannot be written.
  void WriteInteger(const QString& section, const QString& key, int value);
  void WriteBool(const QString& section, const QString& key, bool value);
  void WriteString(const QString& section, const QString& key, const QString& value);
  // Written with "." whatever the locale.
  void WriteDouble(const QString& section, const QString& key, double value);

 private:
  void Write(const QString& section, const QString& key, const QVariant& value);

  QString path_;
  QSettings settings_;
};

}  // namespace korvado
