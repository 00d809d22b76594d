#pragma once
// Grids and lists laid out for a 100-pixel column and a 16-pixel row: a font
// larger than the one those sizes were chosen for would clip the titles and
// the Cyrillic letters, so each is widened or heightened to what its text needs.

#include <QHeaderView>
#include <QTableWidget>
#include <QTreeWidget>
#include <algorithm>

namespace korvado {

inline void FitColumnsToTitles(QHeaderView* header, int width) {
  for (int c = 0; c < header->count(); ++c) header->resizeSection(c, std::max(width, header->sectionSizeHint(c)));
}

inline void FitRowHeight(QTableWidget* grid, int height) {
  grid->verticalHeader()->setMinimumSectionSize(1);
  grid->verticalHeader()->setDefaultSectionSize(std::max(height, grid->fontMetrics().height() + 2));
}

}  // namespace korvado
