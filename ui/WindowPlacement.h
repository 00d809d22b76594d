#pragma once
// The size a window takes from the settings file, kept inside the available
// screen: a hand-edited or foreign Korvado.ini must not make a window that
// cannot be painted or that opens off the screen.

#include <QRect>
#include <QSize>
#include <QString>
#include <QWidget>

#include "SettingsFile.h"

namespace korvado {

// Below this a window shows too little to be used.
inline constexpr QSize kMinWindowSize(320, 240);

// The rectangle of a window of the wanted size, bounded by the minimum and the
// available area, and centred in that area.
QRect PlaceInside(QSize wanted, QSize minimum, const QRect& available);
// The available area of the screen the window is shown on (the primary screen before that).
QRect AvailableScreenArea(const QWidget* window);
// WindowWidth and WindowHeight of the section, or defaultSize, placed as above.
void RestoreWindowSize(QWidget* window, const SettingsFile& ini, const QString& section, QSize defaultSize);
// Once shown, with its frame known: the frame too inside the available area.
void KeepFrameOnScreen(QWidget* window);

}  // namespace korvado
