#pragma once
// The points of the chosen records with a tick «Репер» and an elevation
// cell. Typing an elevation ticks the point; the rows themselves are the app
// layer's BenchmarkRow values.

#include <QAbstractTableModel>
#include <vector>

#include "NetFromJournalCommands.h"

namespace korvado {

class BenchmarkTableModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  enum Column { kPoint, kTick, kElevation, kColumnCount };

  using QAbstractTableModel::QAbstractTableModel;

  void SetRows(std::vector<BenchmarkRow> rows);
  const std::vector<BenchmarkRow>& Rows() const { return rows_; }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

 private:
  std::vector<BenchmarkRow> rows_;
};

}  // namespace korvado
