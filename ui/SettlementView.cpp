#include "SettlementView.h"

#include <QApplication>
#include <QClipboard>
#include <QEventLoop>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMessageBox>
#include <QProgressDialog>
#include <QSplitter>
#include <QTabWidget>
#include <QThread>
#include <QVBoxLayout>
#include <atomic>

#include "CommandGuard.h"
#include "FileDialogs.h"
#include "MonitoringCommands.h"
#include "OutcomeBox.h"
#include "ReportHtml.h"
#include "ReportPages.h"
#include "ReportPreview.h"
#include "SettlementCharts.h"
#include "SettlementStatement.h"

namespace korvado {

namespace {

// Shown against the time axis when no mark is selected.
constexpr size_t kDefaultPlotMarks = 5;

}  // namespace

SettlementView::SettlementView(AppState& state, SettingsFile& ini, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), ini_(ini), model_(new SettlementTableModel(this)) {
  setWindowTitle(QStringLiteral("Осадки"));
  ModeBox = new QComboBox(this);
  ModeBox->addItems({QStringLiteral("Отметки, мм"), QStringLiteral("Осадка от предыдущего цикла, мм"),
                     QStringLiteral("Осадка от первого цикла, мм"), QStringLiteral("Скорость, мм/сут")});
  ModeBox->setCurrentIndex(static_cast<int>(SettlementMode::kSinceFirst));
  btnRecompute = new QPushButton(QStringLiteral("Рассчитать"), this);
  btnCopySettlements = new QPushButton(QStringLiteral("Копировать"), this);
  btnPreviewStatement = new QPushButton(QStringLiteral("Ведомость осадок..."), this);
  btnStatementPdf = new QPushButton(QStringLiteral("PDF..."), this);
  btnStatementHtml = new QPushButton(QStringLiteral("HTML..."), this);
  SummaryLabel = new QLabel(this);
  SummaryLabel->setWordWrap(true);
  StabilityList = new QListWidget(this);
  StabilityList->setMaximumHeight(110);
  SettlementGrid = new QTableView(this);
  SettlementGrid->setModel(model_);
  SettlementGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
  SettlementGrid->verticalHeader()->setDefaultSectionSize(SettlementGrid->fontMetrics().height() + 6);
  TimePlot = new ChartWidget(this);
  TotalPlot = new ChartWidget(this);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(new QLabel(QStringLiteral("Показать:"), this));
  buttons->addWidget(ModeBox);
  buttons->addStretch();
  for (QPushButton* button : {btnRecompute, btnCopySettlements, btnPreviewStatement, btnStatementPdf, btnStatementHtml})
    buttons->addWidget(button);
  auto* plots = new QTabWidget(this);
  plots->addTab(TimePlot, QStringLiteral("Осадки во времени"));
  plots->addTab(TotalPlot, QStringLiteral("Общая осадка марок"));
  auto* splitter = new QSplitter(Qt::Horizontal, this);
  splitter->addWidget(SettlementGrid);
  splitter->addWidget(plots);
  splitter->setStretchFactor(0, 1);
  splitter->setStretchFactor(1, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(SummaryLabel);
  layout->addWidget(StabilityList);
  layout->addWidget(splitter, 1);
  resize(1200, 720);

  connect(ModeBox, &QComboBox::currentIndexChanged, this, [this] { ShowResults(); });
  ConnectCommand(btnRecompute, &QPushButton::clicked, this, &SettlementView::btnRecomputeClick);
  ConnectCommand(btnCopySettlements, &QPushButton::clicked, this, &SettlementView::btnCopySettlementsClick);
  ConnectCommand(btnPreviewStatement, &QPushButton::clicked, this, &SettlementView::btnPreviewStatementClick);
  ConnectCommand(btnStatementPdf, &QPushButton::clicked, this, &SettlementView::btnStatementPdfClick);
  ConnectCommand(btnStatementHtml, &QPushButton::clicked, this, &SettlementView::btnStatementHtmlClick);
  connect(SettlementGrid->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &SettlementView::ShowSelectedMarks);
  ShowResults();
}

void SettlementView::ShowResults() {
  const std::shared_ptr<const MonitoringResult>& results = state_.Monitoring.Results;
  model_->Show(results, static_cast<SettlementMode>(ModeBox->currentIndex()));
  StabilityList->clear();
  for (QWidget* needsResults :
       std::initializer_list<QWidget*>{btnCopySettlements, btnPreviewStatement, btnStatementPdf, btnStatementHtml})
    needsResults->setEnabled(results != nullptr);
  if (!results) {
    SummaryLabel->setText(state_.Monitoring.Project
                              ? QStringLiteral("Проект не рассчитан. Нажмите «Рассчитать».")
                              : QStringLiteral("Откройте проект: «Файл → Проект мониторинга...»."));
    TimePlot->SetChart({});
    TotalPlot->SetChart({});
    return;
  }
  SummaryLabel->setText(QStringLiteral("Объект «%1»: циклов %2, марок %3. Значимые осадки (больше 2σ) выделены.")
                            .arg(QString::fromStdString(results->object))
                            .arg(results->cycles.size())
                            .arg(results->analysis.marks.size()));
  for (const std::string& line : StabilityLines(*results)) StabilityList->addItem(QString::fromStdString(line));
  SettlementGrid->resizeColumnsToContents();
  TotalPlot->SetChart(TotalSettlementChart(*results));
  ShowSelectedMarks();
}

void SettlementView::ShowSelectedMarks() {
  const std::shared_ptr<const MonitoringResult>& results = state_.Monitoring.Results;
  if (!results) return;
  std::vector<size_t> marks;
  for (const QModelIndex& row : SettlementGrid->selectionModel()->selectedRows())
    marks.push_back(static_cast<size_t>(row.row()));
  std::sort(marks.begin(), marks.end());
  if (marks.empty()) marks = LargestSettlements(*results, kDefaultPlotMarks);
  TimePlot->SetChart(SettlementTimeChart(*results, marks));
}

std::optional<MonitoringResult> SettlementView::ComputeOffThread() {
  const MonitoringProject project = *state_.Monitoring.Project;
  const std::string path = state_.Monitoring.Path;
  QProgressDialog progress(QStringLiteral("Расчёт проекта мониторинга..."), QStringLiteral("Отмена"), 0,
                           static_cast<int>(project.cycles.size()), this);
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(200);
  std::atomic<bool> stop{false};
  connect(&progress, &QProgressDialog::canceled, this, [&stop] { stop = true; });
  std::optional<Result<MonitoringResult>> computed;
  QThread* worker = QThread::create([&] {
    computed.emplace(ComputeProject(project, path, [&](size_t done, size_t) {
      QMetaObject::invokeMethod(
          &progress, [&progress, done] { progress.setValue(static_cast<int>(done)); }, Qt::QueuedConnection);
      return !stop.load();
    }));
  });
  QEventLoop loop;
  connect(worker, &QThread::finished, &loop, &QEventLoop::quit);
  worker->start();
  loop.exec();
  worker->wait();
  delete worker;
  if (!computed->HasValue()) {
    if (computed->RefusalText() != kComputationStopped) ShowOutcomeBox(this, *computed);
    return std::nullopt;
  }
  return std::move(**computed);
}

bool SettlementView::ChangedCyclesAccepted(const MonitoringResult& result) {
  if (result.changedCycles.empty()) return true;
  QString cycles;
  for (size_t c : result.changedCycles)
    cycles += (cycles.isEmpty() ? "" : ", ") + QString::number(c + 1) +
              QStringLiteral(" («%1»)").arg(QString::fromStdString(result.cycles[c].file));
  return QMessageBox::question(this, QStringLiteral("Осадки"),
                               QStringLiteral("Файлы циклов %1 изменились после последнего расчёта проекта. "
                                              "Пересчитать эти циклы по новым данным?")
                                   .arg(cycles)) == QMessageBox::Yes;
}

void SettlementView::btnRecomputeClick() {
  if (!state_.Monitoring.Project) {
    ShowOutcomeBox(this,
                   Outcome::Refusal("Проект мониторинга не открыт. Откройте его: «Файл → Проект мониторинга...»."));
    return;
  }
  std::optional<MonitoringResult> result = ComputeOffThread();
  if (!result || !ChangedCyclesAccepted(*result)) return;
  TakeProjectResults(state_, std::move(*result));
  ShowResults();
}

void SettlementView::btnCopySettlementsClick() {
  if (!state_.Monitoring.Results) return;
  QApplication::clipboard()->setText(QString::fromStdString(
      SettlementCopyText(*state_.Monitoring.Results, static_cast<SettlementMode>(ModeBox->currentIndex()))));
}

void SettlementView::btnPreviewStatementClick() {
  if (!state_.Monitoring.Results) return;
  PreviewReport(SettlementStatement(*state_.Monitoring.Results, StampNow(state_.Monitoring.Path)),
                QStringLiteral("Ведомость осадок"), this);
}

void SettlementView::btnStatementPdfClick() {
  if (!state_.Monitoring.Results) return;
  const QString path =
      AskFilePath(this, ini_, QStringLiteral("Ведомость осадок в PDF"), QStringLiteral("Документ PDF (*.pdf)"),
                  QFileDialog::AcceptSave, QStringLiteral("pdf"));
  if (path.isEmpty()) return;
  SaveReportPdf(SettlementStatement(*state_.Monitoring.Results, StampNow(state_.Monitoring.Path)), path.toStdString());
}

void SettlementView::btnStatementHtmlClick() {
  if (!state_.Monitoring.Results) return;
  const QString path =
      AskFilePath(this, ini_, QStringLiteral("Ведомость осадок в HTML"), QStringLiteral("Веб-страница (*.html)"),
                  QFileDialog::AcceptSave, QStringLiteral("html"));
  if (path.isEmpty()) return;
  SaveReportHtml(SettlementStatement(*state_.Monitoring.Results, StampNow(state_.Monitoring.Path)), path.toStdString());
}

}  // namespace korvado
