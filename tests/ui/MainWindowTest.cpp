// The main window as a surveyor meets it: its frame, the settings file, the
// file commands with their dialogs and question, and the error handler.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QMenuBar>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include "AdjustmentPage.h"
#include "ElevationPage.h"
#include "ExampleFile.h"
#include "IniSnapshot.h"
#include "JournalPage.h"
#include "KorvadoApplication.h"
#include "MainForm.h"
#include "NetSystemPage.h"
#include "NetsBrowser.h"
#include "NumberColumns.h"
#include "NumberText.h"
#include "SeparatorScope.h"
#include "SettingsFile.h"
#include "SettingsLocation.h"
#include "StoredChoices.h"
#include "UiTestSupport.h"
#include "WindowPlacement.h"

namespace korvado {
namespace {

void WriteText(const QString& path, const QByteArray& text) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(text);
}

QByteArray ReadText(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString IniValue(const QString& path, const QString& key) {
  return QSettings(path, QSettings::IniFormat).value(key).toString();
}

// The file that new data give, with its technical flag set.
QByteArray TechnicalDataFile() {
  const auto name = [](const char* text, int capacity) {
    QByteArray field(capacity + 1, '\0');
    field[0] = static_cast<char>(qstrlen(text));
    for (int i = 0; text[i]; ++i) field[i + 1] = text[i];
    return field;
  };
  QByteArray bytes = QByteArray::fromHex("0101000100");
  bytes += name("Rp1", 20) + name("Rp2", 20) + QByteArray::fromHex("0100") + QByteArray(8, '\0') + name("", 30);
  bytes += QByteArray::fromHex("00000000");
  bytes += name("Rp1", 20) + name("Rp2", 20) + QByteArray(40, '\0') + name("", 20);
  bytes += QByteArray::fromHex("0000");
  return bytes;
}

class MainWindow : public ::testing::Test {
 protected:
  void SetUp() override { EnsureApplication(); }
  std::unique_ptr<TMainForm> Start() { return ShowMainForm(); }
  QString Ini() const { return folder.Path("Korvado.ini"); }

  WorkingFolder folder;
};

TEST_F(MainWindow, FrameHoldsTheMenusActionsAndPages) {
  auto form = Start();
  EXPECT_EQ(form->windowTitle(), "Безымянный[*] — Korvado 1.02");
  const struct {
    QAction* action;
    const char* caption;
    QKeySequence shortcut;
  } actions[] = {
      {form->acNew, "&Новый файл данных", QKeySequence("Ctrl+N")},
      {form->acOpen, "&Открыть...", QKeySequence("Ctrl+O")},
      {form->acSave, "&Сохранить", QKeySequence("Ctrl+S")},
      {form->acSaveAs, "Сохранить &Как...", QKeySequence()},
      {form->acCloseData, "Зак&рыть", QKeySequence()},
      {form->acExit, "В&ыход", QKeySequence("Alt+X")},
      {form->acTechTableKor, "Таблица для те&хнического нивелирования", QKeySequence()},
      {form->acInputMode, "Режим &ввода исходных данных", QKeySequence()},
      {form->acUpDateNets, "Об&новить данные нивелирных сетей", QKeySequence()},
      {form->acAdd, "До&бавить запись в конец", QKeySequence("Ctrl+Return")},
      {form->acInsert, "В&ставить запись", QKeySequence("Ctrl+Ins")},
      {form->acDeleteRec, "У&далить запись", QKeySequence("Ctrl+Del")},
      {form->acCopyDataToClipbrdExcel, "Коп&ировать данные в буфер обмена для Excel", QKeySequence()},
      {form->acPasteDataFromClipbrdExcel, "Вс&тавить данные из Excel через буфер обмена", QKeySequence()},
      {form->acNetsBrowser, "Бр&оузер сетей", QKeySequence()},
      {form->acSelectAltitudeTable, "Выделить всю таблицу", QKeySequence("Ctrl+A")},
      {form->acCopyFromAltitudeTable, "Копировать", QKeySequence("Ctrl+C")},
      {form->acAbout, "О &программе...", QKeySequence()},
  };
  for (const auto& a : actions) {
    EXPECT_EQ(a.action->text(), QString::fromUtf8(a.caption));
    EXPECT_EQ(a.action->shortcut(), a.shortcut) << a.caption;
  }
  EXPECT_EQ(form->acCopyFromAltitudeTable->shortcuts(),
            QList<QKeySequence>({QKeySequence("Ctrl+C"), QKeySequence("Ctrl+Z")}));
  EXPECT_FALSE(form->acCopyDataToClipbrdExcel->isEnabled());
  EXPECT_TRUE(form->acTechTableKor->isCheckable() && !form->acTechTableKor->isChecked());
  EXPECT_TRUE(form->acInputMode->isCheckable() && !form->acInputMode->isChecked());

  QStringList menus;
  for (QAction* menu : form->menuBar()->actions()) menus << menu->text();
  EXPECT_EQ(menus, QStringList({"&Файл", "&Правка", "Д&анные", "С&еть", "&Справка"}));
  EXPECT_EQ(form->PageControl1->tabPosition(), QTabWidget::South);
  QStringList tabs;
  for (int i = 0; i < form->PageControl1->count(); ++i) tabs << form->PageControl1->tabText(i);
  EXPECT_EQ(tabs, QStringList({"Исходные данные", "Система нивелирных ходов", "Уравнивание нивелирной сети",
                               "Отметки точек", "Схема сети"}));
  EXPECT_EQ(form->ComboBox1->width(), 282);
  EXPECT_FALSE(form->ComboBox1->isEditable());
  EXPECT_EQ(form->StatusPanel1->width(), 70);
  EXPECT_TRUE(form->StatusPanel1->text().isEmpty());
  EXPECT_FALSE(form->netSystemPage->EquiSpeedButton->isVisible());
  EXPECT_EQ(form->netSystemPage->Edit1->text(), "") << "no active section yet";
  EXPECT_EQ(form->adjustmentPage->btnEquate->text(), "Одна итерация уравнивания");
  EXPECT_EQ(form->elevationPage->AltitudeStrGrid->model()->headerData(1, Qt::Horizontal).toString(), "Отметка");
  CloseWithoutQuestion(*form);
}

TEST_F(MainWindow, FirstStartUsesTheDefaultsAndWritesThemAtExit) {
  ASSERT_FALSE(QFile::exists(Ini()));
  auto form = Start();
  const QRect screen = AvailableScreenArea(form.get());
  const QSize frame = form->frameGeometry().size() - form->size();
  const QSize shown = QSize(1024, 720).boundedTo(screen.size() - frame);
  EXPECT_EQ(form->size(), shown);
  EXPECT_TRUE(screen.contains(form->frameGeometry()));
  JournalPage* page = form->journalPage;
  EXPECT_LE(page->ColumnsWidth(), 1024 - 8) << "every journal column shows in the default window";
  EXPECT_LE(form->PageControl1->tabBar()->sizeHint().width(), 1024) << "and so do the four tabs";
  // Every column shows its title whole, and each number column its widest number.
  for (JournalGridView* grid : {page->MainStringGrid, page->DetailStringGrid, page->TechStringGrid})
    for (int c = 0; c < grid->model()->columnCount(); ++c)
      EXPECT_GE(grid->columnWidth(c), grid->horizontalHeader()->sectionSizeHint(c)) << c;
  EXPECT_GE(page->MainStringGrid->columnWidth(kMainHeight), CellWidthFor(page->MainStringGrid, WidestHeight()));
  EXPECT_GE(page->MainStringGrid->columnWidth(kMainSetups), CellWidthFor(page->MainStringGrid, WidestSetups()));
  const int widths[] = {page->MainStringGrid->columnWidth(4), page->DetailStringGrid->columnWidth(3),
                        page->TechStringGrid->columnWidth(2), page->PanelDtWidth()};
  ASSERT_EQ(form->State().Journal.RecordCount(), 1) << "a new journal of one run";
  EXPECT_EQ(form->State().Journal.BackPoints[0], "Rp1");
  EXPECT_TRUE(page->MainStringGrid->isVisible());
  CloseWithoutQuestion(*form);

  const QByteArray text = ReadText(Ini());
  EXPECT_TRUE(text.contains("Maximized=0")) << text.toStdString();
  EXPECT_FALSE(text.contains("NetsBrowser")) << "the browser was never opened";
  EXPECT_EQ(IniValue(Ini(), "WindowState/WindowWidth").toInt(), shown.width());
  EXPECT_EQ(IniValue(Ini(), "WindowState/WindowHeight").toInt(), shown.height());
  EXPECT_EQ(IniValue(Ini(), "ColumnWidth/4").toInt(), widths[0]);
  EXPECT_EQ(IniValue(Ini(), "ColumnWidth/8").toInt(), widths[1]);
  EXPECT_EQ(IniValue(Ini(), "ColumnWidth/t2").toInt(), widths[2]);
  EXPECT_EQ(IniValue(Ini(), "ColumnWidth/dtWidth").toInt(), widths[3]);
  EXPECT_EQ(IniValue(Ini(), "ControlBar/Band1Left"), "11");
  EXPECT_EQ(IniValue(Ini(), "ControlBar/Band1Top"), "2");
  EXPECT_EQ(IniValue(Ini(), "ControlBar/Band2Left"), "11");
  EXPECT_EQ(IniValue(Ini(), "ControlBar/Band2Top"), "28");
}

// Started from a desktop icon or a file manager the working folder is any
// folder: the settings live in the user's configuration folder, a file beside
// the program makes a portable install, an old file in the working folder is
// taken over once.
TEST_F(MainWindow, TheSettingsFileIsTheUsersWhereverTheProgramStarts) {
  const QTemporaryDir root;
  const QDir top(root.path());
  const QString program = top.filePath("program"), config = top.filePath("config/Korvado");
  const QString working = folder.Path("");
  const auto locate = [](const QString& programFolder, const QString& configFolder, const QString& workingFolder) {
    return QString::fromStdString(
        LocateSettingsFile(programFolder.toStdString(), configFolder.toStdString(), workingFolder.toStdString()));
  };
  ASSERT_TRUE(QDir().mkpath(program));
  const QString stored = QDir(config).filePath("Korvado.ini");
  EXPECT_EQ(locate(program, config, working), stored);
  EXPECT_FALSE(QFile::exists(stored)) << "nothing to take over";
  SettingsFile(stored).WriteInteger("WindowState", "WindowWidth", 700);
  EXPECT_EQ(IniValue(stored, "WindowState/WindowWidth"), "700") << "the first write makes the folder";

  const QString fresh = top.filePath("other/Korvado");
  WriteText(Ini(), "[Adjustment]\nSigmaPerSetup=0.7\n");
  EXPECT_EQ(locate(program, fresh, working), QDir(fresh).filePath("Korvado.ini"));
  EXPECT_EQ(IniValue(QDir(fresh).filePath("Korvado.ini"), "Adjustment/SigmaPerSetup"), "0.7");
  WriteText(Ini(), "[Adjustment]\nSigmaPerSetup=0.9\n");
  locate(program, fresh, working);
  EXPECT_EQ(IniValue(QDir(fresh).filePath("Korvado.ini"), "Adjustment/SigmaPerSetup"), "0.7") << "once, not again";

  WriteText(QDir(program).filePath("Korvado.ini"), "");
  EXPECT_EQ(locate(program, config, working), QDir(program).filePath("Korvado.ini")) << "portable";

  // The user's folder is the one Qt gives the program Korvado for its configuration.
  const QString testProgram = QCoreApplication::applicationName();
  QCoreApplication::setApplicationName("Korvado");
  const QByteArray home = qgetenv("XDG_CONFIG_HOME");
  qputenv("XDG_CONFIG_HOME", top.filePath("xdg/").toUtf8());
  // Other tests leave their settings beside the test program, which then counts as portable.
  const QString beside = QDir(QCoreApplication::applicationDirPath()).filePath("Korvado.ini");
  EXPECT_EQ(QString::fromStdString(LocateSettingsFile()),
            QFile::exists(beside) ? beside : top.filePath("xdg/Korvado/Korvado.ini"));
  EXPECT_EQ(QString::fromStdString(UserConfigFolder()),
            QDir::cleanPath(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)));
  qunsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(QString::fromStdString(UserConfigFolder()),
            QDir::cleanPath(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)));
  qputenv("XDG_CONFIG_HOME", home);
  QCoreApplication::setApplicationName(testProgram);
}

