#include "WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

namespace korvado {

QRect PlaceInside(QSize wanted, QSize minimum, const QRect& available) {
  const QSize size = wanted.expandedTo(minimum).boundedTo(available.size());
  QRect place(QPoint(0, 0), size);
  place.moveCenter(available.center());
  return place;
}

QRect AvailableScreenArea(const QWidget* window) {
  const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

namespace {

QSize MinimumOf(const QWidget* window) { return kMinWindowSize.expandedTo(window->minimumSizeHint()); }

}  // namespace

void RestoreWindowSize(QWidget* window, const SettingsFile& ini, const QString& section, QSize defaultSize) {
  const QRect available = AvailableScreenArea(window);
  const QSize wanted(
      ini.ReadBounded(section, QStringLiteral("WindowWidth"), defaultSize.width(), 0, available.width()),
      ini.ReadBounded(section, QStringLiteral("WindowHeight"), defaultSize.height(), 0, available.height()));
  // Qt keeps a window no smaller than its layout's minimum.
  const QRect place = PlaceInside(wanted, MinimumOf(window), available);
  window->resize(place.size());
  window->move(place.topLeft());
}

void KeepFrameOnScreen(QWidget* window) {
  if (window->isMaximized() || window->isFullScreen()) return;
  const QRect available = AvailableScreenArea(window);
  if (available.contains(window->frameGeometry())) return;
  const QRect inner = window->geometry();
  const QRect outer = window->frameGeometry();
  const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                       outer.bottom() - inner.bottom());
  window->setGeometry(PlaceInside(window->size(), MinimumOf(window), available.marginsRemoved(frame)));
}

}  // namespace korvado
