#include "KorvadoApplication.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTranslator>
#include <clocale>
#include <memory>

#include "MessageService.h"
#include "NumberText.h"
#include "QtMessageService.h"

namespace korvado {

QString ApplicationTitle() { return QStringLiteral("Korvado 1.02"); }

namespace {
QtMessageService messageService;
}

KorvadoApplication::KorvadoApplication(int& argc, char** argv) : QApplication(argc, argv) {
  // Qt sets the C library to the user's locale. The program's number text
  // takes the user's separators from QLocale alone, so keep the C library
  // neutral for anything else that formats numbers.
  std::setlocale(LC_NUMERIC, "C");
  // The windows are laid out for an 8-point dialog font.
  QFont dialogFont = font();
  dialogFont.setPointSize(8);
  setFont(dialogFont);
  InstallRussianTranslation(*this);
  SetMessageService(&messageService);
}

KorvadoApplication::~KorvadoApplication() {
  if (CurrentMessageService() == &messageService) SetMessageService(nullptr);
}

bool KorvadoApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    ShowUnhandledError(error);
    return true;
  }
}

void ShowUnhandledError(const std::exception& error) {
  QWidget* parent = QApplication::activeModalWidget() ? QApplication::activeModalWidget()
                                                       : QApplication::activeWindow();
  QMessageBox::critical(parent, ApplicationTitle(), QString::fromStdString(error.what()), QMessageBox::Ok);
}

void InstallRussianTranslation(QCoreApplication& app) {
  auto translator = std::make_unique<QTranslator>(&app);
  if (translator->load(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    app.installTranslator(translator.release());
}

void ApplyLocaleSeparators() {
  const QLocale locale = QLocale::system();
  const QString decimal = locale.decimalPoint();
  // The number text knows "." and ","; any other mark falls back to ".".
  const char separator = decimal == QStringLiteral(",") ? ',' : '.';
  QString group = locale.groupSeparator();
  if (group == decimal) group.clear();
  SetNumberSeparators(separator, group.toStdString());
}

}  // namespace korvado