// korvado-cli reads Korvado.ini without Qt: it must take from the file
// exactly what the windows wrote there, and what they read from a hand-edited one.
TEST_F(MainWindow, TheCommandLineReadsTheChoicesTheWindowsWrote) {
  SettingsFile windows(Ini());
  windows.WriteInteger("WindowState", "WindowWidth", 700);
  WriteSigmaPerSetup(windows, 0.123456789012345);
  WriteTolerance(windows, {ToleranceClass::Custom, 7.5});
  windows.WriteBool("Save", "Backup", false);
  const IniSnapshot read = IniSnapshot::Read(Ini().toStdString());
  EXPECT_EQ(ReadSigmaPerSetup(read), 0.123456789012345);
  EXPECT_EQ(ReadTolerance(read).levelClass, ToleranceClass::Custom);
  EXPECT_EQ(ReadTolerance(read).customCoefficient, 7.5);
  EXPECT_FALSE(ReadBackupChoice(read));

  // Both readers give a hand-edited or damaged value the same meaning.
  const std::pair<const char*, double> sigmas[] = {{"0,25", 0.25}, {" 2 ", 2.0},    {"+0.3", 0.3}, {"0", 0.5},
                                                   {"-1", 0.5},    {"1e-320", 0.5}, {"nan", 0.5},  {"inf", 0.5},
                                                   {"0.5x", 0.5},  {"", 0.5},       {"2000", 0.5}};
  for (const auto& [text, sigma] : sigmas) {
    WriteText(Ini(), QString("[Adjustment]\nSigmaPerSetup=%1\n[Save]\nBackup=%2\n").arg(text, text).toUtf8());
    const SettingsFile reread(Ini());
    EXPECT_EQ(ReadSigmaPerSetup(IniSnapshot::Read(Ini().toStdString())), sigma) << text;
    EXPECT_EQ(ReadSigmaPerSetup(reread), sigma) << text;
    EXPECT_EQ(ReadBackupChoice(IniSnapshot::Read(Ini().toStdString())), ReadBackupChoice(reread)) << text;
  }
  EXPECT_EQ(ReadSigmaPerSetup(IniSnapshot::Read(folder.Path("none.ini").toStdString())), 0.5) << "no file";

  // Long lines the windows keep, a damaged section, a quoted value, Windows line ends.
  WriteText(Ini(), "\xEF\xBB\xBF[WindowState]\r\nGeometry=@ByteArray(" + QByteArray(400, 'x') +
                       ")\r\n[Broken\r\nSigmaPerSetup=0.9\r\n[Adjustment]\r\nSigmaPerSetup=\"0.6\"\r\n");
  EXPECT_EQ(ReadSigmaPerSetup(IniSnapshot::Read(Ini().toStdString())), 0.6);
  EXPECT_EQ(ReadSigmaPerSetup(SettingsFile(Ini())), 0.6);
}

