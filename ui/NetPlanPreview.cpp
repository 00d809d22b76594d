#include "NetPlanPreview.h"

#include <QBrush>
#include <QHeaderView>
#include <QVBoxLayout>

#include "NetFromJournalCommands.h"
#include "TextTableModel.h"

namespace korvado {

namespace {

std::vector<std::string> WithKeepColumn(std::vector<std::string> header) {
  header.push_back("Оставить");
  return header;
}

QString TabTitle(const char* title, size_t count) {
  return QString::fromUtf8(title) + QStringLiteral(" (%1)").arg(static_cast<qulonglong>(count));
}

}  // namespace

// The repeated runs as text, the ones over the tolerance in red with a tick
// that keeps them in the net.
class RepeatedRunsModel : public TextTableModel {
 public:
  explicit RepeatedRunsModel(QObject* parent)
      : TextTableModel(WithKeepColumn(PlanRepeatedHeader()), {false, false, false, true, true, false, false}, parent) {}

  void SetRuns(const std::vector<RepeatedRuns>& runs, std::vector<std::vector<std::string>> rows) {
    runs_ = runs;
    SetRows(std::move(rows));
  }

  std::vector<int32_t> Kept() const {
    std::vector<int32_t> kept;
    for (const RepeatedRuns& runs : runs_)
      if (!runs.passed && runs.used) kept.push_back(runs.records.front());
    return kept;
  }

  QVariant data(const QModelIndex& index, int role) const override {
    const RepeatedRuns& runs = runs_[static_cast<size_t>(index.row())];
    if (role == Qt::ForegroundRole && !runs.passed) return QBrush(Qt::red);
    if (role == Qt::CheckStateRole && index.column() == kKeepColumn && !runs.passed)
      return runs.used ? Qt::Checked : Qt::Unchecked;
    return TextTableModel::data(index, role);
  }

  Qt::ItemFlags flags(const QModelIndex& index) const override {
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == kKeepColumn && !runs_[static_cast<size_t>(index.row())].passed)
      flags |= Qt::ItemIsUserCheckable;
    return flags;
  }

  bool setData(const QModelIndex& index, const QVariant& value, int role) override {
    if (role != Qt::CheckStateRole || !(flags(index) & Qt::ItemIsUserCheckable)) return false;
    runs_[static_cast<size_t>(index.row())].used = value.toInt() == Qt::Checked;
    emit dataChanged(index, index, {role});
    return true;
  }

 private:
  static constexpr int kKeepColumn = 6;
  std::vector<RepeatedRuns> runs_;
};

NetPlanPreview::NetPlanPreview(QWidget* parent) : QWidget(parent) {
  lbPlanSummary = new QLabel(this);
  lbPlanSummary->setWordWrap(true);
  PlanTabs = new QTabWidget(this);
  sections_ = new TextTableModel(PlanSectionHeader(), {true, false, false, true, true, true}, this);
  repeated_ = new RepeatedRunsModel(this);
  pendent_ = new TextTableModel(PlanPendentHeader(), {true, false, false, true}, this);
  leftOut_ = new TextTableModel(PlanLeftOutHeader(), {false, false, false}, this);
  SectionsView = AddTable(sections_, QStringLiteral("Звенья"));
  RepeatedView = AddTable(repeated_, QStringLiteral("Повторные ходы"));
  PendentView = AddTable(pendent_, QStringLiteral("Висячие точки"));
  LeftOutView = AddTable(leftOut_, QStringLiteral("Не вошли"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(lbPlanSummary);
  layout->addWidget(PlanTabs, 1);
  connect(repeated_, &QAbstractItemModel::dataChanged, this,
          [this](const QModelIndex&, const QModelIndex&, const QList<int>& roles) {
            if (roles.contains(Qt::CheckStateRole)) emit KeptRepeatsChanged();
          });
}

QTableView* NetPlanPreview::AddTable(QAbstractItemModel* model, const QString& title) {
  auto* view = new QTableView(PlanTabs);
  view->setModel(model);
  view->setSelectionBehavior(QAbstractItemView::SelectRows);
  view->verticalHeader()->hide();
  view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
  view->horizontalHeader()->setStretchLastSection(true);
  PlanTabs->addTab(view, title);
  return view;
}

void NetPlanPreview::ShowPlan(const NetPlan& plan) {
  NetPlanView view = ViewOfPlan(plan);
  lbPlanSummary->setText(QString::fromStdString(view.summary));
  for (std::vector<std::string>& row : view.repeated) row.emplace_back();
  const size_t repeatedCount = view.repeated.size();
  sections_->SetRows(std::move(view.sections));
  repeated_->SetRuns(plan.repeated, std::move(view.repeated));
  pendent_->SetRows(std::move(view.pendent));
  leftOut_->SetRows(std::move(view.leftOut));
  PlanTabs->setTabText(0, TabTitle("Звенья", static_cast<size_t>(plan.net.SectionCount())));
  PlanTabs->setTabText(1, TabTitle("Повторные ходы", repeatedCount));
  PlanTabs->setTabText(2, TabTitle("Висячие точки", plan.pendent.size()));
  PlanTabs->setTabText(3, TabTitle("Не вошли", plan.leftOut.size()));
  for (QTableView* table : {SectionsView, RepeatedView, PendentView, LeftOutView}) table->resizeColumnsToContents();
}

std::vector<int32_t> NetPlanPreview::KeptRepeats() const { return repeated_->Kept(); }

}  // namespace korvado
