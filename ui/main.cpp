#include "KorvadoApplication.h"
#include "MainForm.h"
#include "SettingsLocation.h"

int main(int argc, char** argv) {
  korvado::KorvadoApplication app(argc, argv);
  korvado::ApplyLocaleSeparators();
  korvado::TMainForm form(QString::fromStdString(korvado::LocateSettingsFile()));
  form.Start(app.arguments());
  return app.exec();
}
