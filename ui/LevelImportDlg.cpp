#include "LevelImportDlg.h"

#include <QAbstractTableModel>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include "KorData.h"
#include "NumberColumns.h"
#include "NumberText.h"

namespace korvado {

namespace {

enum Column {
  kTick,
  kStart,
  kEnd,
  kMethod,
  kStations,
  kHeight,
  kBackSights,
  kForeSights,
  kImbalance,
  kFailed,
  kIntermediate,
  kReason,
  kColumnCount
};

// Two-line titles keep the columns narrow enough for the reason to be seen whole.
const char* const kHeaders[kColumnCount] = {"",
                                            "Начало",
                                            "Конец",
                                            "Метод",
                                            "Стан-\nций",
                                            "Превышение,\nмм",
                                            "Задние\nплечи, м",
                                            "Передние\nплечи, м",
                                            "Нера-\nвенство, м",
                                            "Не прошли\nконтроль",
                                            "Проме-\nжуточных",
                                            "Почему не импортируется"};

QString HeightText(const std::optional<double>& height) {
  if (!height) return QStringLiteral("—");
  if (*height == InvalidHeight) return QStringLiteral("Ошибка");
  return QString::fromStdString(FormatFixed(2, *height));
}

}  // namespace

// The lines as rows; only the tick is editable, and only on lines the journal can take.
class LevelImportModel : public QAbstractTableModel {
 public:
  LevelImportModel(QObject* parent, const std::vector<LevelLinePreview>& lines)
      : QAbstractTableModel(parent), lines_(lines) {
    for (const LevelLinePreview& line : lines_) ticked_.push_back(line.Importable());
  }

  int rowCount(const QModelIndex& parent) const override {
    return parent.isValid() ? 0 : static_cast<int>(lines_.size());
  }
  int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : kColumnCount; }

  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    return QString::fromUtf8(kHeaders[section]);
  }

  QVariant data(const QModelIndex& index, int role) const override {
    const LevelLinePreview& line = lines_[index.row()];
    if (role == Qt::CheckStateRole && index.column() == kTick)
      return ticked_[index.row()] ? Qt::Checked : Qt::Unchecked;
    if (role == Qt::TextAlignmentRole && index.column() >= kStations && index.column() <= kIntermediate)
      return QVariant(kNumberAlignment);
    if (role == Qt::DisplayRole) return Text(line, index.column());
    if (role == Qt::ToolTipRole && !line.Importable()) return QString::fromStdString(line.Refusal);
    return {};
  }

  Qt::ItemFlags flags(const QModelIndex& index) const override {
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == kTick && lines_[index.row()].Importable()) flags |= Qt::ItemIsUserCheckable;
    return flags;
  }

  bool setData(const QModelIndex& index, const QVariant& value, int role) override {
    if (role != Qt::CheckStateRole || !(flags(index) & Qt::ItemIsUserCheckable)) return false;
    ticked_[index.row()] = value.toInt() == Qt::Checked;
    emit dataChanged(index, index, {role});
    return true;
  }

  const std::vector<bool>& Ticked() const { return ticked_; }

 private:
  static QVariant Text(const LevelLinePreview& line, int column) {
    auto metres = [](double m) { return QString::fromStdString(FormatFixed(1, m)); };
    switch (column) {
      case kStart:
        return QString::fromStdString(line.Start);
      case kEnd:
        return QString::fromStdString(line.End);
      case kMethod:
        return QString::fromStdString(line.Method);
      case kStations:
        return line.Stations;
      case kHeight:
        return HeightText(line.Height);
      case kBackSights:
        return metres(line.BackSights);
      case kForeSights:
        return metres(line.ForeSights);
      case kImbalance:
        return metres(line.BackSights - line.ForeSights);
      case kFailed:
        return line.FailedChecks;
      case kIntermediate:
        return line.IntermediateSights;
      case kReason:
        return QString::fromStdString(line.Refusal);
      default:
        return {};
    }
  }

  const std::vector<LevelLinePreview>& lines_;
  std::vector<bool> ticked_;
};

LevelImportDlg::LevelImportDlg(QWidget* parent, const LevelImport& import, const QString& fileName,
                               bool canInsertBefore)
    : QDialog(parent) {
  setWindowTitle(QStringLiteral("Импорт измерений"));
  resize(1220, 420);
  lbSummary = new QLabel(QStringLiteral("Файл %1 (%2): ходов %3. Отметьте ходы, которые нужно внести в журнал.")
                             .arg(fileName, QString::fromStdString(import.FormatName))
                             .arg(static_cast<int>(import.Lines.size())),
                         this);
  lbSummary->setWordWrap(true);

  model_ = new LevelImportModel(this, import.Lines);
  LinesView = new QTableView(this);
  LinesView->setModel(model_);
  LinesView->setSelectionBehavior(QAbstractItemView::SelectRows);
  LinesView->verticalHeader()->setDefaultSectionSize(LinesView->fontMetrics().height() + 6);
  LinesView->horizontalHeader()->setStretchLastSection(true);
  LinesView->resizeColumnsToContents();
  // A reason wraps within its column: rows follow the width the dialog gives it.
  LinesView->setWordWrap(true);
  connect(LinesView->horizontalHeader(), &QHeaderView::sectionResized, this, [this](int section) {
    if (section == kReason) QTimer::singleShot(0, LinesView, &QTableView::resizeRowsToContents);
  });

  auto* place = new QGroupBox(QStringLiteral("Куда вставить записи"), this);
  rbAtEnd = new QRadioButton(QStringLiteral("В &конец журнала"), place);
  rbBeforeCurrent = new QRadioButton(QStringLiteral("П&еред текущей записью"), place);
  rbAtEnd->setChecked(true);
  rbBeforeCurrent->setEnabled(canInsertBefore);
  auto* placeLayout = new QHBoxLayout(place);
  placeLayout->addWidget(rbAtEnd);
  placeLayout->addWidget(rbBeforeCurrent);
  placeLayout->addStretch();

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(lbSummary);
  layout->addWidget(LinesView, 1);
  layout->addWidget(place);
  layout->addWidget(buttons);
}

std::vector<bool> LevelImportDlg::Ticked() const { return model_->Ticked(); }

bool LevelImportDlg::BeforeCurrent() const { return rbBeforeCurrent->isChecked(); }

}  // namespace korvado
