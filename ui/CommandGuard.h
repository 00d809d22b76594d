#pragma once
// Every command runs inside a guard: an error it ends with is shown in the
// application's error box and the program goes on. Errors must not unwind
// through Qt's own code, so each handler is guarded where Qt calls it.

#include <QObject>
#include <exception>

#include "KorvadoApplication.h"

namespace korvado {

template <class Command>
void RunGuarded(Command&& command) {
  try {
    command();
  } catch (const std::exception& error) {
    ShowUnhandledError(error);
  }
}

// Connects a signal to a handler without arguments, inside the guard.
template <class Sender, class Signal, class Receiver>
QMetaObject::Connection ConnectCommand(Sender* sender, Signal signal, Receiver* receiver, void (Receiver::*handler)()) {
  return QObject::connect(sender, signal, receiver,
                          [receiver, handler] { RunGuarded([&] { (receiver->*handler)(); }); });
}

}  // namespace korvado
