#pragma once
// The nets browser: the tree of nets and sections beside a list of the
// selected node's contents, and the commands that copy, paste, rename and
// delete nets, sections and runs. It works on the program's one net list; the
// app layer decides what each command does and where the selection goes, the
// window only shows that. Created on first use, shown modally, kept by the
// main window until the program ends.

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>
#include <QTreeWidget>
#include <vector>

#include "AppState.h"
#include "NetsBrowserView.h"

namespace korvado {

class PageHost;
class TAddPendentPointDlg;
class SettingsFile;

class TNetsBrowser : public QDialog {
  Q_OBJECT
 public:
  // Reads its size from the main window's settings file and writes it there at exit.
  TNetsBrowser(AppState& state, PageHost& host, QWidget* parent);

  const NetsBrowserState& Browser() const { return browser_; }
  // None before acAddPendentPoint was first run.
  TAddPendentPointDlg* AddPendentPointDlg() const { return pendentDlg_; }

  QMenuBar* MainMenu;
  QMenu* BrowserMenu;
  QMenu* NetMenu;
  QMenu* SectionMenu;
  QMenu* RunMenu;
  QMenu* PendentMenu;
  QWidget* Panel1;
  QComboBox* ComboBox1;
  QToolBar* ToolBar1;
  QSplitter* Splitter1;
  QTreeWidget* NetsTree;
  QTreeWidget* ListView1;
  QStatusBar* StatusBar1;

  QAction* acClose;
  QAction* acAddNet;
  QAction* acRenameNet;
  QAction* acCopyNet;
  QAction* acPasteNet;
  QAction* acDelNet;
  QAction* acCopySec;
  QAction* acPasteSec;
  QAction* acDelSection;
  QAction* acCopyDetSec;
  QAction* acPasteDetSec;
  QAction* acDelDetSection;
  QAction* acAddPendentPoint;
  QAction* acDelPendentPoint;
  QAction* acNetsLevel;

 public slots:
  void NetsTreeChange();
  void ListView1SelectItem();
  void ListView1DblClick();
  void ComboBox1Click();
  void acCloseExecute();
  void acAddNetExecute();
  void acRenameNetExecute();
  void acCopyNetExecute();
  void acPasteNetExecute();
  void acDelNetExecute();
  void acCopySecExecute();
  void acPasteSecExecute();
  void acDelSectionExecute();
  void acCopyDetSecExecute();
  void acPasteDetSecExecute();
  void acDelDetSectionExecute();
  void acAddPendentPointExecute();
  void acDelPendentPointExecute();
  void acNetsLevelExecute();

 protected:
  void showEvent(QShowEvent* event) override;                  // FormShow
  void hideEvent(QHideEvent* event) override;                  // FormHide
  bool eventFilter(QObject* watched, QEvent* event) override;  // ListView1KeyDown

 private:
  void CreateActions();
  void CreateMenus();
  void CreateBand();
  void CreateViews();
  void CreateStatusBar();
  void ConnectHandlers();
  void ReadSettings();
  void WriteSettings(SettingsFile& ini) const;

  void FillTree();
  void ClearViews();
  // Tree selection, caption, list and selector as the browser state says.
  void ShowSelection();
  void FillList();
  void UpdateActions();
  // After an edit: the tree again, the same place selected, the main selector refilled.
  void ShowEdit(const Outcome& edit);

  PageHost& host_;
  AppState& state_;
  NetsBrowserState browser_;
  std::vector<QTreeWidgetItem*> treeItems_;  // by absolute index
  TAddPendentPointDlg* pendentDlg_ = nullptr;
  // The window's own changes of the views are not the user's selections.
  bool updating_ = false;
};

}  // namespace korvado