// «Справка → Открыть пример» looks from the program's own folder: beside it
// (a Windows or portable install) or in the data folder of its prefix.
TEST_F(MainWindow, TheExampleIsFoundWhereverTheProgramIsInstalled) {
  const QTemporaryDir root;
  const QDir top(root.path());
  const struct {
    const char* program;
    const char* example;
  } installs[] = {{"usr/bin", "usr/share/korvado/example.kor"}, {"Korvado", "Korvado/example.kor"}};
  for (const auto& install : installs) {
    ASSERT_TRUE(QDir().mkpath(top.filePath(install.program)));
    ASSERT_TRUE(QDir().mkpath(QFileInfo(top.filePath(install.example)).path()));
    WriteText(top.filePath(install.example), "kor");
    EXPECT_EQ(QFileInfo(ExampleDataFilePath(top.filePath(install.program))).canonicalFilePath(),
              QFileInfo(top.filePath(install.example)).canonicalFilePath())
        << install.program;
  }
  ASSERT_TRUE(top.mkdir("alone"));
  EXPECT_FALSE(QFile::exists(ExampleDataFilePath(top.filePath("alone"))));
}

TEST_F(MainWindow, StoredSettingsApplyAndTheBrowsersSectionStaysUntouched) {
  WriteText(Ini(),
            "[WindowState]\nMaximized=0\nWindowWidth=640\nWindowHeight=420\n"
            "[ColumnWidth]\n0=90\n1=abc\n6=70\nt1=110\ndtWidth=260\n"
            "[NetsBrowser]\nwsMaximized=1\nWindowWidth=777\nWindowHeight=555\nTreeWidth=201\n");
  auto form = Start();
  EXPECT_EQ(form->width(), 640);
  EXPECT_EQ(form->height(), 420);
  EXPECT_EQ(form->journalPage->MainStringGrid->columnWidth(0), 90);
  const int defaultWidth = form->journalPage->MainStringGrid->columnWidth(1);
  EXPECT_GE(defaultWidth, 40) << "a value that is not a number gives the default";
  EXPECT_EQ(form->journalPage->DetailStringGrid->columnWidth(1), 70);
  EXPECT_EQ(form->journalPage->TechStringGrid->columnWidth(1), 110);
  EXPECT_EQ(form->journalPage->PanelDT->width(), 260);
  int written = 0;
  form->AddExitSettingsWriter([&](SettingsFile& ini) {
    ++written;
    ini.WriteInteger("Extra", "Key", 5);
  });
  CloseWithoutQuestion(*form);
  EXPECT_EQ(written, 1);
  EXPECT_EQ(IniValue(Ini(), "ColumnWidth/1").toInt(), defaultWidth);
  EXPECT_EQ(IniValue(Ini(), "NetsBrowser/wsMaximized"), "1");
  EXPECT_EQ(IniValue(Ini(), "NetsBrowser/WindowWidth"), "777");
  EXPECT_EQ(IniValue(Ini(), "NetsBrowser/TreeWidth"), "201");
  EXPECT_EQ(IniValue(Ini(), "Extra/Key"), "5");
}

