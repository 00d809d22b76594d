#pragma once

#include <QMainWindow>

#include "AppState.h"

namespace korvado {

class TMainForm : public QMainWindow {
  Q_OBJECT
 public:
  explicit TMainForm(QWidget* parent = nullptr);

 private:
  AppState state_;
};

}  // namespace korvado
