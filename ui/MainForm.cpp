#include "MainForm.h"

namespace korvado {

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent) { setWindowTitle("Korvado 1.02"); }

}  // namespace korvado
