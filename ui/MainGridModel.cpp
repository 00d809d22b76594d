#include "MainGridModel.h"

#include "JournalGridText.h"
#include "NumberColumns.h"

namespace korvado {

namespace {

const char* const kTitles[kMainColumnCount] = {"Задн. точка", "Передн. точка", "Число штативов", "Превышение",
                                               "Примечания"};

}  // namespace

MainGridModel::MainGridModel(const TKorData& journal, QObject* parent)
    : RowCountTableModel(parent), journal_(journal) {}

int MainGridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kMainColumnCount; }

QVariant MainGridModel::data(const QModelIndex& index, int role) const {
  if (role == Qt::TextAlignmentRole) {
    const bool number = index.column() == kMainSetups || index.column() == kMainHeight;
    return QVariant::fromValue(number ? kNumberAlignment : Qt::AlignLeft | Qt::AlignVCenter);
  }
  if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
  const int32_t record = index.row();
  const HeightForm form = record == typedHeightRecord_ ? HeightForm::General : HeightForm::Grouped;
  return QString::fromStdString(MainGridText(journal_, record, index.column(), form));
}

QVariant MainGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= kMainColumnCount) return {};
  return QString::fromUtf8(kTitles[section]);
}

Qt::ItemFlags MainGridModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

void MainGridModel::Refill() {
  typedHeightRecord_ = -1;
  if (journal_.RecordCount() == 0) return;
  ResizeTo(journal_.RecordCount());
  emit dataChanged(index(0, 0), index(rows_ - 1, kMainColumnCount - 1));
}

void MainGridModel::ShowTypedHeight(int32_t record) {
  typedHeightRecord_ = record;
  if (record >= 0 && record < rows_) emit dataChanged(index(record, kMainHeight), index(record, kMainHeight));
}

}  // namespace korvado
