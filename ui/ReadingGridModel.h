#pragma once
// DetailStringGrid and TechStringGrid over the journal: the setups of one
// record, a back row and a fore row per setup.

#include "JournalGridText.h"
#include "RowCountTableModel.h"

namespace korvado {

class ReadingGridModel : public RowCountTableModel {
  Q_OBJECT
 public:
  ReadingGridModel(const TKorData& journal, ReadingLayout layout, QObject* parent = nullptr);

  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  ReadingLayout Layout() const { return layout_; }
  // The record shown (-1: none).
  int32_t Record() const { return record_; }

  // Shows record's setups from the journal, heights with two decimals.
  void Refresh(int32_t record);
  // The setup heights in the shortest form until the next refresh (they have
  // just been recomputed from typed readings).
  void ShowTypedHeights();

 private:
  const TKorData& journal_;
  ReadingLayout layout_;
  int32_t record_ = -1;
  HeightForm heightForm_ = HeightForm::Fixed;
};

}  // namespace korvado
