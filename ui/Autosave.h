#pragma once
// Writes a recovery copy of the unsaved data every few seconds, removes it
// once the data are saved or closed, and at start offers the copies that a
// program which has ended left behind. Each running program locks its own
// copy; another program takes a copy only after taking its lock, which
// succeeds only once the owner is gone, so two programs never take each
// other's copies.

#include <QLockFile>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>

#include "AppState.h"

namespace korvado {

class Autosave : public QObject {
  Q_OBJECT
 public:
  // intervalSeconds 0 writes no copies (the start still offers old ones).
  Autosave(AppState& state, int intervalSeconds, QObject* parent = nullptr);
  ~Autosave() override;

  // The user's data folder for recovery copies.
  static QString Folder();

  // Writes the copy now while there are unsaved changes, removes it otherwise.
  void Tick();
  // Removes this program's copy: the data are saved, new or closed, or the program ends cleanly.
  void Discard();
  // Asks about each copy of an ended program; restored() runs after one was opened into the state.
  void OfferRecovery(QWidget* parent, const std::function<void()>& restored);

  const QString& Id() const { return id_; }

 signals:
  // A write that failed: shown in the status bar, never as a box every minute.
  void Failed(const QString& text);

 private:
  QString LockPath(const QString& id) const;
  void RemoveStaleLocks();

  AppState& state_;
  QString folder_;
  QString id_;
  std::unique_ptr<QLockFile> lock_;
  QTimer timer_;
  bool written_ = false;
};

}  // namespace korvado