TEST_F(MainWindow, StoredSizesThatCannotBeShownAreBroughtInsideTheScreen) {
  WriteText(Ini(),
            "[WindowState]\nWindowWidth=40000\nWindowHeight=5\n"
            "[ColumnWidth]\n0=-7\n3=3\nt1=99999\ndtWidth=0\n"
            "[NetsBrowser]\nWindowWidth=40000\nWindowHeight=-40000\nTreeWidth=-3\n");
  auto form = Start();
  const QRect screen = AvailableScreenArea(form.get());
  const int lowest = std::max(kMinWindowSize.height(), form->minimumSizeHint().height());
  EXPECT_EQ(form->frameGeometry().width(), screen.width());
  EXPECT_EQ(form->height(), lowest);
  EXPECT_TRUE(screen.contains(form->frameGeometry()));
  EXPECT_EQ(form->journalPage->MainStringGrid->columnWidth(0), 20);
  EXPECT_EQ(form->journalPage->MainStringGrid->columnWidth(3), 20);
  EXPECT_EQ(form->journalPage->TechStringGrid->columnWidth(1), screen.width());
  EXPECT_EQ(form->journalPage->PanelDtWidth(), 20);
  auto* browser = new TNetsBrowser(form->State(), *form, form.get());
  EXPECT_LE(browser->width(), screen.width());
  EXPECT_EQ(browser->height(), std::max(kMinWindowSize.height(), browser->minimumSizeHint().height()));
  EXPECT_GE(browser->Splitter1->sizes().value(0), 20);
  CloseWithoutQuestion(*form);
}

