#include "KorvadoApplication.h"
#include "MainForm.h"
#include "ScreenshotMode.h"

int main(int argc, char** argv) {
  korvado::KorvadoApplication app(argc, argv);
  korvado::ApplyLocaleSeparators();
  korvado::TMainForm form;
  form.show();
  korvado::StartScreenshotIfAsked(form);
  return app.exec();
}
