#include "AdjustmentPage.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include "CommandGuard.h"
#include "MainForm.h"

namespace korvado {

TAdjustmentPage::TAdjustmentPage(AppState& state, TMainForm& form, QWidget* parent)
    : QWidget(parent), state_(state), form_(form) {
  EquateListView = new QTreeWidget(this);
  EquateListView->setRootIsDecorated(false);
  EquateListView->header()->setStretchLastSection(false);
  EquateListView->setColumnCount(4);
  EquateListView->setHeaderLabels({QStringLiteral("Название точки"), QStringLiteral("Отметка"), QString(), QString()});
  for (int c = 0; c < 4; ++c) EquateListView->setColumnWidth(c, 100);

  Panel3 = new QWidget(this);
  btnUpDateSeries = new QPushButton(QStringLiteral("Создание нулевых отметок"), Panel3);
  btnInputAltitude = new QPushButton(QStringLiteral("Ввод отметок жестких пунктов"), Panel3);
  btnEquate = new QPushButton(QStringLiteral("Одна итерация уравнивания"), Panel3);
  auto* buttons = new QHBoxLayout(Panel3);
  buttons->setContentsMargins(4, 4, 4, 4);
  for (QPushButton* button : {btnUpDateSeries, btnInputAltitude, btnEquate}) buttons->addWidget(button);
  buttons->addStretch(1);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(EquateListView, 1);
  layout->addWidget(Panel3);

  ConnectCommand(btnUpDateSeries, &QPushButton::clicked, this, &TAdjustmentPage::btnUpDateSeriesClick);
  ConnectCommand(btnInputAltitude, &QPushButton::clicked, this, &TAdjustmentPage::btnInputAltitudeClick);
  ConnectCommand(btnEquate, &QPushButton::clicked, this, &TAdjustmentPage::btnEquateClick);
}

// The handlers below belong to the point table and the adjustment sweep.
void TAdjustmentPage::btnUpDateSeriesClick() {}
void TAdjustmentPage::btnInputAltitudeClick() {}
void TAdjustmentPage::btnEquateClick() {}

}  // namespace korvado