TEST_F(MainWindow, NumbersFollowTheLocaleAndTheCLocaleGroupsNoDigits) {
  SeparatorScope restore('.', " ");
  ApplyLocaleSeparators(QLocale::c());
  EXPECT_EQ(FormatGrouped(1222.65), "    1222.65");
  ApplyLocaleSeparators(QLocale(QLocale::Russian, QLocale::Russia));
  EXPECT_EQ(QString::fromStdString(FormatGrouped(-1222.65)).trimmed(), QStringLiteral("-1\u00a0222,65"));
  ApplyLocaleSeparators(QLocale(QLocale::English, QLocale::UnitedStates));
  EXPECT_EQ(FormatGrouped(1222.65), "   1,222.65");
}

TEST_F(MainWindow, ExitWhileMaximisedKeepsTheStoredSizeAndOpensMaximisedNextTime) {
  WriteText(Ini(), "[WindowState]\nWindowWidth=700\nWindowHeight=500\n");
  auto form = Start();
  form->showMaximized();
  ASSERT_TRUE(QTest::qWaitFor([&] { return form->isMaximized(); }));
  CloseWithoutQuestion(*form);
  EXPECT_EQ(IniValue(Ini(), "WindowState/Maximized"), "1");
  EXPECT_EQ(IniValue(Ini(), "WindowState/WindowWidth"), "700");
  EXPECT_EQ(IniValue(Ini(), "WindowState/WindowHeight"), "500");
  form.reset();
  auto again = Start();
  EXPECT_TRUE(again->windowState() & Qt::WindowMaximized);
  CloseWithoutQuestion(*again);
}

