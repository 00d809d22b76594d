#include "ShowOutcome.h"

#include <QApplication>
#include <QMessageBox>

#include "KorvadoApplication.h"

namespace korvado {

namespace {

QWidget* BoxParent() {
  return QApplication::activeModalWidget() ? QApplication::activeModalWidget() : QApplication::activeWindow();
}

}  // namespace

bool ShowOutcome(const Outcome& outcome) {
  for (const Notice& notice : outcome.Notices()) {
    const QString text = QString::fromStdString(notice.text);
    if (notice.kind == Notice::Kind::Refusal) {
      QMessageBox::critical(BoxParent(), ApplicationTitle(), text, QMessageBox::Ok);
    } else {
      const QString title = notice.title.empty() ? ApplicationTitle() : QString::fromStdString(notice.title);
      QMessageBox::warning(BoxParent(), title, text, QMessageBox::Ok);
    }
  }
  return outcome.Ok();
}

}  // namespace korvado
