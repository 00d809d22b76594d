#pragma once
// What long work below the windows is handed so that the window can follow
// and stop it without the core knowing any window: a flag that asks it to
// stop and a place to say how far it has got. A default one never stops and
// reports nowhere, for the command line and the tests.

#include <atomic>
#include <exception>
#include <functional>

namespace korvado {

// Ends work that was asked to stop; nothing it had built is kept.
class TaskCancelled : public std::exception {
 public:
  const char* what() const noexcept override { return "Операция отменена."; }
};

class TaskProgress {
 public:
  TaskProgress() = default;
  TaskProgress(const std::atomic<bool>* stop, std::function<void(double)> report)
      : stop_(stop), report_(std::move(report)) {}

  bool Cancelled() const { return stop_ && stop_->load(std::memory_order_relaxed); }
  // Reports the share done (0..1) and throws TaskCancelled when asked to stop.
  void Step(double done) const {
    if (Cancelled()) throw TaskCancelled();
    if (report_) report_(done);
  }

 private:
  const std::atomic<bool>* stop_ = nullptr;
  std::function<void(double)> report_;
};

}  // namespace korvado
