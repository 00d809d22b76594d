#pragma once
// The main() of a benchmark program that measures windows: one offscreen
// application for all its benchmarks, destroyed with the windows they made
// at the end of main(). A static QApplication would be destroyed after Qt's
// own globals, and the program would crash on its way out.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <functional>
#include <memory>
#include <vector>

namespace korvado::bench {

struct WindowBenchGui {
  std::unique_ptr<QApplication> application;
  // Run in reverse order before the application goes: windows kept between benchmarks.
  std::vector<std::function<void()>> teardown;
};

inline WindowBenchGui& Gui() {
  static WindowBenchGui gui;
  return gui;
}

inline QApplication& OffscreenApplication() {
  static int argc = 1;
  static char name[] = "korvado-bench";
  static char* argv[] = {name, nullptr};
  WindowBenchGui& gui = Gui();
  if (!gui.application) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    gui.application = std::make_unique<QApplication>(argc, argv);
  }
  return *gui.application;
}

inline int RunWindowBenchmarks(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  WindowBenchGui& gui = Gui();
  for (auto end = gui.teardown.rbegin(); end != gui.teardown.rend(); ++end) (*end)();
  gui.teardown.clear();
  gui.application.reset();
  return 0;
}

}  // namespace korvado::bench

#define KORVADO_WINDOW_BENCHMARK_MAIN() \
  int main(int argc, char** argv) { return korvado::bench::RunWindowBenchmarks(argc, argv); }
