#pragma once
// Qt's PDF writer needs a QGuiApplication for its fonts. The command line has
// no window, so it gets one on the offscreen platform: no display needed.

#include <memory>

class QGuiApplication;

namespace korvado {

class OffscreenGui {
 public:
  // Creates the application only when the process has none yet.
  OffscreenGui();
  ~OffscreenGui();
  OffscreenGui(const OffscreenGui&) = delete;
  OffscreenGui& operator=(const OffscreenGui&) = delete;

 private:
  std::unique_ptr<QGuiApplication> application_;
};

}  // namespace korvado
