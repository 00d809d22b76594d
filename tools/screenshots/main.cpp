// korvado-screenshots VIEW FILE: one window of the program over a small
// example job, pictured into FILE for the user's guide (scripts/screenshots.sh).
// A developer's tool beside the program, so that the shipped program has no
// hidden mode.

#include <QDir>
#include <cstdio>

#include "KorvadoApplication.h"
#include "MainForm.h"
#include "ScreenshotMode.h"

int main(int argc, char** argv) {
  korvado::KorvadoApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: korvado-screenshots VIEW FILE\n");
    return 2;
  }
  korvado::ApplyLocaleSeparators();
  // The pictures start from the settings of the folder they are taken in, not the user's.
  korvado::TMainForm form(QDir::current().filePath(QStringLiteral("Korvado.ini")));
  form.Start({app.arguments().constFirst()});
  korvado::StartScreenshot(form, app.arguments().at(1), app.arguments().at(2));
  return app.exec();
}
