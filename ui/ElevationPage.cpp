#include "ElevationPage.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include "CommandGuard.h"
#include "JournalPage.h"
#include "MainForm.h"

namespace korvado {

TElevationPage::TElevationPage(AppState& state, TMainForm& form, QWidget* parent)
    : QWidget(parent), state_(state), form_(form) {
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
  Splitter3->addWidget(AltitudeTree);
  Splitter3->addWidget(AltitudeStrGrid);
  Splitter3->setStretchFactor(1, 1);
  Splitter3->setSizes({160, 400});

  Panel6 = new QWidget(this);
  btnUpDateTree = new QPushButton(QStringLiteral("Вывести структуру нивелирных сетей"), Panel6);
  ToolBar2 = new QToolBar(Panel6);
  ToolBar2->setIconSize(QSize(16, 16));
  ToolBar2->addAction(form.acSelectAltitudeTable);
  ToolBar2->addAction(form.acCopyFromAltitudeTable);
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
  for (QAction* action : {form.acSelectAltitudeTable, form.acCopyFromAltitudeTable}) {
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(action);
  }
  ConnectCommand(btnUpDateTree, &QPushButton::clicked, this, &TElevationPage::btnUpDateTreeClick);
  ConnectCommand(AltitudeTree, &QTreeWidget::currentItemChanged, this, &TElevationPage::AltitudeTreeChange);
  ConnectCommand(btnNetReport, &QPushButton::clicked, this, &TElevationPage::btnNetReportClick);
  ConnectCommand(form.acSelectAltitudeTable, &QAction::triggered, this, &TElevationPage::acSelectAltitudeTableExecute);
  ConnectCommand(form.acCopyFromAltitudeTable, &QAction::triggered, this,
                 &TElevationPage::acCopyFromAltitudeTableExecute);
  // A click in the table refreshes the reading grid, as a click in the main grid does.
  ConnectCommand(AltitudeStrGrid, &QTableWidget::cellClicked, form.JournalPage, &TJournalPage::MainStringGridClick);
}

// The handlers below belong to the elevation tree, the section tables and the copy.
void TElevationPage::btnUpDateTreeClick() {}
void TElevationPage::AltitudeTreeChange() {}
void TElevationPage::btnNetReportClick() {}
void TElevationPage::acSelectAltitudeTableExecute() {}
void TElevationPage::acCopyFromAltitudeTableExecute() {}

}  // namespace korvado
