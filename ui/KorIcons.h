#pragma once
// The small icons shared by every list and tree that shows nets or points,
// by the index the rows carry: a point type (PointType) or a NodeIcons number.

#include <QIcon>

#include "KorNets.h"
#include "NodeIcons.h"

namespace korvado {

// An empty icon for an index outside 0..6.
QIcon KorIcon(int index);
// Tool-button pictures of the elevation table: select all, copy.
QIcon SelectAllIcon();
QIcon CopyIcon();
// The program's own icon: a levelling staff beside an instrument.
QIcon ProgramIcon();

}  // namespace korvado
