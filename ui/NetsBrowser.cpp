// The nets browser's window: its controls, menus, tool bar and settings.

#include "NetsBrowser.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPointer>
#include <QStyle>
#include <QVBoxLayout>

#include "CommandGuard.h"
#include "MakeAction.h"
#include "NumberColumns.h"
#include "PageHost.h"
#include "SettingsFile.h"
#include "WindowPlacement.h"

namespace korvado {

namespace {

const QString kSettingsSection = QStringLiteral("NetsBrowser");

struct ListColumn {
  int width;
  Qt::Alignment alignment;
};

constexpr ListColumn kListColumnLayout[] = {
    {60, Qt::AlignLeft},  {95, Qt::AlignLeft},  {95, Qt::AlignLeft},
    {95, Qt::AlignRight}, {95, Qt::AlignRight}, {80, Qt::AlignRight},
};

// The width a column needs to show its title whole.
int TitleWidth(const QTreeWidget& list, const QString& title) {
  const QHeaderView* header = list.header();
  const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
  return header->fontMetrics().horizontalAdvance(title) + 2 * margin + 8;
}

}  // namespace

TNetsBrowser::TNetsBrowser(AppState& state, PageHost& host, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                          Qt::WindowCloseButtonHint),
      host_(host),
      state_(state) {
  setWindowTitle(QString::fromUtf8(kBrowserCaption));
  setSizeGripEnabled(false);
  resize(566, 383);
  CreateActions();
  CreateMenus();
  CreateBand();
  CreateViews();
  CreateStatusBar();
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->setMenuBar(MainMenu);
  layout->addWidget(Panel1);
  layout->addWidget(Splitter1, 1);
  layout->addWidget(StatusBar1);
  ConnectHandlers();
  ReadSettings();
  QPointer<TNetsBrowser> self(this);
  host_.AddExitSettingsWriter([self](SettingsFile& ini) {
    if (self) self->WriteSettings(ini);
  });
}

void TNetsBrowser::CreateActions() {
  acClose = MakeAction(this, "Закр&ыть", QKeySequence(Qt::CTRL | Qt::Key_F4));
  acAddNet = MakeAction(this, "Доба&вить сеть...");
  acRenameNet = MakeAction(this, "Пере&именовать сеть...");
  acCopyNet = MakeAction(this, "К&опировать сеть");
  acPasteNet = MakeAction(this, "Вс&тавить сеть");
  acDelNet = MakeAction(this, "Уд&алить сеть");
  acCopySec = MakeAction(this, "К&опировать звено");
  acPasteSec = MakeAction(this, "Вс&тавить звено");
  acDelSection = MakeAction(this, "Уд&алить звено");
  acCopyDetSec = MakeAction(this, "К&опировать штатив");
  acPasteDetSec = MakeAction(this, "Вс&тавить штатив");
  acDelDetSection = MakeAction(this, "Уд&алить штатив");
  acAddPendentPoint = MakeAction(this, "Доба&вить висячую точку");
  // A pendent run added by mistake must be removable from the window.
  acDelPendentPoint = MakeAction(this, "Уд&алить висячую точку");
  acNetsLevel = MakeAction(this, "Подняться на уровень сети", QKeySequence(Qt::CTRL | Qt::Key_N));
  acNetsLevel->setToolTip(acNetsLevel->text());
  acNetsLevel->setIcon(style()->standardIcon(QStyle::SP_FileDialogToParent));
  // Shortcuts work while the window is active, whichever control has the focus.
  addActions({acClose, acNetsLevel});
}

void TNetsBrowser::CreateMenus() {
  MainMenu = new QMenuBar(this);
  BrowserMenu = MainMenu->addMenu(QStringLiteral("Бр&оузер    "));
  BrowserMenu->addAction(acClose);
  NetMenu = MainMenu->addMenu(QStringLiteral("С&еть"));
  NetMenu->addActions({acAddNet, acRenameNet});
  NetMenu->addSeparator();
  NetMenu->addActions({acCopyNet, acPasteNet});
  NetMenu->addSeparator();
  NetMenu->addAction(acDelNet);
  SectionMenu = MainMenu->addMenu(QStringLiteral("З&вено"));
  SectionMenu->addActions({acCopySec, acPasteSec});
  SectionMenu->addSeparator();
  SectionMenu->addAction(acDelSection);
  RunMenu = MainMenu->addMenu(QStringLiteral("Ш&татив"));
  RunMenu->addActions({acCopyDetSec, acPasteDetSec});
  RunMenu->addSeparator();
  RunMenu->addAction(acDelDetSection);
  PendentMenu = MainMenu->addMenu(QStringLiteral("Вис&ячка"));
  PendentMenu->addActions({acAddPendentPoint, acDelPendentPoint});
}

void TNetsBrowser::CreateBand() {
  Panel1 = new QWidget(this);
  Panel1->setFixedHeight(30);
  ComboBox1 = new QComboBox(Panel1);
  ComboBox1->setEditable(false);
  ComboBox1->setFixedWidth(240);
  ToolBar1 = new QToolBar(Panel1);
  ToolBar1->setIconSize(QSize(16, 16));
  ToolBar1->addAction(acNetsLevel);
  auto* layout = new QHBoxLayout(Panel1);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->setSpacing(4);
  layout->addWidget(ComboBox1);
  layout->addWidget(ToolBar1, 1);
}

void TNetsBrowser::CreateViews() {
  Splitter1 = new QSplitter(Qt::Horizontal, this);
  Splitter1->setHandleWidth(3);
  Splitter1->setChildrenCollapsible(false);
  NetsTree = new QTreeWidget(Splitter1);
  NetsTree->setHeaderHidden(true);
  NetsTree->setIndentation(19);
  NetsTree->setMinimumWidth(1);
  NetsTree->setEditTriggers(QAbstractItemView::NoEditTriggers);
  NetsTree->setSelectionMode(QAbstractItemView::SingleSelection);
  // A long section caption scrolls sideways rather than being cut short.
  NetsTree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  NetsTree->header()->setStretchLastSection(false);

  ListView1 = new QTreeWidget(Splitter1);
  ListView1->setRootIsDecorated(false);
  ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
  ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
  ListView1->header()->setStretchLastSection(false);
  QStringList titles{QString::fromUtf8(kSectionNumberColumn)};
  for (const char* title : kListColumns) titles << QString::fromUtf8(title);
  ListView1->setHeaderLabels(titles);
  // The first column carries either caption; no title shows cut off.
  const QString runNumber = QString::fromUtf8(kRunNumberColumn);
  for (int c = 0; c < static_cast<int>(std::size(kListColumnLayout)); ++c) {
    int width = qMax(kListColumnLayout[c].width, TitleWidth(*ListView1, titles[c]));
    if (c == 0) width = qMax(width, TitleWidth(*ListView1, runNumber));
    ListView1->setColumnWidth(c, width);
    ListView1->headerItem()->setTextAlignment(c, kListColumnLayout[c].alignment | Qt::AlignVCenter);
  }
  FitNumberColumns(ListView1, {{3, WidestSetups()}, {4, WidestHeight()}, {5, WidestRecordRef()}});
  ListView1->installEventFilter(this);

  Splitter1->addWidget(NetsTree);
  Splitter1->addWidget(ListView1);
  // A larger window widens the list; the tree keeps the width the user gave it.
  Splitter1->setStretchFactor(0, 0);
  Splitter1->setStretchFactor(1, 1);
}

void TNetsBrowser::CreateStatusBar() {
  StatusBar1 = new QStatusBar(this);
  StatusBar1->setSizeGripEnabled(true);
  for (int i = 0; i < 3; ++i) {
    auto* panel = new QLabel(StatusBar1);
    panel->setFixedWidth(50);
    StatusBar1->addWidget(panel);
  }
}

void TNetsBrowser::ConnectHandlers() {
  ConnectCommand(NetsTree, &QTreeWidget::itemSelectionChanged, this, &TNetsBrowser::NetsTreeChange);
  ConnectCommand(ListView1, &QTreeWidget::itemSelectionChanged, this, &TNetsBrowser::ListView1SelectItem);
  ConnectCommand(ListView1, &QTreeWidget::itemDoubleClicked, this, &TNetsBrowser::ListView1DblClick);
  ConnectCommand(ComboBox1, &QComboBox::activated, this, &TNetsBrowser::ComboBox1Click);
  ConnectCommand(acClose, &QAction::triggered, this, &TNetsBrowser::acCloseExecute);
  ConnectCommand(acAddNet, &QAction::triggered, this, &TNetsBrowser::acAddNetExecute);
  ConnectCommand(acRenameNet, &QAction::triggered, this, &TNetsBrowser::acRenameNetExecute);
  ConnectCommand(acCopyNet, &QAction::triggered, this, &TNetsBrowser::acCopyNetExecute);
  ConnectCommand(acPasteNet, &QAction::triggered, this, &TNetsBrowser::acPasteNetExecute);
  ConnectCommand(acDelNet, &QAction::triggered, this, &TNetsBrowser::acDelNetExecute);
  ConnectCommand(acCopySec, &QAction::triggered, this, &TNetsBrowser::acCopySecExecute);
  ConnectCommand(acPasteSec, &QAction::triggered, this, &TNetsBrowser::acPasteSecExecute);
  ConnectCommand(acDelSection, &QAction::triggered, this, &TNetsBrowser::acDelSectionExecute);
  ConnectCommand(acCopyDetSec, &QAction::triggered, this, &TNetsBrowser::acCopyDetSecExecute);
  ConnectCommand(acPasteDetSec, &QAction::triggered, this, &TNetsBrowser::acPasteDetSecExecute);
  ConnectCommand(acDelDetSection, &QAction::triggered, this, &TNetsBrowser::acDelDetSectionExecute);
  ConnectCommand(acAddPendentPoint, &QAction::triggered, this, &TNetsBrowser::acAddPendentPointExecute);
  ConnectCommand(acDelPendentPoint, &QAction::triggered, this, &TNetsBrowser::acDelPendentPointExecute);
  ConnectCommand(acNetsLevel, &QAction::triggered, this, &TNetsBrowser::acNetsLevelExecute);
}

void TNetsBrowser::ReadSettings() {
  const SettingsFile& ini = host_.Settings();
  if (ini.ReadBool(kSettingsSection, QStringLiteral("wsMaximized"), false)) {
    setWindowState(Qt::WindowMaximized);
  } else {
    setWindowState(Qt::WindowNoState);
    RestoreWindowSize(this, ini, kSettingsSection, QSize(600, 450));
  }
  const int treeWidth = ini.ReadBounded(kSettingsSection, QStringLiteral("TreeWidth"), 160, 20, width() - 20);
  Splitter1->setSizes({treeWidth, qMax(1, width() - treeWidth - Splitter1->handleWidth())});
}

void TNetsBrowser::WriteSettings(SettingsFile& ini) const {
  if (isMaximized()) {
    ini.WriteBool(kSettingsSection, QStringLiteral("wsMaximized"), true);
  } else {
    ini.WriteBool(kSettingsSection, QStringLiteral("wsMaximized"), false);
    ini.WriteInteger(kSettingsSection, QStringLiteral("WindowWidth"), width());
    ini.WriteInteger(kSettingsSection, QStringLiteral("WindowHeight"), height());
  }
  ini.WriteInteger(kSettingsSection, QStringLiteral("TreeWidth"), Splitter1->sizes().value(0, NetsTree->width()));
}

void TNetsBrowser::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  KeepFrameOnScreen(this);
  RunGuarded([this] {
    ShowBrowser(browser_);
    FillTree();
    // The captions keep the text of the last node shown until a node is selected.
    setWindowTitle(QString::fromStdString(browser_.Caption));
    ListView1->headerItem()->setText(0, QString::fromStdString(browser_.FirstColumnCaption));
    UpdateActions();
    NetsTree->setFocus();
  });
}

void TNetsBrowser::hideEvent(QHideEvent* event) {
  QDialog::hideEvent(event);
  if (!event->spontaneous()) ClearViews();
}

bool TNetsBrowser::eventFilter(QObject* watched, QEvent* event) {
  if (watched == ListView1 && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      RunGuarded([this] { ListView1DblClick(); });
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace korvado
