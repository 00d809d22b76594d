#include "ReadingGridModel.h"

#include "NumberColumns.h"

namespace korvado {

namespace {

const char* const kPreciseTitles[] = {"Точка", "Осн. шкала", "Доп. шкала", "Превышение / Примечания"};
const char* const kTechnicalTitles[] = {"Точка", "Отсчет по рейке", "Превышение / Примечания"};

}  // namespace

ReadingGridModel::ReadingGridModel(const TKorData& journal, ReadingLayout layout, QObject* parent)
    : RowCountTableModel(parent), journal_(journal), layout_(layout) {}

int ReadingGridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : ReadingColumnCount(layout_);
}

QVariant ReadingGridModel::data(const QModelIndex& index, int role) const {
  if (role == Qt::TextAlignmentRole) {
    // Fore rows of the height column hold the setup's note, which is text.
    const bool note = index.column() == ReadingHeightColumn(layout_) && !IsBackRow(index.row());
    return QVariant::fromValue(index.column() > 0 && !note ? kNumberAlignment : Qt::AlignLeft | Qt::AlignVCenter);
  }
  if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
  return QString::fromStdString(ReadingGridText(journal_, record_, layout_, index.row(), index.column(), heightForm_));
}

QVariant ReadingGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= columnCount()) return {};
  return QString::fromUtf8(layout_ == ReadingLayout::Precise ? kPreciseTitles[section] : kTechnicalTitles[section]);
}

Qt::ItemFlags ReadingGridModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

void ReadingGridModel::Refresh(int32_t record) {
  record_ = record;
  heightForm_ = HeightForm::Fixed;
  ResizeTo(ReadingRowCount(journal_, record));
  if (rows_ > 0) emit dataChanged(index(0, 0), index(rows_ - 1, columnCount() - 1));
}

void ReadingGridModel::ShowTypedHeights() {
  heightForm_ = HeightForm::General;
  const int column = ReadingHeightColumn(layout_);
  if (rows_ > 0) emit dataChanged(index(0, column), index(rows_ - 1, column));
}

}  // namespace korvado
