#pragma once
// Every menu and tool-bar action of the windows is made the same way.

#include <QAction>
#include <QKeySequence>

namespace korvado {

// An action with a UTF-8 caption (an '&' marks its accelerator) and an optional shortcut.
inline QAction* MakeAction(QObject* owner, const char* caption, const QKeySequence& shortcut = {}) {
  auto* action = new QAction(QString::fromUtf8(caption), owner);
  if (!shortcut.isEmpty()) action->setShortcut(shortcut);
  return action;
}

}  // namespace korvado
