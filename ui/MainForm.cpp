#include "MainForm.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>

#include "AboutBox.h"
#include "AccuracyView.h"
#include "AdjustmentPage.h"
#include "Autosave.h"
#include "BackgroundTask.h"
#include "CommandGuard.h"
#include "ElevationPage.h"
#include "JournalPage.h"
#include "KorIcons.h"
#include "KorvadoApplication.h"
#include "LoopsDock.h"
#include "MakeAction.h"
#include "NetConstructionCommands.h"
#include "NetDiagramPage.h"
#include "NetNameDlg.h"
#include "NetSystemPage.h"
#include "PassingRemark.h"
#include "TypePointDlg.h"
#include "WindowPlacement.h"

namespace korvado {

namespace {

// Room for the four page tabs and every column of the journal grids.
constexpr QSize kDefaultSize(1024, 720);

}  // namespace

TMainForm::TMainForm(const QString& settingsPath, QWidget* parent) : QMainWindow(parent) {
  setWindowTitle(ApplicationTitle() + QStringLiteral("[*]"));
  setWindowIcon(ProgramIcon());
  settings_ = std::make_unique<SettingsFile>(settingsPath);
  CreateActions();
  CreateMenus();
  CreateToolBars();
  CreateStatusBar();
  CreatePages();
  CreateAccuracyView();
  CreatePanes();
  CreateEditMenu();
  ConnectActions();
  ApplySettings();
  StartAutosave();
  // The mark follows the history's notice rather than looking after every event.
  connect(this, &TMainForm::cleanStateChanged, this, &TMainForm::ShowChangedMark);
  state_.History.SetCleanObserver([this](bool clean) { emit cleanStateChanged(clean); });
}

TMainForm::~TMainForm() { state_.History.SetCleanObserver({}); }

void TMainForm::CreateActions() {
  acNew = MakeAction(this, "&Новый файл данных", QKeySequence(Qt::CTRL | Qt::Key_N));
  acNew->setIcon(style()->standardIcon(QStyle::SP_FileIcon));
  acOpen = MakeAction(this, "&Открыть...", QKeySequence(Qt::CTRL | Qt::Key_O));
  acOpen->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
  acSave = MakeAction(this, "&Сохранить", QKeySequence(Qt::CTRL | Qt::Key_S));
  acSave->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
  acSaveAs = MakeAction(this, "Сохранить &Как...");
  acCloseData = MakeAction(this, "Зак&рыть");
  acPrintReport = MakeAction(this, "&Печать отчёта...", QKeySequence(Qt::CTRL | Qt::Key_P));
  acExportReportPdf = MakeAction(this, "&Экспорт отчёта в PDF...");
  acExportXlsx = MakeAction(this, "Экспорт в Excel (.&xlsx)...");
  acExit = MakeAction(this, "В&ыход", QKeySequence(Qt::ALT | Qt::Key_X));
  acTechTableKor = MakeAction(this, "Таблица для те&хнического нивелирования");
  acTechTableKor->setCheckable(true);
  acInputMode = MakeAction(this, "Режим &ввода исходных данных");
  acInputMode->setCheckable(true);
  acUpDateNets = MakeAction(this, "Об&новить данные нивелирных сетей");
  acAdd = MakeAction(this, "До&бавить запись в конец");
  acAdd->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)});
  acInsert = MakeAction(this, "В&ставить запись", QKeySequence(Qt::CTRL | Qt::Key_Insert));
  acDeleteRec = MakeAction(this, "У&далить запись", QKeySequence(Qt::CTRL | Qt::Key_Delete));
  acCopyDataToClipbrdExcel = MakeAction(this, "Коп&ировать данные в буфер обмена для Excel");
  acCopyDataToClipbrdExcel->setEnabled(false);
  acPasteDataFromClipbrdExcel = MakeAction(this, "Вс&тавить данные из Excel через буфер обмена");
  acNetsBrowser = MakeAction(this, "Бр&оузер сетей");
  acNetsBrowser->setIcon(KorIcon(kNetIcon));
  acBuildNetFromJournal = MakeAction(this, "Построить сеть по &журналу...");
  acSelectAltitudeTable = MakeAction(this, "Выделить всю таблицу", QKeySequence(Qt::CTRL | Qt::Key_A));
  acSelectAltitudeTable->setIcon(SelectAllIcon());
  acSelectAltitudeTable->setToolTip(QStringLiteral("Выделить всю таблицу (Ctrl+A)"));
  acCopyFromAltitudeTable = MakeAction(this, "Копировать");
  // Ctrl+C is the copy every program knows; Ctrl+Z stays for those used to it.
  acCopyFromAltitudeTable->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_Z)});
  acCopyFromAltitudeTable->setIcon(CopyIcon());
  acCopyFromAltitudeTable->setToolTip(QStringLiteral("Копировать (Ctrl+C или Ctrl+Z)"));
  acOpenExample = MakeAction(this, "Открыть &пример");
  acAbout = MakeAction(this, "О &программе...");
  acImportLevel = MakeAction(this, "&Импорт измерений цифрового нивелира...");
  // Short captions for the tool bar, where the way from a level's file to the
  // statement is one click a step.
  acBuildNetFromJournal->setIconText(QStringLiteral("Сеть по журналу"));
  acImportLevel->setIconText(QStringLiteral("Импорт"));
  acExportReportPdf->setIconText(QStringLiteral("PDF"));
  acMonitoringProject = MakeAction(this, "Проект &мониторинга...");
}

