#include "BackgroundTask.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLabel>
#include <QMainWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <algorithm>

#include "KorvadoApplication.h"
#include "ModelErrors.h"

namespace korvado {

namespace {

// Work shorter than this never shows the progress widgets.
constexpr int kPollMilliseconds = 150;
constexpr int kProgressSteps = 1000;

}  // namespace

struct BackgroundTask::Job {
  QString caption;
  std::atomic<bool> stop{false};
  std::atomic<int> done{0};  // in kProgressSteps
  std::function<void()> deliver;
};

BackgroundTask::BackgroundTask(QStatusBar* bar, QObject* parent) : QObject(parent) {
  // One worker: layouts and documents run one at a time, and a superseded
  // run finishes (unseen) before the next starts.
  pool_.setMaxThreadCount(1);
  caption_ = new QLabel(bar);
  bar_ = new QProgressBar(bar);
  bar_->setRange(0, kProgressSteps);
  bar_->setMaximumWidth(220);
  bar_->setTextVisible(false);
  cancel_ = new QPushButton(QStringLiteral("Отмена"), bar);
  for (QWidget* widget : std::initializer_list<QWidget*>{caption_, bar_, cancel_}) {
    bar->addPermanentWidget(widget);
    widget->hide();
  }
  connect(cancel_, &QPushButton::clicked, this, &BackgroundTask::Cancel);
  poll_.setInterval(kPollMilliseconds);
  connect(&poll_, &QTimer::timeout, this, &BackgroundTask::ShowProgress);
}

BackgroundTask& BackgroundTask::Of(QMainWindow& window) {
  if (auto* own = window.findChild<BackgroundTask*>(QString(), Qt::FindDirectChildrenOnly)) return *own;
  return *new BackgroundTask(window.statusBar(), &window);
}

BackgroundTask::~BackgroundTask() {
  if (running_) running_->stop = true;
  pool_.waitForDone();
}

void BackgroundTask::Start(const QString& caption, std::function<void(const TaskProgress&)> work,
                           std::function<void()> done) {
  if (running_) running_->stop = true;
  auto run = std::make_shared<Job>();
  run->caption = caption;
  run->deliver = std::move(done);
  const bool wasBusy = Busy();
  running_ = run;
  poll_.start();
  if (!wasBusy) emit busyChanged(true);
  pool_.start([this, run, work = std::move(work)] {
    const TaskProgress progress(&run->stop, [run](double share) {
      run->done = static_cast<int>(std::clamp(share, 0.0, 1.0) * kProgressSteps);
    });
    std::optional<std::string> failure;
    bool cancelled = false;
    try {
      work(progress);
    } catch (const TaskCancelled&) {
      cancelled = true;
    } catch (const std::exception& error) {
      failure = error.what();
    }
    // Queued to the window's thread; dropped by Qt if this object is gone.
    QMetaObject::invokeMethod(
        this, [this, run, failure, cancelled] { Finish(run, failure, cancelled); }, Qt::QueuedConnection);
  });
}

void BackgroundTask::Finish(const std::shared_ptr<Job>& run, const std::optional<std::string>& failure,
                            bool cancelled) {
  if (run != running_) return;  // superseded: a newer run is on its way
  running_.reset();
  poll_.stop();
  for (QWidget* widget : std::initializer_list<QWidget*>{caption_, bar_, cancel_}) widget->hide();
  emit busyChanged(false);
  if (cancelled || run->stop) return;
  if (failure) {
    ShowUnhandledError(KorvadoError(*failure));
    return;
  }
  try {
    run->deliver();
  } catch (const std::exception& error) {
    ShowUnhandledError(error);
  }
}

void BackgroundTask::Cancel() {
  if (!running_) return;
  running_->stop = true;
  caption_->setText(running_->caption + QStringLiteral(": отмена..."));
  cancel_->setEnabled(false);
}

void BackgroundTask::ShowProgress() {
  if (!running_) return;
  if (caption_->isHidden()) {
    caption_->setText(running_->caption);
    cancel_->setEnabled(true);
    for (QWidget* widget : std::initializer_list<QWidget*>{caption_, bar_, cancel_}) widget->show();
  }
  // Work that cannot say how far it is (Graphviz) shows a moving bar.
  const int done = running_->done.load();
  bar_->setMaximum(done > 0 ? kProgressSteps : 0);
  bar_->setValue(done);
}

bool BackgroundTask::WaitIdle(int milliseconds) {
  const QDeadlineTimer deadline(milliseconds);
  while (Busy() && !deadline.hasExpired()) {
    pool_.waitForDone(10);
    QCoreApplication::processEvents();
  }
  return !Busy();
}

}  // namespace korvado
