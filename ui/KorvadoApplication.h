#pragma once
// The application object: Russian standard buttons, the locale's number
// separators, the message boxes of the core, and the one handler that shows
// any error a command ends with.

#include <QApplication>
#include <QLocale>
#include <QString>
#include <exception>

namespace korvado {

QString ApplicationTitle();

class KorvadoApplication : public QApplication {
 public:
  KorvadoApplication(int& argc, char** argv);
  ~KorvadoApplication() override;

  // A command's error that escaped its handler is shown here; the program goes on.
  bool notify(QObject* receiver, QEvent* event) override;
};

// The error box of the application's handler: the error's text, the application title as caption.
void ShowUnhandledError(const std::exception& error);

// Qt's own Russian texts for the standard buttons ("&Да", "&Нет", "Отмена").
void InstallRussianTranslation(QCoreApplication& app);

// Qt's own per-user settings files (the file dialog's history) are never written.
void KeepQtSettingsUnwritten();

// The decimal and thousands separators of the user's locale, handed to the number text once.
void ApplyLocaleSeparators(const QLocale& locale = QLocale::system());

}  // namespace korvado
