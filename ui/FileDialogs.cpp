#include "FileDialogs.h"

#include <QDir>
#include <QFileInfo>

#include "SettingsFile.h"

namespace korvado {

QString AskFilePath(QWidget* parent, SettingsFile& ini, const QString& title, const QString& filter,
                    QFileDialog::AcceptMode mode, const QString& defaultSuffix) {
  const QString section = QStringLiteral("FileDialog"), key = QStringLiteral("LastFolder");
  const QString lastFolder = ini.ReadString(section, key);
  const QString folder = !lastFolder.isEmpty() && QDir(lastFolder).exists() ? lastFolder : QDir::currentPath();
  QFileDialog dialog(parent, title, folder, filter);
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  if (!defaultSuffix.isEmpty()) dialog.setDefaultSuffix(defaultSuffix);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  const QString path = dialog.selectedFiles().constFirst();
  ini.WriteString(section, key, QFileInfo(path).absolutePath());
  return path;
}

}  // namespace korvado
