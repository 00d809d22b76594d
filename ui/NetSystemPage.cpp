#include "NetSystemPage.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include "CommandGuard.h"
#include "KorIcons.h"
#include "MainForm.h"

namespace korvado {

TNetSystemPage::TNetSystemPage(AppState& state, TMainForm& form, QWidget* parent)
    : QWidget(parent), state_(state), form_(form) {
  BuildSearchPanel();
  BuildButtonPanel();
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(Panel2, 1);
  layout->addWidget(Panel1);
  ConnectHandlers();
}

void TNetSystemPage::BuildSearchPanel() {
  Panel2 = new QWidget(this);
  Splitter2 = new QSplitter(Qt::Vertical, Panel2);
  Splitter2->setChildrenCollapsible(false);
  Panel4 = new QWidget(Splitter2);
  Panel5 = new QWidget(Panel4);
  Panel5->setFixedWidth(100);
  LabelFindBP = new QLabel(QStringLiteral("Задняя точка"), Panel5);
  EditFindBP = new QLineEdit(Panel5);
  btnFind = new QPushButton(QStringLiteral("Найти"), Panel5);
  auto* searchLayout = new QVBoxLayout(Panel5);
  searchLayout->setContentsMargins(4, 4, 4, 4);
  searchLayout->addWidget(LabelFindBP);
  searchLayout->addWidget(EditFindBP);
  searchLayout->addWidget(btnFind);
  searchLayout->addStretch(1);

  FindStringGrid = new QTableWidget(1, 4, Panel4);
  FindStringGrid->setHorizontalHeaderLabels({QStringLiteral(" Передняя точка"), QStringLiteral(" Число штативов"),
                                             QStringLiteral(" Превышение"), QStringLiteral(" Примечания")});
  FindStringGrid->verticalHeader()->hide();
  FindStringGrid->verticalHeader()->setMinimumSectionSize(1);
  FindStringGrid->verticalHeader()->setDefaultSectionSize(16);
  FindStringGrid->horizontalHeader()->setDefaultSectionSize(100);
  FindStringGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  FindStringGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
  FindStringGrid->setSelectionMode(QAbstractItemView::SingleSelection);
  auto* topLayout = new QHBoxLayout(Panel4);
  topLayout->setContentsMargins(0, 0, 0, 0);
  topLayout->addWidget(Panel5);
  topLayout->addWidget(FindStringGrid, 1);

  DetSecListView = new QTreeWidget(Splitter2);
  DetSecListView->setRootIsDecorated(false);
  DetSecListView->header()->setStretchLastSection(false);
  DetSecListView->setColumnCount(4);
  DetSecListView->setHeaderLabels({QStringLiteral("Задняя точка"), QStringLiteral("Передняя точка"),
                                   QStringLiteral("Число штативов"), QStringLiteral("Превышение")});
  for (int c = 0; c < 4; ++c) DetSecListView->setColumnWidth(c, 100);
  for (int c : {2, 3}) DetSecListView->headerItem()->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
  Splitter2->addWidget(Panel4);
  Splitter2->addWidget(DetSecListView);
  Splitter2->setSizes({152, 300});
  Splitter2->setStretchFactor(1, 1);
  auto* leftLayout = new QVBoxLayout(Panel2);
  leftLayout->setContentsMargins(0, 0, 0, 0);
  leftLayout->addWidget(Splitter2);
}

void TNetSystemPage::BuildButtonPanel() {
  Panel1 = new QWidget(this);
  Panel1->setFixedWidth(241);
  btnAddNet = new QPushButton(QStringLiteral("Добавить сеть"), Panel1);
  btnAddNetSection = new QPushButton(QStringLiteral("Добавить звено"), Panel1);
  btnAddNetDTSection = new QPushButton(QStringLiteral("Добавить штатив"), Panel1);
  const auto glyphButton = [this] {
    auto* button = new QToolButton(Panel1);
    button->setFixedSize(25, 25);
    button->setIcon(KorIcon(kIconRun));
    return button;
  };
  const auto equivalentButton = [this] {
    auto* button = new QToolButton(Panel1);
    button->setText(QStringLiteral("Эквивалентные штативы"));
    button->setAutoRaise(true);
    button->setFixedWidth(140);
    button->hide();
    return button;
  };
  AddEquiSecSpeedButton = glyphButton();
  EquiSecSpeedButton = equivalentButton();
  AddEquiSpeedButton = glyphButton();
  EquiSpeedButton = equivalentButton();
  LabelActiveSection = new QLabel(QStringLiteral("Активное звено"), Panel1);
  Edit1 = new QLineEdit(Panel1);
  Edit1->setReadOnly(true);
  Edit1->setFixedWidth(60);
  UpDown1 = new TUpDown(Panel1);
  UpDown1->SetMin(1);
  UpDown1->SetAssociate(Edit1);
  UpDown1->SetPosition(1);

  auto* counter = new QHBoxLayout;
  counter->setSpacing(0);
  counter->addWidget(Edit1);
  counter->addWidget(UpDown1);
  counter->addStretch(1);
  auto* layout = new QGridLayout(Panel1);
  layout->setContentsMargins(8, 8, 8, 8);
  layout->addWidget(btnAddNet, 0, 0);
  layout->addWidget(btnAddNetSection, 1, 0);
  layout->addWidget(AddEquiSecSpeedButton, 1, 1);
  layout->addWidget(EquiSecSpeedButton, 2, 0);
  layout->addWidget(btnAddNetDTSection, 3, 0);
  layout->addWidget(AddEquiSpeedButton, 3, 1);
  layout->addWidget(EquiSpeedButton, 4, 0);
  layout->addWidget(LabelActiveSection, 5, 0);
  layout->addLayout(counter, 6, 0);
  layout->setRowStretch(7, 1);
}

void TNetSystemPage::ConnectHandlers() {
  ConnectCommand(btnFind, &QPushButton::clicked, this, &TNetSystemPage::btnFindClick);
  // Enter in the search box runs the search.
  connect(EditFindBP, &QLineEdit::returnPressed, btnFind, &QPushButton::click);
  ConnectCommand(FindStringGrid, &QTableWidget::cellDoubleClicked, this, &TNetSystemPage::FindStringGridDblClick);
  ConnectCommand(btnAddNet, &QPushButton::clicked, this, &TNetSystemPage::btnAddNetClick);
  ConnectCommand(btnAddNetSection, &QPushButton::clicked, this, &TNetSystemPage::btnAddNetSectionClick);
  ConnectCommand(btnAddNetDTSection, &QPushButton::clicked, this, &TNetSystemPage::btnAddNetDTSectionClick);
  ConnectCommand(UpDown1, &TUpDown::clicked, this, &TNetSystemPage::UpDown1Click);
  ConnectCommand(AddEquiSecSpeedButton, &QToolButton::clicked, this, &TNetSystemPage::AddEquiSecSpeedButtonClick);
  ConnectCommand(EquiSecSpeedButton, &QToolButton::clicked, this, &TNetSystemPage::EquiSecSpeedButtonClick);
  ConnectCommand(AddEquiSpeedButton, &QToolButton::clicked, this, &TNetSystemPage::AddEquiSpeedButtonClick);
  ConnectCommand(EquiSpeedButton, &QToolButton::clicked, this, &TNetSystemPage::EquiSpeedButtonClick);
}

// The handlers below belong to net construction and the equivalent setups.
void TNetSystemPage::btnFindClick() {}
void TNetSystemPage::btnAddNetClick() {}
void TNetSystemPage::btnAddNetSectionClick() {}
void TNetSystemPage::btnAddNetDTSectionClick() {}
void TNetSystemPage::FindStringGridDblClick() {}
void TNetSystemPage::UpDown1Click() {}
void TNetSystemPage::AddEquiSecSpeedButtonClick() {}
void TNetSystemPage::EquiSecSpeedButtonClick() {}
void TNetSystemPage::AddEquiSpeedButtonClick() {}
void TNetSystemPage::EquiSpeedButtonClick() {}
void TNetSystemPage::RefreshActiveSectionView() {}
void TNetSystemPage::ContinueSearch() {}

}  // namespace korvado
