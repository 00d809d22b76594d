#include "KorvadoApplication.h"
#include "MainForm.h"

int main(int argc, char** argv) {
  korvado::KorvadoApplication app(argc, argv);
  korvado::ApplyLocaleSeparators();
  korvado::TMainForm form;
  form.Start(app.arguments());
  return app.exec();
}
