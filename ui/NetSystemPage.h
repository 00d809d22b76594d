#pragma once
// The page "Система нивелирных ходов": the journal search and the buttons
// that build nets from the runs found, section by section and run by run.
// Each handler is a slot named after its control; the window only shows what
// the app layer computes.

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QWidget>
#include <optional>

#include "AppState.h"
#include "NetConstructionCommands.h"
#include "PointTypeQuestion.h"
#include "UpDown.h"

namespace korvado {

class PageHost;
class TEquiDlg;

class NetSystemPage : public QWidget {
  Q_OBJECT
 public:
  NetSystemPage(AppState& state, PageHost& host, QWidget* parent = nullptr);

  // No data: an empty search and no runs.
  void ShowClosedData();

  // Left part: the search above the active section's runs.
  QWidget* Panel2;
  QSplitter* Splitter2;
  QWidget* Panel4;
  QWidget* Panel5;
  QLabel* LabelFindBP;
  QLineEdit* EditFindBP;
  QPushButton* btnFind;
  QTableWidget* FindStringGrid;
  QTreeWidget* DetSecListView;

  // Right part: the net-building buttons and the active-section counter.
  QWidget* Panel1;
  QPushButton* btnAddNet;
  QPushButton* btnAddNetSection;
  QToolButton* AddEquiSecSpeedButton;
  QToolButton* EquiSecSpeedButton;
  QPushButton* btnAddNetDTSection;
  QToolButton* AddEquiSpeedButton;
  QToolButton* EquiSpeedButton;
  QLabel* LabelActiveSection;
  QLineEdit* Edit1;
  UpDown* UpDown1;
  // «Построить сеть по журналу...»: the main window's action of the same name.
  QPushButton* btnBuildNet;
  // «Эквивалентные штативы» from the keyboard: for a new section or for the
  // active one, as a double click chooses.
  QAction* acEquivalentRuns;

 public slots:
  void btnFindClick();
  void btnAddNetClick();
  void btnAddNetSectionClick();
  void btnAddNetDTSectionClick();
  void FindStringGridDblClick();
  void UpDown1Click();
  // Makes a section of the current net the active one, as if stepped to.
  void ShowActiveSection(int32_t section);
  void AddEquiSecSpeedButtonClick();
  void EquiSecSpeedButtonClick();
  void AddEquiSpeedButtonClick();
  void EquiSpeedButtonClick();
  void acEquivalentRunsExecute();
  // Shared with the equivalent-setups commands.
  void RefreshActiveSectionView();
  void ContinueSearch();

 private:
  void BuildSearchPanel();
  void BuildButtonPanel();
  void ConnectHandlers();
  // The keys of the four commands, also shown in their tooltips.
  void AssignShortcuts();
  bool eventFilter(QObject* watched, QEvent* event) override;

  // The merge dialog, created on first use and kept.
  TEquiDlg& EquiDlg();
  // The grid's current row is the run the commands take.
  void TakeSelectedRow();
  // The search box and the result grid as the last search left them.
  void ShowSearch();
  // After a run or section went into the net: its runs, then the search from its end.
  void ShowAddedRun();
  // The counter at the active section; empty while there is none.
  void ShowActiveSectionCounter();

  AppState& state_;
  PageHost& host_;
  // What the search grid shows; the data stay in the AppState.
  ConstructionPage page_;
  QPointer<TEquiDlg> equiDlg_;
};

}  // namespace korvado