TEST_F(MainWindow, SettingsThatCannotBeWrittenAreReportedAndTheProgramStillEnds) {
  ASSERT_TRUE(QDir(folder.Path("")).mkdir("Korvado.ini")) << "a folder in the file's place cannot be written";
  auto form = Start();
  const BoxesSeen seen = AnswerMessageBoxes([&] { CloseWithoutQuestion(*form); }, QMessageBox::Ok);
  EXPECT_EQ(seen.count, 1);
  EXPECT_EQ(seen.title, "Korvado 1.02");
  EXPECT_EQ(seen.text, "Не удалось записать файл настроек «" + Ini() + "»");
  EXPECT_FALSE(form->isVisible());
}

TEST_F(MainWindow, ASettingsFileWithALineQtCannotParseIsWrittenWithoutAComplaint) {
  WriteText(Ini(), "[WindowState\nWindowWidth=700\n");
  auto form = Start();
  const BoxesSeen seen = AnswerMessageBoxes([&] { CloseWithoutQuestion(*form); }, QMessageBox::Ok);
  EXPECT_EQ(seen.count, 0) << seen.text.toStdString();
  EXPECT_FALSE(IniValue(Ini(), "ColumnWidth/0").isEmpty()) << "the settings were written";
}

TEST_F(MainWindow, OpeningATechnicalFileShowsTheTechnicalTable) {
  const QString path = folder.Path("tech.kor");
  WriteText(path, TechnicalDataFile());
  auto form = Start();
  QString title, where;
  QStringList filters;
  const BoxesSeen boxes = AnswerMessageBoxes(
      [&] { AnswerFileDialog([&] { form->acOpen->trigger(); }, path, &title, &filters, &where); }, QMessageBox::Ok);
  EXPECT_EQ(boxes.count, 0) << boxes.text.toStdString();
  EXPECT_EQ(title, "Открыть");
  EXPECT_EQ(filters, QStringList("Файл данных для Korvado (*.kor)"));
  EXPECT_EQ(where, QDir::currentPath());
  EXPECT_TRUE(form->State().Journal.TechMode);
  EXPECT_TRUE(form->acTechTableKor->isChecked());
  EXPECT_TRUE(form->journalPage->TechStringGrid->isVisible());
  EXPECT_FALSE(form->journalPage->DetailStringGrid->isVisible());
  EXPECT_EQ(form->StatusPanel2->text(), path);

  form->acNew->trigger();
  EXPECT_FALSE(form->State().Journal.TechMode);
  EXPECT_FALSE(form->acTechTableKor->isChecked());
  EXPECT_TRUE(form->journalPage->DetailStringGrid->isVisible());
  CloseWithoutQuestion(*form);
}

TEST_F(MainWindow, UnsavedChangesAreAskedAboutBeforeNewData) {
  auto form = Start();
  JournalPage* page = form->journalPage;
  page->MainStringGrid->setFocus();
  page->SelectMainCell(0, 0);
  TypeKeys("Z");
  PressKey(Qt::Key_Return);
  ASSERT_EQ(form->State().Journal.BackPoints[0], "Z");

  const BoxesSeen cancel = AnswerMessageBoxes([&] { form->acNew->trigger(); }, QMessageBox::Cancel);
  EXPECT_EQ(cancel.text, "Сохранить изменения?");
  EXPECT_EQ(cancel.buttons.size(), 3);
  EXPECT_TRUE(cancel.buttons.contains("Отмена")) << cancel.buttons.join(",").toStdString();
  EXPECT_EQ(form->State().Journal.BackPoints[0], "Z") << "Cancel keeps the data";

  AnswerMessageBoxes([&] { form->acNew->trigger(); }, QMessageBox::No);
  EXPECT_EQ(form->State().Journal.BackPoints[0], "Rp1");
  EXPECT_FALSE(form->State().Changed);
  CloseWithoutQuestion(*form);
}