void TMainForm::CreateMenus() {
  QMenu* fileMenu = menuBar()->addMenu(QStringLiteral("&Файл"));
  fileMenu->addAction(acNew);
  fileMenu->addSeparator();
  fileMenu->addAction(acOpen);
  fileMenu->addAction(acImportLevel);
  fileMenu->addSeparator();
  fileMenu->addActions({acSave, acSaveAs});
  fileMenu->addSeparator();
  fileMenu->addAction(acCloseData);
  fileMenu->addSeparator();
  fileMenu->addActions({acPrintReport, acExportReportPdf, acExportXlsx});
  fileMenu->addSeparator();
  fileMenu->addAction(acMonitoringProject);
  fileMenu->addSeparator();
  fileMenu->addAction(acExit);

  QMenu* dataMenu = menuBar()->addMenu(QStringLiteral("Д&анные"));
  dataMenu->addAction(acTechTableKor);
  dataMenu->addSeparator();
  dataMenu->addActions({acInputMode, acUpDateNets});
  dataMenu->addSeparator();
  dataMenu->addActions({acAdd, acInsert});
  dataMenu->addSeparator();
  dataMenu->addAction(acDeleteRec);
  dataMenu->addSeparator();
  dataMenu->addActions({acCopyDataToClipbrdExcel, acPasteDataFromClipbrdExcel});

  netMenu_ = menuBar()->addMenu(QStringLiteral("С&еть"));
  netMenu_->addAction(acBuildNetFromJournal);
  netMenu_->addAction(acNetsBrowser);
  QMenu* help = menuBar()->addMenu(QStringLiteral("&Справка"));
  help->addAction(acOpenExample);
  help->addSeparator();
  help->addAction(acAbout);
}

void TMainForm::CreateToolBars() {
  ToolBar3 = addToolBar(QStringLiteral("Файл"));
  ToolBar3->setObjectName("ToolBar3");
  ToolBar3->setIconSize(QSize(16, 16));
  ToolBar3->addAction(acNew);
  ToolBar3->addSeparator();
  ToolBar3->addAction(acOpen);
  ToolBar3->addSeparator();
  ToolBar3->addAction(acSave);
  ToolBar3->addSeparator();
  ToolBar3->addAction(acImportLevel);
  ToolBar3->addAction(acExportReportPdf);

  ToolBar1 = addToolBar(QStringLiteral("Сеть"));
  ToolBar1->setObjectName("ToolBar1");
  ToolBar1->setIconSize(QSize(16, 16));
  ToolBar1->addAction(acNetsBrowser);
  ToolBar1->addAction(acBuildNetFromJournal);
  ToolBar1->addSeparator();
  ComboBox1 = new QComboBox(ToolBar1);
  ComboBox1->setEditable(false);
  ComboBox1->setFixedWidth(282);
  ToolBar1->addWidget(ComboBox1);
}

