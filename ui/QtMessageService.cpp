#include "QtMessageService.h"

#include <QApplication>
#include <QMessageBox>

#include "KorvadoApplication.h"

namespace korvado {

namespace {

QWidget* BoxParent() {
  return QApplication::activeModalWidget() ? QApplication::activeModalWidget() : QApplication::activeWindow();
}

}  // namespace

void QtMessageService::ShowError(const std::string& text) {
  QMessageBox::critical(BoxParent(), ApplicationTitle(), QString::fromStdString(text), QMessageBox::Ok);
}

void QtMessageService::ShowWarning(const std::string& text, const std::string& title) {
  const QString caption = title.empty() ? ApplicationTitle() : QString::fromStdString(title);
  QMessageBox::warning(BoxParent(), caption, QString::fromStdString(text), QMessageBox::Ok);
}

}  // namespace korvado
