#pragma once
// "Импорт измерений": the levelling lines found in a digital level's file,
// a tick for each line the journal can take, the reason beside each it cannot,
// and where in the journal the records go.

#include <QDialog>
#include <vector>

#include "LevelImportCommands.h"

class QRadioButton;
class QTableView;
class QLabel;

namespace korvado {

class LevelImportModel;

class LevelImportDlg : public QDialog {
  Q_OBJECT

 public:
  LevelImportDlg(QWidget* parent, const LevelImport& import, const QString& fileName, bool canInsertBefore);

  std::vector<bool> Ticked() const;
  bool BeforeCurrent() const;

  QTableView* LinesView;
  QRadioButton* rbAtEnd;
  QRadioButton* rbBeforeCurrent;
  QLabel* lbSummary;

 private:
  LevelImportModel* model_;
};

}  // namespace korvado
