#pragma once
// A read-only table of texts computed by the app layer, with its header.
// The columns of numbers are right-aligned and sort as numbers (kSortRole);
// a column may sort by keys of its own, cells may carry a tooltip, and rows
// may be marked for attention.

#include <QAbstractTableModel>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace korvado {

class TextTableModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  // What a sorting proxy sorts by: a number for the columns of numbers.
  static constexpr int kSortRole = Qt::UserRole;

  TextTableModel(std::vector<std::string> header, std::vector<bool> numeric, QObject* parent = nullptr);

  using RowSource = std::function<std::vector<std::string>(int row)>;
  using TextSource = std::function<std::string(int row)>;

  // New rows drop the tooltips, marks and sort keys of the old ones.
  void SetRows(std::vector<std::vector<std::string>> rows);
  // `count` rows, each made by row(r) the first time one of its cells is
  // asked for: a large table shows at once, formatting only what is in sight.
  void SetRows(int count, RowSource row);
  // Per row, the tooltip of its cell in `column`.
  void SetToolTips(int column, std::vector<std::string> tips);
  // The same, each tooltip made when it is shown.
  void SetToolTips(int column, TextSource tip);
  // Per row, whether it is drawn in the attention colours.
  void SetMarkedRows(std::vector<bool> marked);
  // Per row, what `column` sorts by instead of its number.
  void SetSortKeys(int column, std::vector<double> keys);

  const std::vector<std::string>& Header() const { return header_; }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  bool NumericColumn(int column) const { return column < static_cast<int>(numeric_.size()) && numeric_[column]; }
  const std::string& Cell(int row, int column) const;
  std::optional<std::string> ToolTip(int row, int column) const;
  QVariant SortKey(int row, int column) const;
  void ColumnsChanged(int first, int last, const QList<int>& roles);
  bool Marked(int row) const { return row < static_cast<int>(marked_.size()) && marked_[row]; }

  std::vector<std::string> header_;
  std::vector<bool> numeric_;
  // A row not made yet is empty.
  mutable std::vector<std::vector<std::string>> rows_;
  RowSource rowSource_;
  std::map<int, std::vector<std::string>> toolTips_;
  std::map<int, TextSource> toolTipSources_;
  std::map<int, std::vector<double>> sortKeys_;
  std::vector<bool> marked_;
};

}  // namespace korvado
