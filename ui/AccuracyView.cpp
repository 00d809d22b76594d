#include "AccuracyView.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollArea>
#include <QSplitter>
#include <QVBoxLayout>
#include <algorithm>
#include <map>

#include "AccuracyCells.h"
#include "CommandGuard.h"
#include "LeastSquaresCommands.h"
#include "NumberColumns.h"
#include "NumberText.h"
#include "SettingsFile.h"
#include "ShowOutcome.h"
#include "ValueRanges.h"
#include "StoredChoices.h"

namespace korvado {

AccuracyView::AccuracyView(AppState& state, SettingsFile& settings, QWidget* parent)
    : QDockWidget(QStringLiteral("Оценка точности"), parent), state_(state), settings_(settings) {
  setObjectName(QStringLiteral("AccuracyView"));
  state_.SigmaPerSetup = ReadSigmaPerSetup(settings_);

  auto* body = new QWidget(this);
  auto* bar = new QHBoxLayout;
  SigmaEdit = new QLineEdit(QString::fromStdString(FormatGeneral(state_.SigmaPerSetup)), body);
  SigmaEdit->setMaximumWidth(80);
  SigmaEdit->setToolTip(QStringLiteral("Априорная СКО превышения на один штатив, мм"));
  btnLeastSquares = new QPushButton(QStringLiteral("Уравнять по МНК"), body);
  btnCopyPoints = new QPushButton(QStringLiteral("Копировать точки"), body);
  btnCopySections = new QPushButton(QStringLiteral("Копировать звенья"), body);
  btnShowOnDiagram = new QPushButton(QStringLiteral("Показать на схеме"), body);
  btnShowOnDiagram->setToolTip(QStringLiteral("Выбранное звено, а если не выбрано — звено с возможной грубой ошибкой"));
  bar->addWidget(new QLabel(QStringLiteral("СКО на штатив, мм:"), body));
  bar->addWidget(SigmaEdit);
  bar->addWidget(btnLeastSquares);
  bar->addStretch(1);
  bar->addWidget(btnShowOnDiagram);
  bar->addWidget(btnCopyPoints);
  bar->addWidget(btnCopySections);

  SummaryLabel = new QLabel(body);
  SummaryLabel->setWordWrap(true);
  SummaryLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
  points_ = new TextTableModel(AccuracyPointHeader(), {false, false, true, true}, this);
  sections_ = new TextTableModel(AccuracySectionHeader(), {false, false, true, true, true, true, true, false}, this);
  auto* tables = new QSplitter(Qt::Horizontal, body);
  sortedSections_ = new QSortFilterProxyModel(this);
  sortedSections_->setSourceModel(sections_);
  sortedSections_->setSortRole(TextTableModel::kSortRole);
  PointsTable = NewTable(points_);
  SectionsTable = NewTable(sortedSections_);
  // Unsorted until a header is clicked: the sections in the net's order.
  SectionsTable->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
  SectionsTable->setSortingEnabled(true);
  tables->addWidget(PointsTable);
  tables->addWidget(SectionsTable);
  tables->setStretchFactor(0, 2);
  tables->setStretchFactor(1, 3);

  auto* layout = new QVBoxLayout(body);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addLayout(bar);
  layout->addWidget(SummaryLabel);
  layout->addWidget(tables, 1);
  // Scrolled, so that the hidden view does not widen the main window's minimum.
  auto* scroll = new QScrollArea(this);
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidgetResizable(true);
  scroll->setWidget(body);
  setWidget(scroll);

  ConnectCommand(SigmaEdit, &QLineEdit::editingFinished, this, &AccuracyView::SigmaEditFinished);
  ConnectCommand(btnCopyPoints, &QPushButton::clicked, this, &AccuracyView::btnCopyPointsClick);
  ConnectCommand(btnCopySections, &QPushButton::clicked, this, &AccuracyView::btnCopySectionsClick);
  ConnectCommand(btnShowOnDiagram, &QPushButton::clicked, this, &AccuracyView::btnShowOnDiagramClick);
  connect(SectionsTable, &QTableView::clicked, this,
          [this](const QModelIndex& index) { RunGuarded([&] { SectionsTableClick(index); }); });
  // Filled as it becomes visible: a hidden view is not kept up to date.
  connect(this, &QDockWidget::visibilityChanged, this, [this](bool visible) {
    if (visible) RunGuarded([this] { Refresh(); });
  });
}

QTableView* AccuracyView::NewTable(QAbstractItemModel* model) {
  auto* table = new QTableView(this);
  table->setModel(model);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setSelectionMode(QAbstractItemView::ExtendedSelection);
  ShowCellsOnOneLine(table);
  table->verticalHeader()->hide();
  table->verticalHeader()->setDefaultSectionSize(20);
  table->horizontalHeader()->setStretchLastSection(true);
  table->horizontalHeader()->setResizeContentsPrecision(0);  // the rows in sight, not a thousand of them
  table->installEventFilter(this);
  return table;
}

void AccuracyView::Refresh() {
  const AccuracyCells cells(state_);
  SummaryLabel->setText(QString::fromStdString(cells.Summary()));
  shownNet_ = cells.Net();
  points_->SetRows(cells.PointRowCount(), [cells](int row) { return cells.PointRow(row); });
  points_->SetToolTips(2, [cells](int row) { return cells.FullElevation(row); });
  sections_->SetRows(cells.SectionRowCount(), [cells](int row) { return cells.SectionRow(row); });
  sections_->SetMarkedRows(cells.Suspect());
  sections_->SetSortKeys(kAccuracyWColumn, cells.AbsoluteW());
  suspect_ = cells.Suspect();
  btnShowOnDiagram->setEnabled(cells.SectionRowCount() > 0);
  for (QTableView* table : {PointsTable, SectionsTable}) table->resizeColumnsToContents();
  // Only the rows in sight were measured: the widest figures must fit as well.
  FitNumberColumns(PointsTable, {{2, WidestElevation()}});
  FitNumberColumns(SectionsTable, {{2, WidestSetups()}, {3, WidestHeight()}});
}

void AccuracyView::SigmaEditFinished() {
  if (!ShowOutcome(SetSigmaPerSetup(state_, SigmaEdit->text().toStdString()))) {
    SigmaEdit->setText(QString::fromStdString(FormatGeneral(state_.SigmaPerSetup)));
    return;
  }
  WriteSigmaPerSetup(settings_, state_.SigmaPerSetup);
  Refresh();
  emit sigmaChanged();
}

void AccuracyView::btnCopyPointsClick() { CopyTable(*PointsTable, points_->Header(), true); }

void AccuracyView::btnCopySectionsClick() { CopyTable(*SectionsTable, sections_->Header(), true); }

void AccuracyView::CopyTable(const QTableView& table, const std::vector<std::string>& header, bool whole) {
  const QAbstractItemModel& shown = *table.model();
  const auto text = [&](int row, int column) { return shown.index(row, column).data().toString().toStdString(); };
  std::vector<std::vector<std::string>> rows;
  const QModelIndexList selected = table.selectionModel()->selectedIndexes();
  if (whole || selected.isEmpty()) {
    rows.push_back(header);
    for (int r = 0; r < shown.rowCount(); ++r) {
      rows.emplace_back();
      for (int c = 0; c < shown.columnCount(); ++c) rows.back().push_back(text(r, c));
    }
  } else {
    // The selected cells row by row, in the order shown.
    std::map<int, std::map<int, std::string>> cells;
    for (const QModelIndex& index : selected) cells[index.row()][index.column()] = text(index.row(), index.column());
    for (const auto& [row, columns] : cells) {
      rows.emplace_back();
      for (const auto& [column, cell] : columns) rows.back().push_back(cell);
    }
  }
  QApplication::clipboard()->setText(QString::fromStdString(AccuracyCopyText(rows)));
}

bool AccuracyView::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
    if (watched == PointsTable) CopyTable(*PointsTable, points_->Header(), false);
    if (watched == SectionsTable) CopyTable(*SectionsTable, sections_->Header(), false);
    return watched == PointsTable || watched == SectionsTable;
  }
  return QDockWidget::eventFilter(watched, event);
}

int32_t AccuracyView::SectionOfRow(const QModelIndex& index) const {
  return index.isValid() ? sortedSections_->mapToSource(index).row() : -1;
}

void AccuracyView::SectionsTableClick(const QModelIndex& index) {
  const int32_t section = SectionOfRow(index);
  if (section < 0 || shownNet_ < 0) return;
  emit sectionChosen(shownNet_, section);
}

void AccuracyView::btnShowOnDiagramClick() {
  if (shownNet_ < 0) return;
  int32_t section = SectionOfRow(SectionsTable->currentIndex());
  if (section < 0) {
    const auto found = std::find(suspect_.begin(), suspect_.end(), true);
    if (found == suspect_.end()) return;
    section = static_cast<int32_t>(found - suspect_.begin());
  }
  emit sectionToShow(shownNet_, section);
}

}  // namespace korvado