void TMainForm::CreateStatusBar() {
  StatusPanel1 = new QLabel(this);
  StatusPanel1->setFixedWidth(70);
  StatusPanel2 = new QLabel(this);
  StatusPanel2->setMinimumWidth(100);
  statusBar()->addWidget(StatusPanel1);
  statusBar()->addWidget(StatusPanel2, 1);
}

void TMainForm::CreatePages() {
  PageControl1 = new QTabWidget(this);
  PageControl1->setTabPosition(QTabWidget::South);
  journalPage = new JournalPage(state_, acInputMode, acTechTableKor, PageControl1);
  netSystemPage = new NetSystemPage(state_, *this, PageControl1);
  adjustmentPage = new AdjustmentPage(state_, PageControl1);
  elevationPage = new ElevationPage(state_, acSelectAltitudeTable, acCopyFromAltitudeTable, PageControl1);
  // A click in the elevation table refreshes the reading grid, as a click in the main grid does.
  ConnectCommand(elevationPage, &ElevationPage::tableClicked, journalPage, &JournalPage::MainStringGridClick);
  PageControl1->addTab(journalPage, QStringLiteral("Исходные данные"));
  PageControl1->addTab(netSystemPage, QStringLiteral("Система нивелирных ходов"));
  PageControl1->addTab(adjustmentPage, QStringLiteral("Уравнивание нивелирной сети"));
  PageControl1->addTab(elevationPage, QStringLiteral("Отметки точек"));
  setCentralWidget(PageControl1);
}

void TMainForm::CreateAccuracyView() {
  accuracyView = new AccuracyView(state_, Settings(), this);
  addDockWidget(Qt::BottomDockWidgetArea, accuracyView);
  accuracyView->hide();
  acLeastSquares = MakeAction(this, "Уравнять по &МНК");
  ConnectCommand(acLeastSquares, &QAction::triggered, adjustmentPage, &AdjustmentPage::btnLeastSquaresClick);
  ConnectCommand(accuracyView->btnLeastSquares, &QPushButton::clicked, adjustmentPage,
                 &AdjustmentPage::btnLeastSquaresClick);
  connect(adjustmentPage, &AdjustmentPage::leastSquaresShown, this, [this] {
    PageControl1->setCurrentWidget(adjustmentPage);
    // A hidden view refreshes as it becomes visible.
    if (accuracyView->isVisible()) accuracyView->Refresh();
    accuracyView->show();
    accuracyView->raise();
  });
  connect(accuracyView, &AccuracyView::sectionChosen, this, [this](int32_t net, int32_t section) {
    PageControl1->setCurrentWidget(elevationPage);
    elevationPage->ShowSections(net, {section});
  });
  // After the window has taken the new current net; a hidden view waits until it is shown.
  const auto refreshShown = [this] {
    if (accuracyView->isVisible()) accuracyView->Refresh();
  };
  connect(ComboBox1, &QComboBox::activated, accuracyView, refreshShown, Qt::QueuedConnection);
  connect(PageControl1, &QTabWidget::currentChanged, accuracyView, refreshShown, Qt::QueuedConnection);
  acLeastSquares->setIconText(QStringLiteral("МНК"));
  ToolBar1->addAction(acLeastSquares);
  netMenu_->addSeparator();
  netMenu_->addAction(acLeastSquares);
  netMenu_->addAction(accuracyView->toggleViewAction());
}