TEST_F(MainWindow, SaveAsWritesTheFileAndShowsItsPath) {
  auto form = Start();
  form->journalPage->MainStringGrid->setFocus();
  form->journalPage->SelectMainCell(0, 1);
  TypeKeys("N9");
  PressKey(Qt::Key_Return);
  // The mark follows the history's notice at once, without waiting for the event loop.
  ASSERT_TRUE(form->isWindowModified());
  EXPECT_EQ(form->windowHandle()->title(), "Безымянный* — Korvado 1.02") << "the mark goes with the data's name";
  QString title;
  AnswerFileDialog([&] { form->acSave->trigger(); }, folder.Path("job"), &title);
  EXPECT_EQ(title, "Сохранить как") << "Save without a file name asks for one";
  EXPECT_EQ(form->StatusPanel2->text(), folder.Path("job.kor")) << "the default extension is added";
  EXPECT_EQ(form->windowTitle(), "job.kor[*] — Korvado 1.02");
  EXPECT_FALSE(form->isWindowModified());
  EXPECT_EQ(ReadText(folder.Path("job.kor")).size(), 197);
  EXPECT_FALSE(form->State().Changed);

  form->acCloseData->trigger();
  EXPECT_FALSE(form->journalPage->MainStringGrid->isVisible());
  EXPECT_EQ(form->State().Journal.RecordCount(), 0);
  EXPECT_EQ(form->windowTitle(), "Korvado 1.02[*]") << "no data, no name";
  form->OpenFile(folder.Path("job.kor"));
  EXPECT_EQ(form->State().Journal.ForePoints[0], "N9");
  EXPECT_TRUE(form->journalPage->MainStringGrid->isVisible());
  CloseWithoutQuestion(*form);
}

TEST_F(MainWindow, TheFileDialogKeepsItsFolderInKorvadoIniAndNoSettingsFileOfItsOwn) {
  ASSERT_TRUE(QDir(folder.Path("")).mkdir("jobs"));
  auto form = Start();
  AnswerFileDialog([&] { form->acSaveAs->trigger(); }, folder.Path("jobs/a"));
  EXPECT_EQ(IniValue(Ini(), "FileDialog/LastFolder"), folder.Path("jobs"));
  QString shownFolder;
  AnswerFileDialog([&] { form->acOpen->trigger(); }, QString(), nullptr, nullptr, &shownFolder);
  EXPECT_EQ(shownFolder, folder.Path("jobs")) << "the next dialog starts where the last one ended";
  const QSettings qtOwn(QSettings::UserScope, QStringLiteral("QtProject"));
  EXPECT_TRUE(qtOwn.allKeys().isEmpty()) << "Qt's dialog history was written to " << qtOwn.fileName().toStdString();
  CloseWithoutQuestion(*form);
}

TEST_F(MainWindow, ADamagedFileIsRefusedAndTheOpenDataStay) {
  const QString path = folder.Path("bad.kor");
  WriteText(path, TechnicalDataFile().left(60));
  auto form = Start();
  form->State().Journal.ForePoints.Set(0, "Keep");
  const BoxesSeen seen =
      AnswerMessageBoxes([&] { AnswerFileDialog([&] { form->acOpen->trigger(); }, path); }, QMessageBox::Ok);
  EXPECT_EQ(seen.count, 1);
  EXPECT_EQ(seen.title, "Korvado 1.02");
  EXPECT_FALSE(seen.text.isEmpty());
  EXPECT_EQ(form->State().Journal.ForePoints[0], "Keep");
  EXPECT_FALSE(form->State().Journal.TechMode);
  EXPECT_TRUE(form->StatusPanel2->text().isEmpty());
  EXPECT_TRUE(form->journalPage->MainStringGrid->isVisible());
  CloseWithoutQuestion(*form);
}

