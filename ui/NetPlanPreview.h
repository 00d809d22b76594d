#pragma once
// The preview «Новая сеть»: the sections the journal makes, the repeated runs
// with their discrepancy and tolerance (those over it in red, each with a
// tick to keep it), the pendent points and what was left out and why.

#include <QLabel>
#include <QTabWidget>
#include <QTableView>
#include <QWidget>
#include <vector>

#include "NetFromJournalCommands.h"

namespace korvado {

class TextTableModel;
class RepeatedRunsModel;

class NetPlanPreview : public QWidget {
  Q_OBJECT
 public:
  explicit NetPlanPreview(QWidget* parent = nullptr);

  void ShowPlan(const NetPlan& plan);
  // First record numbers of the repeated runs over the tolerance ticked to be kept.
  std::vector<int32_t> KeptRepeats() const;

  QLabel* lbPlanSummary;
  QTabWidget* PlanTabs;
  QTableView* SectionsView;
  QTableView* RepeatedView;
  QTableView* PendentView;
  QTableView* LeftOutView;

 signals:
  // A tick «Оставить» changed: the net is to be planned again.
  void KeptRepeatsChanged();

 private:
  QTableView* AddTable(QAbstractItemModel* model, const QString& title);

  TextTableModel* sections_;
  RepeatedRunsModel* repeated_;
  TextTableModel* pendent_;
  TextTableModel* leftOut_;
};

}  // namespace korvado
