#include "EquiDlg.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "AttentionColours.h"
#include "CommandGuard.h"
#include "GridHeaderFit.h"
#include "NumberColumns.h"
#include "ShowOutcome.h"

namespace korvado {

namespace {

constexpr int kColumnCount = 5;

QTableWidget* RunGrid(QWidget* parent) {
  auto* grid = new QTableWidget(1, kColumnCount, parent);
  grid->verticalHeader()->hide();
  FitRowHeight(grid, 16);
  grid->horizontalHeader()->setDefaultSectionSize(100);
  grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid->setSelectionMode(QAbstractItemView::SingleSelection);
  FitNumberColumns(grid, {{2, WidestSetups()}, {3, WidestHeight()}});
  return grid;
}

QLabel* PaneTitle(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setAutoFillBackground(true);
  QPalette palette = label->palette();
  palette.setColor(QPalette::Window, Qt::white);
  label->setPalette(palette);
  label->setContentsMargins(4, 2, 4, 2);
  return label;
}

QWidget* Pane(QLabel* title, QTableWidget* grid, QWidget* parent) {
  auto* pane = new QWidget(parent);
  auto* layout = new QVBoxLayout(pane);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  title->setParent(pane);
  grid->setParent(pane);
  layout->addWidget(title);
  layout->addWidget(grid, 1);
  return pane;
}

// A grid with no run keeps one empty row.
void FillGrid(QTableWidget* grid, const std::vector<EquiRow>& rows) {
  grid->clearContents();
  grid->setRowCount(std::max<int>(1, static_cast<int>(rows.size())));
  for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
    const EquiRow& row = rows[r];
    const std::string cells[kColumnCount] = {row.BackPoint, row.ForePoint, row.SetupsText, row.HeightText, row.Note};
    for (int c = 0; c < kColumnCount; ++c) {
      const QString text = QString::fromStdString(cells[c]);
      grid->setItem(r, c, c == 2 || c == 3 ? NumberItem(text) : new QTableWidgetItem(text));
    }
  }
}

}  // namespace

TEquiDlg::TEquiDlg(QWidget* parent) : QDialog(parent) { FormCreate(); }

void TEquiDlg::FormCreate() {
  setWindowTitle(QStringLiteral("Эквивалентные штативы"));
  setFixedSize(546, 326);
  Splitter1 = new QSplitter(Qt::Vertical, this);
  Splitter1->setHandleWidth(3);
  Splitter1->setChildrenCollapsible(false);
  Label1 = PaneTitle(QStringLiteral("Звенья для объединения"), this);
  EquiStringGrid1 = RunGrid(this);
  Label2 = PaneTitle(QStringLiteral("Объединенные звенья"), this);
  EquiStringGrid2 = RunGrid(this);
  QStringList header;
  for (const char* title : kEquiGridHeader) header << QString::fromUtf8(title);
  for (QTableWidget* grid : {EquiStringGrid1, EquiStringGrid2}) {
    grid->setHorizontalHeaderLabels(header);
    FitColumnsToTitles(grid->horizontalHeader(), 100);
  }
  Splitter1->addWidget(Pane(Label1, EquiStringGrid1, Splitter1));
  Splitter1->addWidget(Pane(Label2, EquiStringGrid2, Splitter1));

  btnAdd = new QPushButton(QStringLiteral("Добавить"), this);
  lbEquiSection = new QLabel(this);
  lbSpread = new QLabel(this);
  lbSpread->setWordWrap(true);
  OKBtn = new QPushButton(QStringLiteral("OK"), this);
  OKBtn->setDefault(true);
  CancelBtn = new QPushButton(QStringLiteral("Отмена"), this);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(btnAdd);
  buttons->addWidget(lbEquiSection, 1);
  buttons->addWidget(OKBtn);
  buttons->addWidget(CancelBtn);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(3, 3, 3, 6);
  layout->addWidget(Splitter1, 1);
  layout->addWidget(lbSpread);
  layout->addLayout(buttons);

  ConnectCommand(btnAdd, &QPushButton::clicked, this, &TEquiDlg::btnAddClick);
  connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
  // Escape rejects through QDialog as well.
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

bool TEquiDlg::Execute(EquiDialog dialog) {
  dialog_ = std::move(dialog);
  FormShow();
  return exec() == QDialog::Accepted;
}

void TEquiDlg::FormShow() {
  lbEquiSection->clear();
  ShowSpread();
  ShowGrids();
}

void TEquiDlg::ShowGrids() {
  FillGrid(EquiStringGrid1, dialog_.Upper);
  FillGrid(EquiStringGrid2, dialog_.Lower);
  EquiStringGrid1->setCurrentCell(dialog_.UpperRow, 0);
  // OK goes on with a merge made in this showing only, never with an older one.
  OKBtn->setEnabled(EquiOkEnabled(dialog_));
}

void TEquiDlg::btnAddClick() {
  dialog_.UpperRow = std::max(0, EquiStringGrid1->currentRow());
  if (!ShowOutcome(EquiAddSelected(dialog_, result_))) return;
  lbEquiSection->setText(QString::fromStdString(dialog_.ResultLabel));
  ShowSpread();
  ShowGrids();
}

void TEquiDlg::ShowSpread() {
  lbSpread->setText(QString::fromStdString(dialog_.SpreadLabel));
  QPalette palette = lbSpread->palette();
  palette.setColor(QPalette::WindowText, dialog_.SpreadWithinTolerance
                                             ? QApplication::palette().color(QPalette::WindowText)
                                             : kAttentionText);
  lbSpread->setPalette(palette);
}

void TEquiDlg::showEvent(QShowEvent* event) {
  if (QScreen* screen = QGuiApplication::primaryScreen()) move(screen->availableGeometry().center() - rect().center());
  QDialog::showEvent(event);
}

}  // namespace korvado
