#pragma once
// «Проект мониторинга»: create or open a project, name its object, add and
// remove cycles (a data file, a net in it, a date) and tick the reference
// benchmarks among the points of the first cycle's net. Every change is
// written to the project file at once; «Показать осадки» opens the view.

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

#include "AppState.h"

namespace korvado {

class SettingsFile;

class MonitoringProjectDlg : public QDialog {
  Q_OBJECT
 public:
  MonitoringProjectDlg(AppState& state, SettingsFile& ini, QWidget* parent);

  QLabel* ProjectPathLabel;
  QPushButton* btnCreateProject;
  QPushButton* btnOpenProject;
  QLineEdit* ObjectEdit;
  QTableWidget* CyclesGrid;
  QPushButton* btnAddCycle;
  QPushButton* btnRemoveCycle;
  QListWidget* ReferenceList;
  QLabel* ReferenceHint;
  QPushButton* btnShowSettlements;

  // Fills the widgets from the open project.
  void ShowProject();

 public slots:
  void btnCreateProjectClick();
  void btnOpenProjectClick();
  void btnAddCycleClick();
  void btnRemoveCycleClick();
  void btnShowSettlementsClick();
  void ObjectEditDone();
  void ReferenceListChange();

 signals:
  // The project is ready to be computed and shown.
  void showSettlements();

 private:
  void FillReferenceList();
  std::vector<std::string> CheckedReference() const;

  AppState& state_;
  SettingsFile& ini_;
  bool filling_ = false;
};

}  // namespace korvado
