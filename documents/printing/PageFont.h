#pragma once
// The one font family of the printed pages: the report and its diagram.
//
// Page fonts ask for unhinted glyphs. The page then keeps one layout at any
// resolution, and, as important, Qt's font cache, which tells fonts apart by
// their size in pixels but not by the resolution of the device, never hands
// a page font sized in printer dots to a window's font of the same pixel
// size: menus would shrink to a few pixels until the program ends.

#include <QFont>

namespace korvado {

// Sized in points of the page.
QFont PagePointFont(double points, bool bold = false);
// Sized in the units the painter draws in (the diagram's own units).
QFont PagePixelFont(int pixels);

}  // namespace korvado
