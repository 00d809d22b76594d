#pragma once
// Long work off the window's thread. The work runs on a worker thread with
// a TaskProgress; the status bar shows its caption, a progress bar and
// «Отмена» once it has run a moment; the result comes back on the window's
// thread. Starting new work supersedes the running one, whose result is then
// dropped, as is any result after «Отмена».
//
// The rule for callers: hand the work copies (or an immutable snapshot) of
// what it reads, never the live AppState, and check in `done` that the data
// it was computed from is still what the window shows; drop it otherwise.

#include <QObject>
#include <QString>
#include <QThreadPool>
#include <QTimer>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "TaskProgress.h"

class QLabel;
class QMainWindow;
class QProgressBar;
class QPushButton;
class QStatusBar;

namespace korvado {

class BackgroundTask : public QObject {
  Q_OBJECT
 public:
  // Shows itself in `bar`; the widgets stay hidden while nothing runs.
  explicit BackgroundTask(QStatusBar* bar, QObject* parent = nullptr);
  // Asks running work to stop and waits for it: nothing outlives the window.
  ~BackgroundTask() override;

  // The main window's own, shown in its status bar; made on first use.
  static BackgroundTask& Of(QMainWindow& window);

  template <class T>
  void Run(const QString& caption, std::function<T(const TaskProgress&)> work, std::function<void(T&&)> done) {
    auto result = std::make_shared<std::optional<T>>();
    Start(
        caption, [work = std::move(work), result](const TaskProgress& progress) { result->emplace(work(progress)); },
        [done = std::move(done), result] { done(std::move(**result)); });
  }

  bool Busy() const { return running_ != nullptr; }
  // Stops the running work; its result is dropped.
  void Cancel();
  // Waits until nothing runs and every finished result has been handed over.
  bool WaitIdle(int milliseconds);

 signals:
  void busyChanged(bool busy);

 private:
  struct Job;
  void Start(const QString& caption, std::function<void(const TaskProgress&)> work, std::function<void()> done);
  void Finish(const std::shared_ptr<Job>& run, const std::optional<std::string>& failure, bool cancelled);
  void ShowProgress();

  QThreadPool pool_;
  std::shared_ptr<Job> running_;
  QTimer poll_;
  QLabel* caption_;
  QProgressBar* bar_;
  QPushButton* cancel_;
};

}  // namespace korvado
