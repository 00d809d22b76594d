#pragma once
// The fixed-point elevation dialog: one row per fixed point of the current
// net, name and elevation, both editable. OK hands the rows to the command
// given before the showing; a refusal keeps the dialog open with the user's
// text, so that nothing typed is lost.

#include <QDialog>
#include <QPushButton>
#include <QTableWidget>
#include <QWidget>
#include <functional>
#include <vector>

#include "AdjustmentCommands.h"

namespace korvado {

class TOriginAltitudeForm : public QDialog {
  Q_OBJECT
 public:
  // Returns false when the rows were refused (the refusal has been shown).
  using ApplyRows = std::function<bool(const std::vector<AltitudeRow>&)>;

  explicit TOriginAltitudeForm(QWidget* parent = nullptr);

  // Title and rows for this showing, and what OK does with the edited rows.
  void FormShow(const OriginAltitudeDialogContent& content, ApplyRows apply);
  // The grid's rows as they stand, an edit in progress included.
  std::vector<AltitudeRow> Rows();

  QTableWidget* StringGrid1;
  QWidget* Panel1;
  QPushButton* btnOk;
  QPushButton* btnCancel;

 public slots:
  void accept() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FormCreate();
  void CommitCellEdit();

  ApplyRows apply_;
};

}  // namespace korvado
