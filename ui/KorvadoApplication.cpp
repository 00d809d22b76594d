#include "KorvadoApplication.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QSettings>
#include <QTranslator>
#include <clocale>
#include <memory>

#include "BundledFonts.h"
#include "NumberText.h"
#include "ProgramVersion.h"
#include "ShowOutcome.h"

namespace korvado {

QString ApplicationTitle() { return QString::fromUtf8(kProgramTitle); }

KorvadoApplication::KorvadoApplication(int& argc, char** argv) : QApplication(argc, argv) {
  // The user's folders are named after the program, whichever executable runs
  // (the recovery copies under AppLocalDataLocation/Korvado).
  setOrganizationName(QString());
  setApplicationName(QStringLiteral("Korvado"));
  // Qt sets the C library to the user's locale. The program's number text
  // takes the user's separators from QLocale alone, so keep the C library
  // neutral for anything else that formats numbers.
  std::setlocale(LC_NUMERIC, "C");
  // The windows are laid out for an 8-point dialog font.
  QFont dialogFont = font();
  dialogFont.setPointSize(8);
  setFont(dialogFont);
  InstallRussianTranslation(*this);
  RegisterBundledFonts();
  KeepQtSettingsUnwritten();
}

KorvadoApplication::~KorvadoApplication() = default;

bool KorvadoApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    ShowUnhandledError(error);
    return true;
  }
}

void ShowUnhandledError(const std::exception& error) {
  // The command ended here; what it says is shown as any refusal is.
  ShowOutcome(Outcome::Refusal(error.what()));
}

void KeepQtSettingsUnwritten() {
  // Qt's file dialog writes its history into a settings file of its own in the
  // user's config folder, and no switch turns that off. Korvado.ini is to be the
  // program's only settings file, so Qt's per-user settings are pointed at a
  // folder that cannot exist: they read as empty and their writes go nowhere.
  // Korvado.ini names its own path and is not affected. Windows would keep
  // such settings in the registry, so they are made INI files there too; and a
  // folder inside the program's own file exists on no system.
  QSettings::setDefaultFormat(QSettings::IniFormat);
  const QString nowhere = QCoreApplication::applicationFilePath() + QStringLiteral("/no-settings");
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, nowhere);
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, nowhere);
}

void InstallRussianTranslation(QCoreApplication& app) {
  auto translator = std::make_unique<QTranslator>(&app);
  if (translator->load(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    app.installTranslator(translator.release());
}

void ApplyLocaleSeparators(const QLocale& locale) {
  const QString decimal = locale.decimalPoint();
  // The number text knows "." and ","; any other mark falls back to ".".
  const char separator = decimal == QStringLiteral(",") ? ',' : '.';
  // The C locale groups no digits, though Qt names "," as its group mark.
  QString group = locale.numberOptions().testFlag(QLocale::OmitGroupSeparator) || locale.language() == QLocale::C
                      ? QString()
                      : locale.groupSeparator();
  if (group == decimal) group.clear();
  SetNumberSeparators(separator, group.toStdString());
}

}  // namespace korvado
