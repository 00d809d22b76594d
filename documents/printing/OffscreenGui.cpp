#include "OffscreenGui.h"

#include <QGuiApplication>
#include <cstdio>

#include "BundledFonts.h"

namespace korvado {

namespace {

int argumentCount = 1;
char programName[] = "korvado-cli";
char* arguments[] = {programName, nullptr};

}  // namespace

OffscreenGui::OffscreenGui() {
  if (QCoreApplication::instance()) return;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  // Qt's notes about the desktop session (no runtime folder and the like) mean
  // nothing to a command that only writes a file.
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg) fprintf(stderr, "%s\n", qPrintable(text));
  });
  application_ = std::make_unique<QGuiApplication>(argumentCount, arguments);
  RegisterBundledFonts();
}

OffscreenGui::~OffscreenGui() = default;

}  // namespace korvado