// Panes that sit beside the pages, each shown from the «Сеть» menu.
void TMainForm::CreatePanes() {
  LoopsPane = new LoopsDock(state_, *this, this);
  addDockWidget(Qt::BottomDockWidgetArea, LoopsPane);
  LoopsPane->hide();
  netMenu_->addAction(LoopsPane->toggleViewAction());
  connect(adjustmentPage, &AdjustmentPage::statusMessage, this,
          [this](const QString& text) { statusBar()->showMessage(text, kPassingRemarkMilliseconds); });
  DiagramPage = new NetDiagramPage(state_, Settings(), BackgroundTask::Of(*this), PageControl1);
  PageControl1->addTab(DiagramPage, QStringLiteral("Схема сети"));
  connect(LoopsPane, &LoopsDock::LoopSelected, this, [this](int net, const std::vector<int32_t>& sections) {
    RunGuarded([&] {
      elevationPage->ShowSections(net, sections);
      DiagramPage->HighlightLoop(net, sections);
    });
  });
  ConnectCommand(adjustmentPage, &AdjustmentPage::leastSquaresShown, DiagramPage,
                 &NetDiagramPage::RedrawWithLeastSquares);
  ConnectCommand(accuracyView, &AccuracyView::sigmaChanged, DiagramPage, &NetDiagramPage::RedrawWithLeastSquares);
  connect(accuracyView, &AccuracyView::sectionToShow, this, [this](int32_t net, int32_t section) {
    RunGuarded([&] {
      // The page first, so that the view has its size when it zooms.
      PageControl1->setCurrentWidget(DiagramPage);
      DiagramPage->ShowSection(net, section);
    });
  });
  connect(DiagramPage, &NetDiagramPage::SectionClicked, this,
          [this](int net, int section) { RunGuarded([&] { SelectSectionOnPages(net, section); }); });
}

// A section clicked on the diagram: its elevations on «Отметки точек», and
// on the construction page the active section when the net is the current one.
void TMainForm::SelectSectionOnPages(int net, int section) {
  elevationPage->ShowSections(net, {section});
  if (net != state_.CurrentNetIndex) return;
  netSystemPage->ShowActiveSection(section);
}

void TMainForm::ConnectActions() {
  ConnectCommand(acNew, &QAction::triggered, this, &TMainForm::acNewExecute);
  ConnectCommand(acOpen, &QAction::triggered, this, &TMainForm::acOpenExecute);
  ConnectCommand(acSave, &QAction::triggered, this, &TMainForm::acSaveExecute);
  ConnectCommand(acSaveAs, &QAction::triggered, this, &TMainForm::acSaveAsExecute);
  ConnectCommand(acCloseData, &QAction::triggered, this, &TMainForm::acCloseDataExecute);
  ConnectCommand(acExit, &QAction::triggered, this, &TMainForm::acExitExecute);
  ConnectCommand(acPrintReport, &QAction::triggered, this, &TMainForm::acPrintReportExecute);
  ConnectCommand(acExportReportPdf, &QAction::triggered, this, &TMainForm::acExportReportPdfExecute);
  ConnectCommand(acExportXlsx, &QAction::triggered, this, &TMainForm::acExportXlsxExecute);
  ConnectCommand(acUpDateNets, &QAction::triggered, this, &TMainForm::acUpDateNetsExecute);
  ConnectCommand(acPasteDataFromClipbrdExcel, &QAction::triggered, journalPage,
                 &JournalPage::acPasteDataFromClipbrdExcelExecute);
  ConnectCommand(acCopyDataToClipbrdExcel, &QAction::triggered, journalPage,
                 &JournalPage::acCopyDataToClipbrdExcelExecute);
  ConnectCommand(acNetsBrowser, &QAction::triggered, this, &TMainForm::acNetsBrowserExecute);
  ConnectCommand(acBuildNetFromJournal, &QAction::triggered, this, &TMainForm::acBuildNetFromJournalExecute);
  connect(netSystemPage->btnBuildNet, &QPushButton::clicked, acBuildNetFromJournal, &QAction::trigger);
  ConnectCommand(acOpenExample, &QAction::triggered, this, &TMainForm::acOpenExampleExecute);
  ConnectCommand(acAbout, &QAction::triggered, this, &TMainForm::acAboutExecute);
  ConnectCommand(acImportLevel, &QAction::triggered, this, &TMainForm::acImportLevelExecute);
  ConnectCommand(acMonitoringProject, &QAction::triggered, this, &TMainForm::acMonitoringProjectExecute);
  ConnectCommand(acTechTableKor, &QAction::triggered, journalPage, &JournalPage::acTechTableKorExecute);
  ConnectCommand(acAdd, &QAction::triggered, journalPage, &JournalPage::acAddExecute);
  ConnectCommand(acInsert, &QAction::triggered, journalPage, &JournalPage::acInsertExecute);
  ConnectCommand(acDeleteRec, &QAction::triggered, journalPage, &JournalPage::acDeleteRecExecute);
  ConnectCommand(ComboBox1, &QComboBox::activated, this, &TMainForm::ComboBox1Click);
}

