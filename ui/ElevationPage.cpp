#include "ElevationPage.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

#include "CommandGuard.h"
#include "ElevationCommands.h"
#include "KorIcons.h"
#include "NumberColumns.h"
#include "ShowOutcome.h"

namespace korvado {

ElevationPage::ElevationPage(AppState& state, QAction* acSelectAltitudeTable, QAction* acCopyFromAltitudeTable,
                             QWidget* parent)
    : QWidget(parent), state_(state) {
  Splitter3 = new QSplitter(Qt::Horizontal, this);
  Splitter3->setChildrenCollapsible(false);
  AltitudeTree = new QTreeWidget(Splitter3);
  AltitudeTree->setHeaderHidden(true);
  AltitudeStrGrid = new QTableWidget(1, 2, Splitter3);
  AltitudeStrGrid->setHorizontalHeaderLabels({QStringLiteral("Название точки"), QStringLiteral("Отметка")});
  AltitudeStrGrid->verticalHeader()->hide();
  AltitudeStrGrid->verticalHeader()->setMinimumSectionSize(1);
  AltitudeStrGrid->verticalHeader()->setDefaultSectionSize(18);
  AltitudeStrGrid->horizontalHeader()->setDefaultSectionSize(120);
  AltitudeStrGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  AltitudeStrGrid->setSelectionMode(QAbstractItemView::ContiguousSelection);
  QFont fixed(QStringLiteral("Courier New"));
  fixed.setStyleHint(QFont::TypeWriter);
  fixed.setPixelSize(13);
  AltitudeStrGrid->setFont(fixed);
  FitNumberColumns(AltitudeStrGrid, {{1, WidestElevation()}});
  Splitter3->addWidget(AltitudeTree);
  Splitter3->addWidget(AltitudeStrGrid);
  Splitter3->setStretchFactor(1, 1);
  Splitter3->setSizes({160, 400});

  Panel6 = new QWidget(this);
  btnUpDateTree = new QPushButton(QStringLiteral("Вывести структуру нивелирных сетей"), Panel6);
  ToolBar2 = new QToolBar(Panel6);
  ToolBar2->setIconSize(QSize(16, 16));
  ToolBar2->addAction(acSelectAltitudeTable);
  ToolBar2->addAction(acCopyFromAltitudeTable);
  btnNetReport = new QPushButton(QStringLiteral("Создать отчет по выделенной сети"), Panel6);
  auto* bottom = new QHBoxLayout(Panel6);
  bottom->setContentsMargins(4, 4, 4, 4);
  bottom->addWidget(btnUpDateTree);
  bottom->addWidget(ToolBar2);
  bottom->addWidget(btnNetReport);
  bottom->addStretch(1);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(Splitter3, 1);
  layout->addWidget(Panel6);

  // Ctrl+A and Ctrl+Z act on this page's table only, not on the journal grids.
  for (QAction* action : {acSelectAltitudeTable, acCopyFromAltitudeTable}) {
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(action);
  }
  ConnectCommand(btnUpDateTree, &QPushButton::clicked, this, &ElevationPage::btnUpDateTreeClick);
  ConnectCommand(AltitudeTree, &QTreeWidget::currentItemChanged, this, &ElevationPage::AltitudeTreeChange);
  ConnectCommand(btnNetReport, &QPushButton::clicked, this, &ElevationPage::btnNetReportClick);
  ConnectCommand(acSelectAltitudeTable, &QAction::triggered, this, &ElevationPage::acSelectAltitudeTableExecute);
  ConnectCommand(acCopyFromAltitudeTable, &QAction::triggered, this, &ElevationPage::acCopyFromAltitudeTableExecute);
  connect(AltitudeStrGrid, &QTableWidget::cellClicked, this, &ElevationPage::tableClicked);
}

// The tree shows the nets as they are now; it is not rebuilt by itself when they change.
void ElevationPage::btnUpDateTreeClick() {
  AltitudeTree->clear();
  for (const TreeNetNode& net : korvado::AltitudeTree(state_)) {
    auto* netNode = new QTreeWidgetItem(AltitudeTree, {QString::fromStdString(net.caption)});
    netNode->setIcon(0, KorIcon(net.icon));
    for (const TreeSectionNode& section : net.sections) {
      auto* sectionNode = new QTreeWidgetItem(netNode, {QString::fromStdString(section.caption)});
      sectionNode->setIcon(0, KorIcon(section.icon));
    }
  }
  AltitudeTree->expandAll();
  AltitudeTree->setFocus();
}

void ElevationPage::AltitudeTreeChange() {
  const NodePlace place = PlaceOf(AltitudeTree->currentItem());
  const Result<std::vector<ElevationRow>> rows = AltitudeTableForNode(state_, place.net, place.section);
  ShowRows(ShowOutcome(rows) ? *rows : std::vector<ElevationRow>{ElevationRow{}});
}

// The report comes from the net's own sections, so a tree left stale by later
// edits cannot mix in other sections; the selection still ends on the last section node.
void ElevationPage::btnNetReportClick() {
  QTreeWidgetItem* netNode = AltitudeTree->currentItem();
  const NodePlace place = PlaceOf(netNode);
  if (place.net < 0 || place.section >= 0) return;
  Result<std::vector<ElevationRow>> report = AltitudeNetReport(state_, place.net);
  if (!ShowOutcome(report)) return;
  const int lastSection = std::min(netNode->childCount(), state_.Nets.NetAt(place.net).SectionCount()) - 1;
  if (lastSection >= 0) {
    const QSignalBlocker blocker(AltitudeTree);
    AltitudeTree->setCurrentItem(netNode->child(lastSection));
  }
  if (report->empty()) report->emplace_back();
  ShowRows(std::move(*report));
}

void ElevationPage::acSelectAltitudeTableExecute() {
  AltitudeStrGrid->clearSelection();
  const int rows = AltitudeStrGrid->rowCount();
  const int columns = AltitudeStrGrid->columnCount();
  if (rows == 0 || columns == 0) return;
  AltitudeStrGrid->setRangeSelected(QTableWidgetSelectionRange(0, 0, rows - 1, columns - 1), true);
}

void ElevationPage::acCopyFromAltitudeTableExecute() {
  const QList<QTableWidgetSelectionRange> ranges = AltitudeStrGrid->selectedRanges();
  QTableWidgetSelectionRange block;
  if (!ranges.isEmpty()) {
    block = ranges.first();
  } else if (AltitudeStrGrid->currentRow() >= 0 && AltitudeStrGrid->currentColumn() >= 0) {
    // A grid with no block selected copies its current cell.
    block = QTableWidgetSelectionRange(AltitudeStrGrid->currentRow(), AltitudeStrGrid->currentColumn(),
                                       AltitudeStrGrid->currentRow(), AltitudeStrGrid->currentColumn());
  } else {
    return;
  }
  const std::string text =
      AltitudeTableCopyText(shownRows_, block.topRow(), block.leftColumn(), block.bottomRow(), block.rightColumn());
  QApplication::clipboard()->setText(QString::fromStdString(text));
}

// The tree is refilled first when it does not match the nets (or is not built yet).
void ElevationPage::ShowSections(int32_t net, const std::vector<int32_t>& sections) {
  const TNetList& nets = state_.Nets;
  if (net < 0 || net >= nets.NetCount() || sections.empty()) return;
  const bool stale = AltitudeTree->topLevelItemCount() != nets.NetCount() ||
                     AltitudeTree->topLevelItem(net)->childCount() != nets.NetAt(net).SectionCount();
  if (stale) btnUpDateTreeClick();
  QTreeWidgetItem* netNode = AltitudeTree->topLevelItem(net);
  if (!netNode) return;
  AltitudeTree->clearSelection();
  if (QTreeWidgetItem* first = netNode->child(sections.front())) AltitudeTree->setCurrentItem(first);
  for (const int32_t s : sections)
    if (QTreeWidgetItem* node = netNode->child(s)) node->setSelected(true);
}

ElevationPage::NodePlace ElevationPage::PlaceOf(QTreeWidgetItem* node) const {
  if (!node) return {};
  if (QTreeWidgetItem* parent = node->parent())
    return {AltitudeTree->indexOfTopLevelItem(parent), parent->indexOfChild(node)};
  return {AltitudeTree->indexOfTopLevelItem(node), -1};
}

void ElevationPage::ShowRows(std::vector<ElevationRow> rows) {
  shownRows_ = std::move(rows);
  AltitudeStrGrid->clearContents();
  AltitudeStrGrid->setRowCount(static_cast<int>(shownRows_.size()));
  for (int r = 0; r < AltitudeStrGrid->rowCount(); ++r) {
    AltitudeStrGrid->setItem(r, 0, new QTableWidgetItem(QString::fromStdString(ShownName(shownRows_[r]))));
    AltitudeStrGrid->setItem(r, 1, NumberItem(QString::fromStdString(ShownElevation(shownRows_[r]))));
  }
}

}  // namespace korvado