TEST_F(MainWindow, AFileNamedOnTheCommandLineIsOpenedAtStart) {
  WriteText(folder.Path("tech.kor"), TechnicalDataFile());
  {
    TMainForm form(WorkingFolderSettings());
    const BoxesSeen seen = AnswerMessageBoxes([&] { form.Start({"korvado", "tech.kor"}); }, QMessageBox::Ok);
    EXPECT_EQ(seen.count, 0) << seen.text.toStdString();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
    EXPECT_EQ(form.StatusPanel2->text(), folder.Path("tech.kor")) << "the full path, though the name was short";
    EXPECT_EQ(form.State().Journal.RecordCount(), 1);
    EXPECT_TRUE(form.State().Journal.TechMode);
    EXPECT_TRUE(form.journalPage->TechStringGrid->isVisible());
    EXPECT_EQ(form.journalPage->MainStringGrid->model()->index(0, 1).data().toString(), "Rp2");
    CloseWithoutQuestion(form);
  }

  WriteText(folder.Path("bad.kor"), TechnicalDataFile().left(60));
  for (const QString& name : {folder.Path("bad.kor"), folder.Path("нет такого.kor")}) {
    TMainForm form(WorkingFolderSettings());
    const BoxesSeen seen = AnswerMessageBoxes([&] { form.Start({"korvado", name}); }, QMessageBox::Ok);
    EXPECT_EQ(seen.count, 1) << "a file that cannot be read is reported";
    EXPECT_EQ(seen.title, "Korvado 1.02");
    EXPECT_TRUE(seen.text.contains(name)) << seen.text.toStdString();
    EXPECT_TRUE(form.isVisible()) << "the program goes on";
    EXPECT_EQ(form.State().Journal.BackPoints[0], "Rp1") << "with new data";
    EXPECT_EQ(form.State().Journal.RecordCount(), 1);
    EXPECT_FALSE(form.State().Journal.TechMode);
    EXPECT_TRUE(form.StatusPanel2->text().isEmpty());
    EXPECT_TRUE(form.journalPage->MainStringGrid->isVisible());
    CloseWithoutQuestion(form);
  }

  TMainForm form(WorkingFolderSettings());
  form.Start({"korvado"});
  EXPECT_EQ(form.State().Journal.ForePoints[0], "Rp2") << "without a name, new data";
  EXPECT_TRUE(form.StatusPanel2->text().isEmpty());
  CloseWithoutQuestion(form);
}

TEST_F(MainWindow, NetSelectorChoosesTheCurrentNetAndNothingElse) {
  auto form = Start();
  ASSERT_TRUE(form->State().Nets.AddNet("Север"));
  ASSERT_TRUE(form->State().Nets.AddNet("Юг"));
  form->RefillNetSelector();
  EXPECT_EQ(form->ComboBox1->count(), 2);
  EXPECT_EQ(form->ComboBox1->itemText(1), "Юг");
  form->ComboBox1->setFocus();
  form->ComboBox1->setCurrentIndex(0);
  QTest::keyClick(form->ComboBox1, Qt::Key_Down);
  EXPECT_EQ(form->State().CurrentNetIndex, 1);
  form->SelectNet(0);
  EXPECT_EQ(form->State().CurrentNetIndex, 0);
  CloseWithoutQuestion(*form);
}

class ThrowingObject : public QObject {
 public:
  bool event(QEvent* event) override {
    if (event->type() == QEvent::User) throw std::runtime_error("Read beyond end of file");
    return QObject::event(event);
  }
};

TEST_F(MainWindow, AnErrorNoHandlerCaughtIsShownAndTheProgramGoesOn) {
  auto form = Start();
  ThrowingObject object;
  const BoxesSeen seen = AnswerMessageBoxes(
      [&] {
        QEvent event(QEvent::User);
        QCoreApplication::sendEvent(&object, &event);
      },
      QMessageBox::Ok);
  EXPECT_EQ(seen.count, 1);
  EXPECT_EQ(seen.title, "Korvado 1.02");
  EXPECT_EQ(seen.text, "Read beyond end of file");
  EXPECT_TRUE(form->isVisible());
  CloseWithoutQuestion(*form);
}

}  // namespace
}  // namespace korvado
