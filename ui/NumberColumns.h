#pragma once
// Numbers in grids and lists: right-aligned, and shown whole or not at all. A
// cell too narrow for its number elides it with "…" rather than cutting it to
// a shorter number that looks valid (word wrap would show "1 222" of 1 222,65).

#include <QAbstractItemView>
#include <QString>
#include <QTableWidgetItem>
#include <QTreeWidgetItem>
#include <initializer_list>

namespace korvado {

inline constexpr Qt::Alignment kNumberAlignment = Qt::AlignRight | Qt::AlignVCenter;

// The widest text of each kind of number the program shows, in the locale's form.
QString WidestSetups();
QString WidestHeight();
QString WidestElevation();
QString WidestReading();
QString WidestRecordRef();

// One line per cell, elided with "…" when it does not fit.
void ShowCellsOnOneLine(QAbstractItemView* view);

struct NumberColumn {
  int column;
  QString widest;
};
// Widens each column, where needed, until its widest number fits whole.
void FitNumberColumns(QAbstractItemView* view, std::initializer_list<NumberColumn> columns);
// The width a cell of view needs to show text whole.
int CellWidthFor(const QAbstractItemView* view, const QString& text);

void AlignNumbers(QTreeWidgetItem* item, std::initializer_list<int> columns);
QTableWidgetItem* NumberItem(const QString& text);

}  // namespace korvado
