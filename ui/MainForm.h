#pragma once
// The main window: menus, actions, tool bars, the status bar and four pages.
// It holds no data of its own: it shows the program state (AppState) and runs
// the commands of the app layer. Each page is a widget of its own; the
// commands of the menus are slots named after their actions.

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QPointer>
#include <QStringList>
#include <QTabWidget>
#include <QToolBar>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "AppState.h"
#include "DocumentOptions.h"
#include "FileCommands.h"
#include "PageHost.h"
#include "SettingsFile.h"

namespace korvado {

class JournalPage;
class NetSystemPage;
class AdjustmentPage;
class ElevationPage;
class TNetNameDlg;
class TTypePointDlg;
class TAboutBox;
class TNetsBrowser;
class AccuracyView;
class LoopsDock;
class NetDiagramPage;
class Autosave;
class SettlementView;

class TMainForm : public QMainWindow, public PageHost {
  Q_OBJECT
 public:
  // Reads and writes the settings file at settingsPath (LocateSettingsFile).
  explicit TMainForm(const QString& settingsPath, QWidget* parent = nullptr);
  ~TMainForm() override;

  AppState& State() { return state_; }
  SettingsFile& Settings() override { return *settings_; }
  void AddExitSettingsWriter(std::function<void(SettingsFile&)> writer) override;

  TNetNameDlg& NetNameDlg() override;
  TTypePointDlg& TypePointDlg() override;
  // The window «Осадки» once the project dialog has opened it, none before.
  SettlementView* Settlements() const { return settlementView_; }
  // The nets browser once acNetsBrowser has created it, none before.
  TNetsBrowser* NetsBrowser() const { return netsBrowser_; }

  // The net selector follows the net list: all names, the current net selected.
  void RefillNetSelector() override;
  // Selects entry index of the net selector and makes it the current net.
  void SelectNet(int32_t index);
  // The second panel of the status bar: the open file's full path.
  void ShowFileName();
  // The title's unsaved-changes mark as the data are.
  void ShowChangedMark();
  // acOpen after its dialog: reads path and shows the data (nothing when no file is there).
  void OpenFile(const QString& path);
  // Shows the window with new data, then opens the file named first among the
  // program's arguments, as a double click on a .kor file in a file manager asks.
  // A missing or damaged file is reported and the new data stay.
  void Start(const QStringList& arguments);

  QAction* acNew;
  QAction* acOpen;
  QAction* acSave;
  QAction* acSaveAs;
  QAction* acCloseData;
  QAction* acPrintReport;
  QAction* acExportReportPdf;
  QAction* acExportXlsx;
  QAction* acExit;
  QAction* acTechTableKor;
  QAction* acInputMode;
  QAction* acUpDateNets;
  QAction* acAdd;
  QAction* acInsert;
  QAction* acDeleteRec;
  QAction* acCopyDataToClipbrdExcel;
  QAction* acPasteDataFromClipbrdExcel;
  QAction* acNetsBrowser;
  QAction* acBuildNetFromJournal;
  QAction* acSelectAltitudeTable;
  QAction* acCopyFromAltitudeTable;
  QAction* acOpenExample;
  QAction* acAbout;
  QAction* acLeastSquares;
  QAction* acImportLevel;
  QAction* acMonitoringProject;
  QAction* acUndo;
  QAction* acRedo;

  QToolBar* ToolBar3;
  QToolBar* ToolBar1;
  QComboBox* ComboBox1;
  QLabel* StatusPanel1;
  QLabel* StatusPanel2;
  QTabWidget* PageControl1;
  JournalPage* journalPage;
  NetSystemPage* netSystemPage;
  AdjustmentPage* adjustmentPage;
  ElevationPage* elevationPage;
  AccuracyView* accuracyView;
  LoopsDock* LoopsPane;
  NetDiagramPage* DiagramPage;

 signals:
  // The history's notice: the data became (true) or stopped being (false) the saved data.
  void cleanStateChanged(bool clean);

 public slots:
  void acNewExecute();
  void acOpenExecute();
  void acSaveExecute();
  void acSaveAsExecute();
  void acCloseDataExecute();
  void acExitExecute();
  void acPrintReportExecute();
  void acExportReportPdfExecute();
  void acExportXlsxExecute();
  void acUpDateNetsExecute();
  void acNetsBrowserExecute();
  void acBuildNetFromJournalExecute();
  void acOpenExampleExecute();
  void acAboutExecute();
  void acImportLevelExecute();
  // «Проект мониторинга...»: the project dialog, then the window «Осадки».
  void acMonitoringProjectExecute();
  void ComboBox1Click();
  void acUndoExecute();
  void acRedoExecute();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void CreateActions();
  void CreateMenus();
  void CreateToolBars();
  void CreateStatusBar();
  void CreatePages();
  // The dock «Оценка точности», hidden until asked for, and its menu entries.
  void CreateAccuracyView();
  void CreatePanes();
  void SelectSectionOnPages(int net, int section);
  void ConnectActions();
  void ApplySettings();
  void WriteSettings();
  // Before a document: the net, the question when its heights are not
  // adjusted, then the title block; nothing when the user stops there.
  std::optional<DocumentOptions> AskDocumentOptions();

  // "Сохранить изменения?" while the data have unsaved changes; false when the
  // user cancels (or the save does not happen).
  bool SaveChangesFirst();
  // acSave and acSaveAs; false when no file was written.
  bool SaveData();
  bool SaveDataAs();
  // The screen after the data were closed, and after new or opened data.
  void ShowClosedData();
  void ShowOpenData();
  // The screen after a file was read.
  void ShowOpenedFile();
  // The Edit menu: its actions, the names of the steps they take, and the
  // screen after undo or redo.
  void CreateEditMenu();
  void ShowUndoNames();
  void ShowUndoneData();
  // The autosave with its interval from the settings, and the offer of copies left by ended programs.
  void StartAutosave();
  void OfferRecovery();
  // The save of the current file, after the question when another program changed it.
  bool SaveCurrentFile();
  // The file written with SaveOptions from the settings, asking when the backup cannot be written.
  bool WriteWithBackup(const std::function<void(const SaveOptions&)>& write);

  AppState state_;
  std::unique_ptr<SettingsFile> settings_;
  std::vector<std::function<void(SettingsFile&)>> exitSettingsWriters_;
  QMenu* netMenu_ = nullptr;
  QPoint toolBar1Position_;
  QPoint comboBox1Position_;
  bool firstShow_ = true;
  bool settingsWritten_ = false;
  QPointer<TNetNameDlg> netNameDlg_;
  QPointer<TTypePointDlg> typePointDlg_;
  QPointer<TAboutBox> aboutBox_;
  TNetsBrowser* netsBrowser_ = nullptr;       // a child of this window
  Autosave* autosave_ = nullptr;              // a child of this window
  SettlementView* settlementView_ = nullptr;  // a child of this window, made on first use
};

}  // namespace korvado
