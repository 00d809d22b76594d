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

#include "CommandGuard.h"
#include "LeastSquaresCommands.h"
#include "NumberColumns.h"
#include "NumberText.h"
#include "SettingsFile.h"
#include "ShowOutcome.h"
#include "ValueRanges.h"

namespace korvado {

namespace {

const QString kSettingsSection = QStringLiteral("Adjustment");
const QString kSigmaKey = QStringLiteral("SigmaPerSetup");

}  // namespace

AccuracyView::AccuracyView(AppState& state, SettingsFile& settings, QWidget* parent)
    : QDockWidget(QStringLiteral("Оценка точности"), parent), state_(state), settings_(settings) {
  setObjectName(QStringLiteral("AccuracyView"));
  // A value no survey has (1e-320 from a hand-edited file) gives way to the default.
  const double sigma = settings_.ReadPositiveDouble(kSettingsSection, kSigmaKey, 0.5);
  state_.SigmaPerSetup = IsSaneValue(ValueKind::SigmaPerSetup, sigma) ? sigma : 0.5;

  auto* body = new QWidget(this);
  auto* bar = new QHBoxLayout;
  SigmaEdit = new QLineEdit(QString::fromStdString(FormatGeneral(state_.SigmaPerSetup)), body);
  SigmaEdit->setMaximumWidth(80);
  SigmaEdit->setToolTip(QStringLiteral("Априорная СКО превышения на один штатив, мм"));
  btnLeastSquares = new QPushButton(QStringLiteral("Уравнять по МНК"), body);
  btnCopyPoints = new QPushButton(QStringLiteral("Копировать точки"), body);
  btnCopySections = new QPushButton(QStringLiteral("Копировать звенья"), body);
  bar->addWidget(new QLabel(QStringLiteral("СКО на штатив, мм:"), body));
  bar->addWidget(SigmaEdit);
  bar->addWidget(btnLeastSquares);
  bar->addStretch(1);
  bar->addWidget(btnCopyPoints);
  bar->addWidget(btnCopySections);

  SummaryLabel = new QLabel(body);
  SummaryLabel->setWordWrap(true);
  SummaryLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
  points_ = new TextTableModel(AccuracyPointHeader(), {false, false, true, true}, this);
  sections_ = new TextTableModel(AccuracySectionHeader(), {false, false, true, true, true, true, true, false}, this);
  auto* tables = new QSplitter(Qt::Horizontal, body);
  PointsTable = NewTable(points_);
  SectionsTable = NewTable(sections_);
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
  connect(SectionsTable, &QTableView::clicked, this,
          [this](const QModelIndex& index) { RunGuarded([&] { SectionsTableClick(index); }); });
  // Filled as it becomes visible: a hidden view is not kept up to date.
  connect(this, &QDockWidget::visibilityChanged, this, [this](bool visible) {
    if (visible) RunGuarded([this] { Refresh(); });
  });
}

QTableView* AccuracyView::NewTable(TextTableModel* model) {
  auto* table = new QTableView(this);
  table->setModel(model);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setSelectionMode(QAbstractItemView::ExtendedSelection);
  ShowCellsOnOneLine(table);
  table->verticalHeader()->hide();
  table->verticalHeader()->setDefaultSectionSize(20);
  table->horizontalHeader()->setStretchLastSection(true);
  table->installEventFilter(this);
  return table;
}

void AccuracyView::Refresh() {
  const AccuracyTables tables = CurrentAccuracyTables(state_);
  SummaryLabel->setText(QString::fromStdString(tables.summary));
  shownNet_ = tables.net;
  points_->SetRows(tables.points);
  sections_->SetRows(tables.sections);
  for (QTableView* table : {PointsTable, SectionsTable}) table->resizeColumnsToContents();
}

void AccuracyView::SigmaEditFinished() {
  if (!ShowOutcome(SetSigmaPerSetup(state_, SigmaEdit->text().toStdString()))) {
    SigmaEdit->setText(QString::fromStdString(FormatGeneral(state_.SigmaPerSetup)));
    return;
  }
  settings_.WriteDouble(kSettingsSection, kSigmaKey, state_.SigmaPerSetup);
  Refresh();
  emit sigmaChanged();
}

void AccuracyView::btnCopyPointsClick() { CopyTable(*PointsTable, *points_, true); }

void AccuracyView::btnCopySectionsClick() { CopyTable(*SectionsTable, *sections_, true); }

void AccuracyView::CopyTable(const QTableView& table, const TextTableModel& model, bool whole) {
  std::vector<std::vector<std::string>> rows;
  const QModelIndexList selected = table.selectionModel()->selectedIndexes();
  if (whole || selected.isEmpty()) {
    rows.push_back(model.Header());
    rows.insert(rows.end(), model.Rows().begin(), model.Rows().end());
  } else {
    // The selected cells row by row, in table order.
    std::map<int, std::map<int, std::string>> cells;
    for (const QModelIndex& index : selected)
      cells[index.row()][index.column()] = model.Rows()[index.row()][index.column()];
    for (const auto& [row, columns] : cells) {
      rows.emplace_back();
      for (const auto& [column, text] : columns) rows.back().push_back(text);
    }
  }
  QApplication::clipboard()->setText(QString::fromStdString(AccuracyCopyText(rows)));
}

bool AccuracyView::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
    if (watched == PointsTable) CopyTable(*PointsTable, *points_, false);
    if (watched == SectionsTable) CopyTable(*SectionsTable, *sections_, false);
    return watched == PointsTable || watched == SectionsTable;
  }
  return QDockWidget::eventFilter(watched, event);
}

void AccuracyView::SectionsTableClick(const QModelIndex& index) {
  if (!index.isValid() || shownNet_ < 0) return;
  emit sectionChosen(shownNet_, index.row());
}

}  // namespace korvado
