#include "NumberColumns.h"

#include <QHeaderView>
#include <QStyle>
#include <QTableView>
#include <QTreeView>
#include <algorithm>

#include "FormatLimits.h"
#include "NumberText.h"

namespace korvado {

namespace {

QString FromUtf8(const std::string& text) { return QString::fromStdString(text).trimmed(); }

QHeaderView* ColumnHeader(QAbstractItemView* view) {
  if (auto* table = qobject_cast<QTableView*>(view)) return table->horizontalHeader();
  if (auto* tree = qobject_cast<QTreeView*>(view)) return tree->header();
  return nullptr;
}

}  // namespace

// Setup counts are 16-bit; equivalent runs carry fractions.
QString WidestSetups() { return FromUtf8(FormatGeneral(kFormatCountLimit + 0.99)); }
// Height differences in millimetres, as the journal's "%11.2n" holds them.
QString WidestHeight() { return FromUtf8(FormatGrouped(-999999.99)); }
QString WidestElevation() { return FromUtf8(FormatFixed(2, -9999999.99)); }
QString WidestReading() { return FromUtf8(FormatGeneral(-99999.99)); }
QString WidestRecordRef() { return QString::number(-kFormatCountLimit); }

void ShowCellsOnOneLine(QAbstractItemView* view) {
  if (auto* table = qobject_cast<QTableView*>(view)) table->setWordWrap(false);
  if (auto* tree = qobject_cast<QTreeView*>(view)) tree->setWordWrap(false);
  view->setTextElideMode(Qt::ElideRight);
}

int CellWidthFor(const QAbstractItemView* view, const QString& text) {
  // The style's text margin on both sides, and the grid line.
  const int margin = view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
  return view->fontMetrics().horizontalAdvance(text) + 2 * margin + 4;
}

void FitNumberColumns(QAbstractItemView* view, std::initializer_list<NumberColumn> columns) {
  ShowCellsOnOneLine(view);
  QHeaderView* header = ColumnHeader(view);
  if (!header) return;
  for (const NumberColumn& c : columns)
    header->resizeSection(c.column, std::max(header->sectionSize(c.column), CellWidthFor(view, c.widest)));
}

void AlignNumbers(QTreeWidgetItem* item, std::initializer_list<int> columns) {
  for (int c : columns) item->setTextAlignment(c, kNumberAlignment);
}

QTableWidgetItem* NumberItem(const QString& text) {
  auto* item = new QTableWidgetItem(text);
  item->setTextAlignment(kNumberAlignment);
  return item;
}

}  // namespace korvado
