#include "ExampleFile.h"

#include <QCoreApplication>
#include <QDir>

namespace korvado {

QString ExampleDataFilePath() {
#ifdef Q_OS_WIN
  // The Windows package keeps everything in the program's own folder.
  return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("example.kor"));
#else
  // bin/korvado and share/korvado/example.kor under one prefix, installed or built.
  return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../share/korvado/example.kor"));
#endif
}

}  // namespace korvado
