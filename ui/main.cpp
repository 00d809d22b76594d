#include "KorvadoApplication.h"
#include "MainForm.h"
#include "ScreenshotMode.h"

int main(int argc, char** argv) {
  korvado::KorvadoApplication app(argc, argv);
  korvado::ApplyLocaleSeparators();
  korvado::TMainForm form;
  form.Start(app.arguments());
  korvado::StartScreenshotIfAsked(form);
  return app.exec();
}
