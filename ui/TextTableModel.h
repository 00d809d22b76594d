#pragma once
// A read-only table of texts computed by the app layer, with its header.
// The columns of numbers are right-aligned.

#include <QAbstractTableModel>
#include <string>
#include <vector>

namespace korvado {

class TextTableModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  TextTableModel(std::vector<std::string> header, std::vector<bool> numeric, QObject* parent = nullptr);

  void SetRows(std::vector<std::vector<std::string>> rows);
  const std::vector<std::string>& Header() const { return header_; }
  const std::vector<std::vector<std::string>>& Rows() const { return rows_; }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  bool NumericColumn(int column) const { return column < static_cast<int>(numeric_.size()) && numeric_[column]; }

  std::vector<std::string> header_;
  std::vector<bool> numeric_;
  std::vector<std::vector<std::string>> rows_;
};

}  // namespace korvado
