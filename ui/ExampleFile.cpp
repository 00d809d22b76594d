#include "ExampleFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace korvado {

QString ExampleDataFilePath() { return ExampleDataFilePath(QCoreApplication::applicationDirPath()); }

QString ExampleDataFilePath(const QString& programFolder) {
  const QDir folder(programFolder);
  const QString installed = QDir::cleanPath(folder.filePath(QStringLiteral(KORVADO_EXAMPLE_FROM_PROGRAM)));
  for (const QString& path : {folder.filePath(QStringLiteral("example.kor")), installed})
    if (QFileInfo(path).isFile()) return path;
  return installed;
}

}  // namespace korvado
