#include <QApplication>

#include "MainForm.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  korvado::TMainForm form;
  form.show();
  return app.exec();
}
