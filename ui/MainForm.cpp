#include "MainForm.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>

#include "AboutBox.h"
#include "AdjustmentPage.h"
#include "Autosave.h"
#include "CommandGuard.h"
#include "ElevationPage.h"
#include "JournalPage.h"
#include "KorIcons.h"
#include "KorvadoApplication.h"
#include "MakeAction.h"
#include "NetNameDlg.h"
#include "NetSystemPage.h"
#include "TypePointDlg.h"

namespace korvado {

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent) {
  setWindowTitle(ApplicationTitle());
  setWindowIcon(ProgramIcon());
  settings_ = std::make_unique<SettingsFile>(SettingsPathInWorkingDirectory());
  CreateActions();
  CreateMenus();
  CreateToolBars();
  CreateStatusBar();
  CreatePages();
  CreateEditMenu();
  ConnectActions();
  ApplySettings();
  StartAutosave();
}

TMainForm::~TMainForm() = default;

void TMainForm::CreateActions() {
  acNew = MakeAction(this, "&Новый файл данных", QKeySequence(Qt::CTRL | Qt::Key_N));
  acNew->setIcon(style()->standardIcon(QStyle::SP_FileIcon));
  acOpen = MakeAction(this, "&Открыть...", QKeySequence(Qt::CTRL | Qt::Key_O));
  acOpen->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
  acSave = MakeAction(this, "&Сохранить", QKeySequence(Qt::CTRL | Qt::Key_S));
  acSave->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
  acSaveAs = MakeAction(this, "Сохранить &Как...");
  acCloseData = MakeAction(this, "Зак&рыть");
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
  acSelectAltitudeTable = MakeAction(this, "Выделить всю таблицу", QKeySequence(Qt::CTRL | Qt::Key_A));
  acSelectAltitudeTable->setIcon(SelectAllIcon());
  acCopyFromAltitudeTable = MakeAction(this, "Копировать", QKeySequence(Qt::CTRL | Qt::Key_Z));
  acCopyFromAltitudeTable->setIcon(CopyIcon());
  acOpenExample = MakeAction(this, "Открыть &пример");
  acAbout = MakeAction(this, "О &программе...");
}

void TMainForm::CreateMenus() {
  QMenu* file = menuBar()->addMenu(QStringLiteral("&Файл"));
  file->addAction(acNew);
  file->addSeparator();
  file->addAction(acOpen);
  file->addSeparator();
  file->addActions({acSave, acSaveAs});
  file->addSeparator();
  file->addAction(acCloseData);
  file->addSeparator();
  file->addAction(acExit);

  QMenu* data = menuBar()->addMenu(QStringLiteral("Д&анные"));
  data->addAction(acTechTableKor);
  data->addSeparator();
  data->addActions({acInputMode, acUpDateNets});
  data->addSeparator();
  data->addActions({acAdd, acInsert});
  data->addSeparator();
  data->addAction(acDeleteRec);
  data->addSeparator();
  data->addActions({acCopyDataToClipbrdExcel, acPasteDataFromClipbrdExcel});

  menuBar()->addMenu(QStringLiteral("С&еть"))->addAction(acNetsBrowser);
  QMenu* help = menuBar()->addMenu(QStringLiteral("&Справка"));
  help->addAction(acOpenExample);
  help->addSeparator();
  help->addAction(acAbout);
}

void TMainForm::CreateToolBars() {
  ToolBar3 = addToolBar(QStringLiteral("ToolBar3"));
  ToolBar3->setObjectName("ToolBar3");
  ToolBar3->setIconSize(QSize(16, 16));
  ToolBar3->addAction(acNew);
  ToolBar3->addSeparator();
  ToolBar3->addAction(acOpen);
  ToolBar3->addSeparator();
  ToolBar3->addAction(acSave);

  ToolBar1 = addToolBar(QStringLiteral("ToolBar1"));
  ToolBar1->setObjectName("ToolBar1");
  ToolBar1->setIconSize(QSize(16, 16));
  ToolBar1->addAction(acNetsBrowser);
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
  JournalPage = new TJournalPage(state_, acInputMode, acTechTableKor, PageControl1);
  NetSystemPage = new TNetSystemPage(state_, *this, PageControl1);
  AdjustmentPage = new TAdjustmentPage(state_, *this, PageControl1);
  ElevationPage = new TElevationPage(state_, *this, PageControl1);
  PageControl1->addTab(JournalPage, QStringLiteral("Исходные данные"));
  PageControl1->addTab(NetSystemPage, QStringLiteral("Система нивелирных ходов"));
  PageControl1->addTab(AdjustmentPage, QStringLiteral("Уравнивание нивелирной сети"));
  PageControl1->addTab(ElevationPage, QStringLiteral("Отметки точек"));
  setCentralWidget(PageControl1);
}

