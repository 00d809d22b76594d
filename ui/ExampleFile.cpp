#include "ExampleFile.h"

#include <QCoreApplication>
#include <QDir>

namespace korvado {

QString ExampleDataFilePath() {
  // bin/korvado and share/korvado/example.kor under one prefix, installed or built.
  return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../share/korvado/example.kor"));
}

}  // namespace korvado
