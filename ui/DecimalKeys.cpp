#include "DecimalKeys.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLocale>
#include <QWidget>

namespace korvado {

void DecimalKeys::Install(QWidget* field) { field->installEventFilter(new DecimalKeys(field)); }

bool DecimalKeys::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  const QString separator = static_cast<QWidget*>(watched)->locale().decimalPoint();
  if ((key->text() != QStringLiteral(".") && key->text() != QStringLiteral(",")) || key->text() == separator)
    return false;
  QKeyEvent replaced(QEvent::KeyPress, key->key(), key->modifiers(), separator);
  QCoreApplication::sendEvent(watched, &replaced);
  return true;
}

}  // namespace korvado