void TMainForm::ConnectActions() {
  ConnectCommand(acNew, &QAction::triggered, this, &TMainForm::acNewExecute);
  ConnectCommand(acOpen, &QAction::triggered, this, &TMainForm::acOpenExecute);
  ConnectCommand(acSave, &QAction::triggered, this, &TMainForm::acSaveExecute);
  ConnectCommand(acSaveAs, &QAction::triggered, this, &TMainForm::acSaveAsExecute);
  ConnectCommand(acCloseData, &QAction::triggered, this, &TMainForm::acCloseDataExecute);
  ConnectCommand(acExit, &QAction::triggered, this, &TMainForm::acExitExecute);
  ConnectCommand(acUpDateNets, &QAction::triggered, this, &TMainForm::acUpDateNetsExecute);
  ConnectCommand(acPasteDataFromClipbrdExcel, &QAction::triggered, this,
                 &TMainForm::acPasteDataFromClipbrdExcelExecute);
  ConnectCommand(acCopyDataToClipbrdExcel, &QAction::triggered, this, &TMainForm::acCopyDataToClipbrdExcelExecute);
  ConnectCommand(acNetsBrowser, &QAction::triggered, this, &TMainForm::acNetsBrowserExecute);
  ConnectCommand(acOpenExample, &QAction::triggered, this, &TMainForm::acOpenExampleExecute);
  ConnectCommand(acAbout, &QAction::triggered, this, &TMainForm::acAboutExecute);
  ConnectCommand(acTechTableKor, &QAction::triggered, JournalPage, &TJournalPage::acTechTableKorExecute);
  ConnectCommand(acAdd, &QAction::triggered, JournalPage, &TJournalPage::acAddExecute);
  ConnectCommand(acInsert, &QAction::triggered, JournalPage, &TJournalPage::acInsertExecute);
  ConnectCommand(acDeleteRec, &QAction::triggered, JournalPage, &TJournalPage::acDeleteRecExecute);
  ConnectCommand(ComboBox1, &QComboBox::activated, this, &TMainForm::ComboBox1Click);
}

void TMainForm::ApplySettings() {
  SettingsFile& ini = *settings_;
  const QString window = QStringLiteral("WindowState");
  resize(ini.ReadInteger(window, QStringLiteral("WindowWidth"), 600),
         ini.ReadInteger(window, QStringLiteral("WindowHeight"), 450));
  if (QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  if (ini.ReadBool(window, QStringLiteral("Maximized"), false)) setWindowState(Qt::WindowMaximized);

  const QString columns = QStringLiteral("ColumnWidth");
  for (int c = 0; c < 5; ++c)
    JournalPage->MainStringGrid->setColumnWidth(c, ini.ReadInteger(columns, QString::number(c), 66));
  for (int c = 0; c < 4; ++c)
    JournalPage->DetailStringGrid->setColumnWidth(c, ini.ReadInteger(columns, QString::number(c + 5), 50));
  for (int c = 0; c < 3; ++c)
    JournalPage->TechStringGrid->setColumnWidth(c, ini.ReadInteger(columns, QStringLiteral("t%1").arg(c), 50));
  JournalPage->SetPanelDtWidth(ini.ReadInteger(columns, QStringLiteral("dtWidth"), 220));

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
  const QString columns = QStringLiteral("ColumnWidth");
  for (int c = 0; c < 5; ++c)
    ini.WriteInteger(columns, QString::number(c), JournalPage->MainStringGrid->columnWidth(c));
  for (int c = 0; c < 4; ++c)
    ini.WriteInteger(columns, QString::number(c + 5), JournalPage->DetailStringGrid->columnWidth(c));
  for (int c = 0; c < 3; ++c)
    ini.WriteInteger(columns, QStringLiteral("t%1").arg(c), JournalPage->TechStringGrid->columnWidth(c));
  ini.WriteInteger(columns, QStringLiteral("dtWidth"), JournalPage->PanelDtWidth());
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
    RunGuarded([this] { JournalPage->MainStringGridClick(); });
    return;
  }
  firstShow_ = false;
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
