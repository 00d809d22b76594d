#include "ElevationPage.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QScopedValueRollback>
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
  AltitudeTree = new QTreeView(Splitter3);
  AltitudeTree->setHeaderHidden(true);
  AltitudeTree->setUniformRowHeights(true);  // no row measured by itself: tens of thousands of sections
  AltitudeNodes = new AltitudeTreeModel(AltitudeTree);
  AltitudeTree->setModel(AltitudeNodes);
  AltitudeStrGrid = new QTableView(Splitter3);
  shownCells_ = new TextTableModel({"Название точки", "Отметка"}, {false, true}, AltitudeStrGrid);
  AltitudeStrGrid->setModel(shownCells_);
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
  ConnectCommand(AltitudeTree->selectionModel(), &QItemSelectionModel::currentChanged, this,
                 &ElevationPage::AltitudeTreeChange);
  ConnectCommand(btnNetReport, &QPushButton::clicked, this, &ElevationPage::btnNetReportClick);
  ConnectCommand(acSelectAltitudeTable, &QAction::triggered, this, &ElevationPage::acSelectAltitudeTableExecute);
  ConnectCommand(acCopyFromAltitudeTable, &QAction::triggered, this, &ElevationPage::acCopyFromAltitudeTableExecute);
  connect(AltitudeStrGrid, &QTableView::clicked, this, &ElevationPage::tableClicked);
  ShowRows({ElevationRow{}});  // one empty row until a node is chosen
}

// The tree shows the nets as they are now; it is not rebuilt by itself when they change.
void ElevationPage::btnUpDateTreeClick() {
  AltitudeNodes->Reset(korvado::AltitudeTree(state_));
  AltitudeTree->expandAll();
  AltitudeTree->setFocus();
  AltitudeTreeChange();  // the choice went with the old nodes
}

void ElevationPage::AltitudeTreeChange() {
  if (showingReport_) return;
  const QModelIndex node = AltitudeTree->currentIndex();
  const Result<std::vector<ElevationRow>> rows =
      AltitudeTableForNode(state_, AltitudeNodes->NetOf(node), AltitudeNodes->SectionOf(node));
  ShowRows(ShowOutcome(rows) ? *rows : std::vector<ElevationRow>{ElevationRow{}});
}

// The report comes from the net's own sections, so a tree left stale by later
// edits cannot mix in other sections; the selection still ends on the last section node.
void ElevationPage::btnNetReportClick() {
  const QModelIndex netNode = AltitudeTree->currentIndex();
  const int net = AltitudeNodes->NetOf(netNode);
  if (net < 0 || AltitudeNodes->SectionOf(netNode) >= 0) return;
  Result<std::vector<ElevationRow>> report = AltitudeNetReport(state_, net);
  if (!ShowOutcome(report)) return;
  const int lastSection = std::min(AltitudeNodes->SectionCount(net), state_.Nets.NetAt(net).SectionCount()) - 1;
  if (lastSection >= 0) {
    const QScopedValueRollback<bool> quiet(showingReport_, true);
    AltitudeTree->setCurrentIndex(AltitudeNodes->SectionIndex(net, lastSection));
  }
  if (report->empty()) report->emplace_back();
  ShowRows(std::move(*report));
}

void ElevationPage::acSelectAltitudeTableExecute() {
  AltitudeStrGrid->clearSelection();
  if (shownCells_->rowCount() == 0) return;
  AltitudeStrGrid->selectAll();
}

void ElevationPage::acCopyFromAltitudeTableExecute() {
  const QItemSelection selected = AltitudeStrGrid->selectionModel()->selection();
  QItemSelectionRange block;
  if (!selected.isEmpty()) {
    block = selected.first();
  } else if (const QModelIndex current = AltitudeStrGrid->currentIndex(); current.isValid()) {
    // A grid with no block selected copies its current cell.
    block = QItemSelectionRange(current);
  } else {
    return;
  }
  const std::string text = AltitudeTableCopyText(shownRows_, block.top(), block.left(), block.bottom(), block.right());
  QApplication::clipboard()->setText(QString::fromStdString(text));
}

// The tree is refilled first when it does not match the nets (or is not built yet).
void ElevationPage::ShowSections(int32_t net, const std::vector<int32_t>& sections) {
  const TNetList& nets = state_.Nets;
  if (net < 0 || net >= nets.NetCount() || sections.empty()) return;
  const bool stale =
      AltitudeNodes->NetCount() != nets.NetCount() || AltitudeNodes->SectionCount(net) != nets.NetAt(net).SectionCount();
  if (stale) btnUpDateTreeClick();
  if (net >= AltitudeNodes->NetCount()) return;
  AltitudeTree->clearSelection();
  if (const QModelIndex first = AltitudeNodes->SectionIndex(net, sections.front()); first.isValid())
    AltitudeTree->setCurrentIndex(first);
  for (const int32_t s : sections)
    if (const QModelIndex node = AltitudeNodes->SectionIndex(net, s); node.isValid())
      AltitudeTree->selectionModel()->select(node, QItemSelectionModel::Select);
}

void ElevationPage::ShowRows(std::vector<ElevationRow> rows) {
  shownRows_ = std::move(rows);
  shownCells_->SetRows(static_cast<int>(shownRows_.size()), [this](int row) {
    const ElevationRow& shown = shownRows_[static_cast<size_t>(row)];
    return std::vector<std::string>{ShownName(shown), ShownElevation(shown)};
  });
}

}  // namespace korvado
