#include "Autosave.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QStandardPaths>

#include "RecoveryCopy.h"
#include "RecoveryQuestion.h"

namespace korvado {

Autosave::Autosave(AppState& state, int intervalSeconds, QObject* parent)
    : QObject(parent),
      state_(state),
      folder_(Folder()),
      id_(QStringLiteral("%1-%2").arg(QCoreApplication::applicationPid()).arg(QDateTime::currentMSecsSinceEpoch())) {
  QDir().mkpath(folder_);
  lock_ = std::make_unique<QLockFile>(LockPath(id_));
  lock_->setStaleLockTime(0);
  lock_->tryLock(0);
  connect(&timer_, &QTimer::timeout, this, &Autosave::Tick);
  if (intervalSeconds > 0) timer_.start(intervalSeconds * 1000);
}

Autosave::~Autosave() = default;

// Local, not roaming: on Windows the copies stay on this computer and do not travel with the user's profile.
QString Autosave::Folder() {
  return QDir(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation))
      .filePath(QStringLiteral("recovery"));
}

// A program killed before it wrote any copy leaves only its lock; taking the lock removes it.
void Autosave::RemoveStaleLocks() {
  const QDir folder(folder_);
  for (const QString& name : folder.entryList({QStringLiteral("*.lock")}, QDir::Files)) {
    const QString id = name.chopped(5);
    if (id == id_ || folder.exists(id + QStringLiteral(".info"))) continue;
    QLockFile lock(LockPath(id));
    lock.setStaleLockTime(0);
    lock.tryLock(0);
  }
}

QString Autosave::LockPath(const QString& id) const { return QDir(folder_).filePath(id + QStringLiteral(".lock")); }

void Autosave::Tick() {
  if (!state_.Changed) {
    Discard();
    return;
  }
  try {
    WriteRecoveryCopy(state_, folder_.toStdString(), id_.toStdString(), QCoreApplication::applicationPid());
    written_ = true;
  } catch (const std::exception& error) {
    emit Failed(
        QStringLiteral("Не удалось записать копию для восстановления: %1").arg(QString::fromUtf8(error.what())));
  }
}

void Autosave::Discard() {
  if (!written_) return;
  RemoveRecoveryCopy(folder_.toStdString(), id_.toStdString());
  written_ = false;
}

void Autosave::OfferRecovery(QWidget* parent, const std::function<void()>& restored) {
  RemoveStaleLocks();
  for (const RecoveryRecord& record : ListRecoveryCopies(folder_.toStdString())) {
    const QString id = QString::fromStdString(record.Id);
    if (id == id_) continue;
    // Taken only when its program has ended (Qt removes a lock whose process is gone).
    QLockFile owner(LockPath(id));
    owner.setStaleLockTime(0);
    if (!owner.tryLock(0)) continue;
    const RecoveryAnswer answer = AskRecovery(parent, record);
    if (answer == RecoveryAnswer::Later) continue;
    if (answer == RecoveryAnswer::Restore) RestoreRecoveryCopy(state_, folder_.toStdString(), record);
    RemoveRecoveryCopy(folder_.toStdString(), record.Id);
    if (answer != RecoveryAnswer::Restore) continue;
    restored();
    // The restored data are this program's unsaved changes now: copied at once under its own name.
    Tick();
    return;
  }
}

}  // namespace korvado
