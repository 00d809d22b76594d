#include "SettingsLocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace korvado {

namespace {

const QString kFileName = QStringLiteral("Korvado.ini");

// Named after the program, whichever executable asks (korvado, korvado-cli).
QString ConfigFolder() {
  QCoreApplication::setOrganizationName(QString());
  QCoreApplication::setApplicationName(QStringLiteral("Korvado"));
  return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
}

}  // namespace

QString LocateSettingsFile() {
  return LocateSettingsFile(QCoreApplication::applicationDirPath(), ConfigFolder(), QDir::currentPath());
}

QString LocateSettingsFile(const QString& programFolder, const QString& configFolder, const QString& workingFolder) {
  const QString portable = QDir(programFolder).filePath(kFileName);
  if (!programFolder.isEmpty() && QFileInfo(portable).isFile()) return portable;
  const QString stored = QDir(configFolder).filePath(kFileName);
  const QString old = QDir(workingFolder).filePath(kFileName);
  // A failed copy leaves the defaults; the first write says what went wrong.
  // Otherwise the folder is made by the first write.
  if (!QFileInfo::exists(stored) && QFileInfo(old).isFile() && QDir().mkpath(configFolder)) QFile::copy(old, stored);
  return stored;
}

}  // namespace korvado
