#pragma once
// The marks × cycles table of «Осадки», read cell by cell from the results
// (no copy of the texts), significant settlements on a red ground.

#include <QAbstractTableModel>
#include <memory>

#include "SettlementTable.h"

namespace korvado {

class SettlementTableModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit SettlementTableModel(QObject* parent = nullptr);

  void Show(std::shared_ptr<const MonitoringResult> results, SettlementMode mode);
  SettlementMode Mode() const { return mode_; }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  std::shared_ptr<const MonitoringResult> results_;
  SettlementMode mode_ = SettlementMode::kSinceFirst;
  std::vector<std::string> header_;
};

}  // namespace korvado
