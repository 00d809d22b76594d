#include "BundledFonts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFontDatabase>

namespace korvado {

void RegisterBundledFonts() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  const QDir folder(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("fonts")));
  for (const QString& name : folder.entryList({QStringLiteral("*.ttf")}, QDir::Files))
    QFontDatabase::addApplicationFont(folder.filePath(name));
}

}  // namespace korvado
