#include "NetSystemPage.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QVBoxLayout>
#include <algorithm>

#include "ActiveSectionView.h"
#include "CommandGuard.h"
#include "EquiDlg.h"
#include "EquivalentCommands.h"
#include "FormatLimits.h"
#include "GridHeaderFit.h"
#include "KorIcons.h"
#include "NetNameDlg.h"
#include "NumberColumns.h"
#include "PageHost.h"
#include "ShowOutcome.h"
#include "TypePointDlg.h"

namespace korvado {

namespace {

QString FromUtf8(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

NetSystemPage::NetSystemPage(AppState& state, PageHost& host, QWidget* parent)
    : QWidget(parent), state_(state), host_(host) {
  BuildSearchPanel();
  BuildButtonPanel();
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(Panel2, 1);
  layout->addWidget(Panel1);
  ConnectHandlers();
}

void NetSystemPage::BuildSearchPanel() {
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
  FitRowHeight(FindStringGrid, 16);
  FindStringGrid->horizontalHeader()->setDefaultSectionSize(100);
  FitColumnsToTitles(FindStringGrid->horizontalHeader(), 100);
  FindStringGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  FindStringGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
  FindStringGrid->setSelectionMode(QAbstractItemView::SingleSelection);
  FitNumberColumns(FindStringGrid, {{1, WidestSetups()}, {2, WidestHeight()}});
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
  FitColumnsToTitles(DetSecListView->header(), 100);
  AlignNumbers(DetSecListView->headerItem(), {2, 3});
  FitNumberColumns(DetSecListView, {{2, WidestSetups()}, {3, WidestHeight()}});
  Splitter2->addWidget(Panel4);
  Splitter2->addWidget(DetSecListView);
  Splitter2->setSizes({152, 300});
  Splitter2->setStretchFactor(1, 1);
  auto* leftLayout = new QVBoxLayout(Panel2);
  leftLayout->setContentsMargins(0, 0, 0, 0);
  leftLayout->addWidget(Splitter2);
}

void NetSystemPage::BuildButtonPanel() {
  Panel1 = new QWidget(this);
  Panel1->setFixedWidth(241);
  btnAddNet = new QPushButton(QStringLiteral("Добавить сеть"), Panel1);
  btnAddNetSection = new QPushButton(QStringLiteral("Добавить звено"), Panel1);
  btnAddNetDTSection = new QPushButton(QStringLiteral("Добавить штатив"), Panel1);
  const auto glyphButton = [this] {
    auto* button = new QToolButton(Panel1);
    button->setFixedSize(25, 25);
    button->setIcon(KorIcon(kRunIcon));
    return button;
  };
  const auto equivalentButton = [this] {
    auto* button = new QToolButton(Panel1);
    button->setText(QStringLiteral("Эквивалентные штативы"));
    button->setAutoRaise(true);
    button->setMinimumWidth(std::max(140, button->sizeHint().width()));
    button->hide();
    return button;
  };
  AddEquiSecSpeedButton = glyphButton();
  EquiSecSpeedButton = equivalentButton();
  AddEquiSpeedButton = glyphButton();
  EquiSpeedButton = equivalentButton();
  btnBuildNet = new QPushButton(QStringLiteral("Построить сеть по журналу..."), Panel1);
  btnBuildNet->setToolTip(
      QStringLiteral("Вся сеть из записей журнала за один раз: звенья, эквивалентные штативы, "
                     "висячие точки и отметки реперов"));
  LabelActiveSection = new QLabel(QStringLiteral("Активное звено"), Panel1);
  Edit1 = new QLineEdit(Panel1);
  Edit1->setReadOnly(true);
  Edit1->setFixedWidth(60);
  UpDown1 = new UpDown(Panel1);
  // 0 stands for "no active section"; a click steps to a section that exists.
  UpDown1->SetMin(0);
  // The handler bounds the position by the section count of the net current
  // at that click; a maximum set earlier would be stale after a net switch.
  UpDown1->SetMax(kFormatCountLimit);
  UpDown1->SetAssociate(Edit1);
  ShowActiveSectionCounter();

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
  layout->addWidget(btnBuildNet, 7, 0, 1, 2);
  layout->setRowStretch(8, 1);
}

void NetSystemPage::AssignShortcuts() {
  const auto assign = [](QAbstractButton* button, const QKeySequence& key) {
    button->setShortcut(key);
    button->setToolTip(button->text() + QStringLiteral(" (") + key.toString(QKeySequence::NativeText) + ")");
  };
  assign(btnAddNet, QKeySequence(Qt::CTRL | Qt::Key_1));
  assign(btnAddNetSection, QKeySequence(Qt::CTRL | Qt::Key_2));
  assign(btnAddNetDTSection, QKeySequence(Qt::CTRL | Qt::Key_3));
  acEquivalentRuns = new QAction(QStringLiteral("Эквивалентные штативы"), this);
  acEquivalentRuns->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_4));
  acEquivalentRuns->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  addAction(acEquivalentRuns);
  const QString equivalentTip =
      QStringLiteral("Эквивалентные штативы (%1)").arg(acEquivalentRuns->shortcut().toString(QKeySequence::NativeText));
  for (QToolButton* button : {AddEquiSecSpeedButton, EquiSecSpeedButton, AddEquiSpeedButton, EquiSpeedButton})
    button->setToolTip(equivalentTip);
}

// Enter on a row of the search grid picks it as a double click does.
bool NetSystemPage::eventFilter(QObject* watched, QEvent* event) {
  if (watched == FindStringGrid && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && static_cast<QKeyEvent*>(event)->modifiers() == 0) {
      RunGuarded([this] { FindStringGridDblClick(); });
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void NetSystemPage::acEquivalentRunsExecute() {
  // Without a pick to continue, the section's merge says what is missing.
  const Result<PickCommand> command = DoubleClickCommand(state_);
  if (command.HasValue() && *command == PickCommand::AddRun)
    EquiSpeedButtonClick();
  else
    EquiSecSpeedButtonClick();
}

void NetSystemPage::ConnectHandlers() {
  AssignShortcuts();
  FindStringGrid->installEventFilter(this);
  ConnectCommand(acEquivalentRuns, &QAction::triggered, this, &NetSystemPage::acEquivalentRunsExecute);
  ConnectCommand(btnFind, &QPushButton::clicked, this, &NetSystemPage::btnFindClick);
  // Enter in the search box runs the search.
  connect(EditFindBP, &QLineEdit::returnPressed, btnFind, &QPushButton::click);
  ConnectCommand(FindStringGrid, &QTableWidget::cellDoubleClicked, this, &NetSystemPage::FindStringGridDblClick);
  ConnectCommand(btnAddNet, &QPushButton::clicked, this, &NetSystemPage::btnAddNetClick);
  ConnectCommand(btnAddNetSection, &QPushButton::clicked, this, &NetSystemPage::btnAddNetSectionClick);
  ConnectCommand(btnAddNetDTSection, &QPushButton::clicked, this, &NetSystemPage::btnAddNetDTSectionClick);
  ConnectCommand(UpDown1, &UpDown::clicked, this, &NetSystemPage::UpDown1Click);
  ConnectCommand(AddEquiSecSpeedButton, &QToolButton::clicked, this, &NetSystemPage::AddEquiSecSpeedButtonClick);
  ConnectCommand(EquiSecSpeedButton, &QToolButton::clicked, this, &NetSystemPage::EquiSecSpeedButtonClick);
  ConnectCommand(AddEquiSpeedButton, &QToolButton::clicked, this, &NetSystemPage::AddEquiSpeedButtonClick);
  ConnectCommand(EquiSpeedButton, &QToolButton::clicked, this, &NetSystemPage::EquiSpeedButtonClick);
}

TEquiDlg& NetSystemPage::EquiDlg() {
  if (!equiDlg_) equiDlg_ = new TEquiDlg(window());
  return *equiDlg_;
}

void NetSystemPage::TakeSelectedRow() { page_.CurrentRow = page_.Rows.empty() ? -1 : FindStringGrid->currentRow(); }

void NetSystemPage::ShowSearch() {
  EditFindBP->setText(FromUtf8(page_.FindText));
  FindStringGrid->clearContents();
  // With nothing found the grid keeps one empty row, as a string grid does.
  FindStringGrid->setRowCount(std::max<int>(1, static_cast<int>(page_.Rows.size())));
  for (int r = 0; r < static_cast<int>(page_.Rows.size()); ++r) {
    const SearchRow& row = page_.Rows[r];
    const std::string cells[] = {row.ForePoint, row.SetupsText, row.HeightText, row.Note};
    for (int c = 0; c < 4; ++c)
      FindStringGrid->setItem(
          r, c, c == 1 || c == 2 ? NumberItem(FromUtf8(cells[c])) : new QTableWidgetItem(FromUtf8(cells[c])));
  }
  if (page_.CurrentRow >= 0) FindStringGrid->setCurrentCell(page_.CurrentRow, 0);
  if (page_.FocusResults) FindStringGrid->setFocus();
}

void NetSystemPage::ShowAddedRun() {
  RefreshActiveSectionView();
  ShowSearch();
}

void NetSystemPage::btnFindClick() {
  page_.FindText = EditFindBP->text().toStdString();
  FindRuns(state_, page_);
  ShowSearch();
}

void NetSystemPage::btnAddNetClick() {
  TakeSelectedRow();
  const Result<PointTypeQuestion> question = PrepareAddNet(state_, page_);
  if (!ShowOutcome(question)) return;
  const std::optional<std::string> name = host_.NetNameDlg().AskName(QStringLiteral("Новая сеть"));
  if (!name) return;
  // A cancel here too leaves no net behind.
  const std::optional<PointTypeChoice> types = host_.TypePointDlg().Ask(*question);
  if (!types || !ShowOutcome(AddNetFromPick(state_, page_, *name, *types))) return;
  ShowAddedRun();
  host_.RefillNetSelector();
}

void NetSystemPage::btnAddNetSectionClick() {
  EquiSecSpeedButton->hide();
  TakeSelectedRow();
  const Result<PointTypeQuestion> question = PrepareAddSection(state_, page_);
  if (!ShowOutcome(question)) return;
  const std::optional<PointTypeChoice> types = host_.TypePointDlg().Ask(*question);
  if (types && ShowOutcome(AddSectionFromPick(state_, page_, *types))) ShowAddedRun();
}

void NetSystemPage::btnAddNetDTSectionClick() {
  EquiSpeedButton->hide();
  TakeSelectedRow();
  const Result<PointTypeQuestion> question = PrepareAddRun(state_, page_);
  if (!ShowOutcome(question)) return;
  const std::optional<PointTypeChoice> types = host_.TypePointDlg().Ask(*question);
  if (types && ShowOutcome(AppendRunFromPick(state_, page_, types->ForeType))) ShowAddedRun();
}

void NetSystemPage::FindStringGridDblClick() {
  const Result<PickCommand> command = DoubleClickCommand(state_);
  if (!ShowOutcome(command)) return;
  switch (*command) {
    case PickCommand::AddSection:
      btnAddNetSectionClick();
      break;
    case PickCommand::AddRun:
      btnAddNetDTSectionClick();
      break;
    case PickCommand::None:
      break;
  }
}

// Chooses the active section and shows its runs.
void NetSystemPage::UpDown1Click() {
  StepActiveSectionCounter(state_, UpDown1->Position());
  RefreshActiveSectionView();
}

void NetSystemPage::ShowActiveSection(int32_t section) {
  UpDown1->SetPosition(StepActiveSectionCounter(state_, section + 1));
  RefreshActiveSectionView();
}

void NetSystemPage::ShowActiveSectionCounter() {
  UpDown1->SetPosition(HasActiveSection(state_) ? state_.ActiveSectionIndex + 1 : 0);
  if (UpDown1->Position() == 0) Edit1->clear();
}

void NetSystemPage::AddEquiSecSpeedButtonClick() { EquiSecSpeedButton->show(); }

void NetSystemPage::AddEquiSpeedButtonClick() { EquiSpeedButton->show(); }

void NetSystemPage::EquiSecSpeedButtonClick() {
  EquiSecSpeedButton->hide();
  TakeSelectedRow();
  if (!ShowOutcome(CanMergeForNewSection(state_, page_))) return;
  TEquiDlg& equi = EquiDlg();
  if (!equi.Execute(OpenEquiDialog(state_, page_))) return;
  const Result<PointTypeQuestion> question = PrepareEquiSection(state_, equi.Result());
  if (!ShowOutcome(question)) return;
  const std::optional<PointTypeChoice> types = host_.TypePointDlg().Ask(*question);
  if (types && ShowOutcome(AddEquiSection(state_, page_, equi.Result(), *types))) ShowAddedRun();
}

void NetSystemPage::EquiSpeedButtonClick() {
  EquiSpeedButton->hide();
  TakeSelectedRow();
  if (!ShowOutcome(CanMergeForActiveSection(state_, page_))) return;
  TEquiDlg& equi = EquiDlg();
  if (!equi.Execute(OpenEquiDialog(state_, page_))) return;
  const Result<PointTypeQuestion> question = PrepareEquiRun(state_, equi.Result());
  if (!ShowOutcome(question)) return;
  const std::optional<PointTypeChoice> types = host_.TypePointDlg().Ask(*question);
  if (types && ShowOutcome(AppendEquiRun(state_, page_, equi.Result(), types->ForeType))) ShowAddedRun();
}

void NetSystemPage::RefreshActiveSectionView() {
  ShowActiveSectionCounter();
  DetSecListView->clear();
  for (const SectionRunRow& row : ActiveSectionRows(state_)) {
    auto* item = new QTreeWidgetItem(DetSecListView);
    item->setIcon(0, KorIcon(row.BackIcon));
    item->setText(0, FromUtf8(row.BackPoint));
    item->setIcon(1, KorIcon(row.ForeIcon));
    item->setText(1, FromUtf8(row.ForePoint));
    item->setText(2, FromUtf8(row.SetupsText));
    item->setText(3, FromUtf8(row.HeightText));
    AlignNumbers(item, {2, 3});
  }
}

void NetSystemPage::ShowClosedData() {
  EditFindBP->clear();
  btnFindClick();
  RefreshActiveSectionView();
}

void NetSystemPage::ContinueSearch() {
  korvado::ContinueSearch(state_, page_);
  ShowSearch();
}

}  // namespace korvado