void TMainForm::ApplySettings() {
  SettingsFile& ini = *settings_;
  const QString window = QStringLiteral("WindowState");
  RestoreWindowSize(this, ini, window, kDefaultSize);
  if (ini.ReadBool(window, QStringLiteral("Maximized"), false)) setWindowState(Qt::WindowMaximized);

  journalPage->RestoreColumnWidths(ini);

  // Qt's tool bars lay out their own buttons, so these positions are kept and
  // written back as read.
  const QString bar = QStringLiteral("ControlBar");
  toolBar1Position_ = QPoint(ini.ReadInteger(bar, QStringLiteral("Band1Left"), 11),
                             ini.ReadInteger(bar, QStringLiteral("Band1Top"), 2));
  comboBox1Position_ = QPoint(ini.ReadInteger(bar, QStringLiteral("Band2Left"), 11),
                              ini.ReadInteger(bar, QStringLiteral("Band2Top"), 28));
}

void TMainForm::WriteSettings() {
  SettingsFile& ini = *settings_;
  const QString window = QStringLiteral("WindowState");
  if (isMaximized()) {
    ini.WriteBool(window, QStringLiteral("Maximized"), true);
  } else {
    ini.WriteBool(window, QStringLiteral("Maximized"), false);
    ini.WriteInteger(window, QStringLiteral("WindowWidth"), width());
    ini.WriteInteger(window, QStringLiteral("WindowHeight"), height());
  }
  journalPage->SaveColumnWidths(ini);
  const QString bar = QStringLiteral("ControlBar");
  ini.WriteInteger(bar, QStringLiteral("Band1Left"), toolBar1Position_.x());
  ini.WriteInteger(bar, QStringLiteral("Band1Top"), toolBar1Position_.y());
  ini.WriteInteger(bar, QStringLiteral("Band2Left"), comboBox1Position_.x());
  ini.WriteInteger(bar, QStringLiteral("Band2Top"), comboBox1Position_.y());
  for (const auto& writer : exitSettingsWriters_) writer(ini);
}

void TMainForm::AddExitSettingsWriter(std::function<void(SettingsFile&)> writer) {
  exitSettingsWriters_.push_back(std::move(writer));
}

void TMainForm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!firstShow_) {
    RunGuarded([this] { journalPage->MainStringGridClick(); });
    return;
  }
  firstShow_ = false;
  KeepFrameOnScreen(this);
  RunGuarded([this] { acNewExecute(); });
}

void TMainForm::closeEvent(QCloseEvent* event) {
  bool proceed = false;
  RunGuarded([&] { proceed = SaveChangesFirst(); });
  if (!proceed) {
    event->ignore();
    return;
  }
  if (!settingsWritten_) {
    settingsWritten_ = true;
    RunGuarded([this] { WriteSettings(); });
  }
  autosave_->Discard();
  event->accept();
}

void TMainForm::acExitExecute() { close(); }

void TMainForm::acAboutExecute() {
  if (!aboutBox_) aboutBox_ = new TAboutBox(this);
  aboutBox_->exec();
}

TNetNameDlg& TMainForm::NetNameDlg() {
  if (!netNameDlg_) netNameDlg_ = new TNetNameDlg(this);
  return *netNameDlg_;
}

TTypePointDlg& TMainForm::TypePointDlg() {
  if (!typePointDlg_) typePointDlg_ = new TTypePointDlg(this);
  return *typePointDlg_;
}

}  // namespace korvado
