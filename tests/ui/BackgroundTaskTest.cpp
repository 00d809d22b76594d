// Long work off the window's thread: results come back on the window's
// thread, «Отмена» and newer work drop older results, and the status bar
// shows the progress of work that takes a while.

#include <gtest/gtest.h>

#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QThread>
#include <atomic>
#include <chrono>
#include <thread>

#include "BackgroundTask.h"
#include "UiTestSupport.h"

namespace korvado {
namespace {

// Work that reports progress until it is stopped or let go.
int WaitingWork(const TaskProgress& progress, const std::atomic<bool>& letGo, int value) {
  for (int step = 0; !letGo; ++step) {
    progress.Step(std::min(1.0, step / 1000.0));
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  return value;
}

TEST(BackgroundTask, OnlyTheLatestUncancelledResultArrivesOnTheWindowThread) {
  EnsureApplication();
  QStatusBar bar;
  BackgroundTask tasks(&bar);
  std::vector<int> delivered;
  std::vector<bool> busy;
  QObject::connect(&tasks, &BackgroundTask::busyChanged, [&](bool now) { busy.push_back(now); });
  QThread* window = QThread::currentThread();
  bool onWindowThread = false;
  const auto keep = [&](int&& value) {
    delivered.push_back(value);
    onWindowThread = QThread::currentThread() == window;
  };
  std::atomic<bool> letGo{false};

  tasks.Run<int>(
      QStringLiteral("первая"), [&](const TaskProgress& p) { return WaitingWork(p, letGo, 1); }, keep);
  tasks.Run<int>(
      QStringLiteral("вторая"), [&](const TaskProgress& p) { return WaitingWork(p, letGo, 2); }, keep);
  EXPECT_TRUE(tasks.Busy());
  letGo = true;
  ASSERT_TRUE(tasks.WaitIdle(10000));
  EXPECT_EQ(delivered, std::vector<int>{2}) << "the first was superseded";
  EXPECT_TRUE(onWindowThread);
  EXPECT_EQ(busy, (std::vector<bool>{true, false}));

  letGo = false;
  tasks.Run<int>(
      QStringLiteral("третья"), [&](const TaskProgress& p) { return WaitingWork(p, letGo, 3); }, keep);
  tasks.Cancel();
  ASSERT_TRUE(tasks.WaitIdle(10000));
  EXPECT_EQ(delivered, std::vector<int>{2}) << "a cancelled result never arrives";
  EXPECT_FALSE(tasks.Busy());

  // Work that ends by itself after «Отмена» (it could not stop) is dropped too.
  tasks.Run<int>(
      QStringLiteral("четвёртая"), [](const TaskProgress&) { return 4; }, keep);
  tasks.Cancel();
  ASSERT_TRUE(tasks.WaitIdle(10000));
  EXPECT_EQ(delivered, std::vector<int>{2});
}

TEST(BackgroundTask, StatusBarShowsProgressOfLongWorkAndItsCancelButtonStopsIt) {
  EnsureApplication();
  QStatusBar bar;
  bar.show();
  BackgroundTask tasks(&bar);
  auto* progress = bar.findChild<QProgressBar*>();
  auto* cancel = bar.findChild<QPushButton*>();
  ASSERT_TRUE(progress && cancel);
  EXPECT_FALSE(progress->isVisible());
  bool delivered = false;
  std::atomic<bool> letGo{false};
  tasks.Run<int>(
      QStringLiteral("Построение"), [&](const TaskProgress& p) { return WaitingWork(p, letGo, 1); },
      [&](int&&) { delivered = true; });
  ASSERT_TRUE(QTest::qWaitFor([&] { return progress->isVisible() && progress->value() > 0; }, 5000));
  EXPECT_EQ(cancel->text(), QStringLiteral("Отмена"));
  EXPECT_TRUE(cancel->isVisible());
  cancel->click();
  ASSERT_TRUE(tasks.WaitIdle(10000));
  EXPECT_FALSE(delivered);
  EXPECT_FALSE(progress->isVisible());
  EXPECT_FALSE(cancel->isVisible());
}

}  // namespace
}  // namespace korvado
