#pragma once
// The file dialogs of the main window. The dialog's own history is not kept
// (see KeepQtSettingsUnwritten); the folder last used is remembered in
// Korvado.ini instead, shared by opening, saving, import and export.

#include <QFileDialog>
#include <QString>

namespace korvado {

class SettingsFile;

// The chosen path, or empty when the user cancelled. defaultSuffix is added
// to a name typed without one.
QString AskFilePath(QWidget* parent, SettingsFile& ini, const QString& title, const QString& filter,
                    QFileDialog::AcceptMode mode, const QString& defaultSuffix = {});

}  // namespace korvado
