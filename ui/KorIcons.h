#pragma once
// The small icons shared by every list and tree that shows nets or points.
// Their indices are fixed: a point's icon index is its type code.

#include <QIcon>

namespace korvado {

enum KorIconIndex : int {
  kIconFixedPoint = 0,
  kIconNodalPoint = 1,
  kIconIntermediatePoint = 2,
  kIconNet = 3,
  kIconSection = 4,
  kIconRun = 5,
  kIconPendentRun = 6,
};

// An empty icon for an index outside 0..6.
QIcon KorIcon(int index);
// Tool-button pictures of the elevation table: select all, copy.
QIcon SelectAllIcon();
QIcon CopyIcon();
// The program's own icon: a levelling staff beside an instrument.
QIcon ProgramIcon();

}  // namespace korvado
