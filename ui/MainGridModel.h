#pragma once
// MainStringGrid over the journal: one row per record. The model builds no
// items; each cell's text is computed when it is painted, so a refill of a
// large journal costs only the rows on screen.

#include "KorData.h"
#include "RowCountTableModel.h"

namespace korvado {

class MainGridModel : public RowCountTableModel {
  Q_OBJECT
 public:
  MainGridModel(const TKorData& journal, QObject* parent = nullptr);

  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  // RefillMainGrid: the row count and every text from the journal again. An
  // empty journal leaves the rows as they are.
  void Refill();
  // The record's height difference in the shortest form until the next refill
  // (it has just been recomputed from typed readings).
  void ShowTypedHeight(int32_t record);

 private:
  const TKorData& journal_;
  int32_t typedHeightRecord_ = -1;
};

}  // namespace korvado
