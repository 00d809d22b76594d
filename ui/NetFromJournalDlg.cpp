#include "NetFromJournalDlg.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMessageBox>
#include <QVBoxLayout>
#include <unordered_map>

#include "BenchmarkTableModel.h"
#include "CommandGuard.h"
#include "FileDialogs.h"
#include "FormatLimits.h"
#include "NetPlanPreview.h"
#include "ShowOutcome.h"

namespace korvado {

namespace {

constexpr int kChoicePage = 0;
constexpr int kPreviewPage = 1;
const char* const kCatalogueFilters = "Каталог отметок (*.txt *.csv *.tsv);;Все файлы (*)";

QString NextNetName(const TNetList& nets) { return QStringLiteral("Сеть %1").arg(nets.NetCount() + 1); }

}  // namespace

NetFromJournalDlg::NetFromJournalDlg(QWidget* parent, const AppState& state, SettingsFile& settings,
                                     std::vector<int32_t> selected)
    : QDialog(parent), state_(state), settings_(settings), selected_(std::move(selected)) {
  setWindowTitle(QStringLiteral("Построить сеть по журналу"));
  resize(760, 560);
  Pages = new QStackedWidget(this);
  Pages->addWidget(BuildChoicePage());
  Pages->addWidget(BuildPreviewPage());
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Pages);
  RecordsChosen();
}

QWidget* NetFromJournalDlg::BuildChoicePage() {
  auto* page = new QWidget(this);
  btnNext = new QPushButton(QStringLiteral("Далее >"), page);
  auto* cancel = new QPushButton(QStringLiteral("Отмена"), page);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(btnNext);
  buttons->addWidget(cancel);
  auto* layout = new QGridLayout(page);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(BuildRecordsBox(), 0, 0);
  layout->addWidget(BuildTargetBox(), 1, 0);
  layout->addWidget(BuildBenchmarksBox(), 0, 1, 3, 1);
  layout->setRowStretch(2, 1);
  layout->setColumnStretch(1, 1);
  layout->addLayout(buttons, 3, 0, 1, 2);
  ConnectCommand(btnNext, &QPushButton::clicked, this, &NetFromJournalDlg::btnNextClick);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  // Enter finishes the elevation typed into the grid; it must not also go on
  // to the preview before that elevation is in.
  for (QPushButton* button : page->findChildren<QPushButton*>()) button->setAutoDefault(false);
  return page;
}

QWidget* NetFromJournalDlg::BuildRecordsBox() {
  auto* box = new QGroupBox(QStringLiteral("Записи журнала"), this);
  const int count = state_.Journal.RecordCount();
  rbWholeJournal = new QRadioButton(QStringLiteral("Весь журнал (%1)").arg(count), box);
  rbSelectedRecords =
      new QRadioButton(QStringLiteral("Выделенные в журнале (%1)").arg(static_cast<int>(selected_.size())), box);
  rbSelectedRecords->setEnabled(!selected_.empty());
  rbRecordRange = new QRadioButton(QStringLiteral("С записи"), box);
  seFirstRecord = new QSpinBox(box);
  seLastRecord = new QSpinBox(box);
  for (QSpinBox* spin : {seFirstRecord, seLastRecord}) spin->setRange(1, std::max(1, count));
  seFirstRecord->setValue(1);
  seLastRecord->setValue(std::max(1, count));
  (selected_.size() > 1 ? rbSelectedRecords : rbWholeJournal)->setChecked(true);
  auto* range = new QHBoxLayout;
  range->addWidget(rbRecordRange);
  range->addWidget(seFirstRecord);
  range->addWidget(new QLabel(QStringLiteral("по"), box));
  range->addWidget(seLastRecord);
  range->addStretch(1);
  auto* layout = new QVBoxLayout(box);
  layout->addWidget(rbWholeJournal);
  layout->addWidget(rbSelectedRecords);
  layout->addLayout(range);
  for (QRadioButton* choice : {rbWholeJournal, rbSelectedRecords, rbRecordRange})
    connect(choice, &QRadioButton::toggled, this, [this](bool on) {
      if (on) RecordsChosen();
    });
  for (QSpinBox* spin : {seFirstRecord, seLastRecord})
    connect(spin, &QSpinBox::valueChanged, this, [this] {
      if (rbRecordRange->isChecked()) RecordsChosen();
    });
  return box;
}

QWidget* NetFromJournalDlg::BuildBenchmarksBox() {
  auto* box = new QGroupBox(QStringLiteral("Реперы"), this);
  benchmarks_ = new BenchmarkTableModel(this);
  BenchmarkGrid = new QTableView(box);
  BenchmarkGrid->setModel(benchmarks_);
  BenchmarkGrid->verticalHeader()->setDefaultSectionSize(BenchmarkGrid->fontMetrics().height() + 6);
  BenchmarkGrid->horizontalHeader()->setStretchLastSection(true);
  BenchmarkGrid->setColumnWidth(BenchmarkTableModel::kPoint, 160);
  btnPasteHeights = new QPushButton(QStringLiteral("Вставить отметки из буфера"), box);
  btnPasteHeights->setToolTip(
      QStringLiteral("Строки «название — отметка» из таблицы или текста: отмечает эти точки реперами"));
  btnLoadCatalogue = new QPushButton(QStringLiteral("Каталог отметок..."), box);
  btnLoadCatalogue->setToolTip(QStringLiteral("Файл TXT или CSV: в каждой строке название точки и отметка"));
  lbUnknownNames = new QLabel(box);
  lbUnknownNames->setWordWrap(true);
  lbUnknownNames->setStyleSheet(QStringLiteral("color: #b00000"));
  lbUnknownNames->hide();
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(btnPasteHeights);
  buttons->addWidget(btnLoadCatalogue);
  buttons->addStretch(1);
  auto* layout = new QVBoxLayout(box);
  layout->addWidget(BenchmarkGrid, 1);
  layout->addLayout(buttons);
  layout->addWidget(lbUnknownNames);
  ConnectCommand(btnPasteHeights, &QPushButton::clicked, this, &NetFromJournalDlg::btnPasteHeightsClick);
  ConnectCommand(btnLoadCatalogue, &QPushButton::clicked, this, &NetFromJournalDlg::btnLoadCatalogueClick);
  return box;
}

QWidget* NetFromJournalDlg::BuildTargetBox() {
  auto* box = new QGroupBox(QStringLiteral("Сеть"), this);
  rbNewNet = new QRadioButton(QStringLiteral("Новая сеть:"), box);
  edNetName = new QLineEdit(NextNetName(state_.Nets), box);
  edNetName->setMaxLength(static_cast<int>(kShortTextChars));
  rbReplaceNet = new QRadioButton(QStringLiteral("Заменить звенья сети:"), box);
  cbNets = new QComboBox(box);
  for (int32_t n = 0; n < state_.Nets.NetCount(); ++n)
    cbNets->addItem(QString::fromStdString(state_.Nets.NetAt(n).Name));
  if (state_.HasCurrentNet()) cbNets->setCurrentIndex(state_.CurrentNetIndex);
  rbReplaceNet->setEnabled(state_.Nets.NetCount() > 0);
  cbNets->setEnabled(false);
  rbNewNet->setChecked(true);
  connect(rbReplaceNet, &QRadioButton::toggled, cbNets, &QComboBox::setEnabled);
  connect(rbNewNet, &QRadioButton::toggled, edNetName, &QLineEdit::setEnabled);
  lbTolerance = new QLabel(QString::fromStdString(RepeatedRunsToleranceText(state_)), box);
  lbTolerance->setWordWrap(true);
  auto* layout = new QGridLayout(box);
  layout->addWidget(rbNewNet, 0, 0);
  layout->addWidget(edNetName, 0, 1);
  layout->addWidget(rbReplaceNet, 1, 0);
  layout->addWidget(cbNets, 1, 1);
  layout->addWidget(lbTolerance, 2, 0, 1, 2);
  return box;
}

QWidget* NetFromJournalDlg::BuildPreviewPage() {
  auto* page = new QWidget(this);
  Preview = new NetPlanPreview(page);
  cbAdjustAfterBuild = new QCheckBox(QStringLiteral("Сразу уравнять по МНК"), page);
  cbAdjustAfterBuild->setChecked(true);
  btnBack = new QPushButton(QStringLiteral("< Назад"), page);
  btnBuild = new QPushButton(QStringLiteral("Построить"), page);
  auto* cancel = new QPushButton(QStringLiteral("Отмена"), page);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(btnBack);
  buttons->addStretch(1);
  buttons->addWidget(cbAdjustAfterBuild);
  buttons->addWidget(btnBuild);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(Preview, 1);
  layout->addLayout(buttons);
  ConnectCommand(btnBack, &QPushButton::clicked, this, &NetFromJournalDlg::btnBackClick);
  ConnectCommand(btnBuild, &QPushButton::clicked, this, &NetFromJournalDlg::btnBuildClick);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  // Queued: the tick's own click is still being handled while it reports the change.
  connect(
      Preview, &NetPlanPreview::KeptRepeatsChanged, this, [this] { RunGuarded([this] { Replan(); }); },
      Qt::QueuedConnection);
  return page;
}

std::optional<std::vector<int32_t>> NetFromJournalDlg::ChosenRecords() const {
  if (rbSelectedRecords->isChecked()) return selected_;
  if (rbRecordRange->isChecked()) {
    const Result<std::vector<int32_t>> range = RecordRange(state_, seFirstRecord->value(), seLastRecord->value());
    if (!range.HasValue()) return std::nullopt;
    return *range;
  }
  return AllRecords(state_);
}

void NetFromJournalDlg::RecordsChosen() {
  std::unordered_map<std::string, BenchmarkRow> typed;
  for (const BenchmarkRow& row : benchmarks_->Rows()) typed.emplace(row.name, row);
  std::vector<BenchmarkRow> rows = BenchmarkRows(state_, ChosenRecords().value_or(std::vector<int32_t>{}));
  if (!typed.empty())
    for (BenchmarkRow& row : rows)
      if (const auto found = typed.find(row.name); found != typed.end()) row = found->second;
  benchmarks_->SetRows(std::move(rows));
}

void NetFromJournalDlg::ShowUnknownNames(const std::vector<std::string>& names) {
  QStringList list;
  for (const std::string& name : names) list << QString::fromStdString(name);
  lbUnknownNames->setText(QStringLiteral("Нет среди точек выбранных записей: ") + list.join(QStringLiteral(", ")));
  lbUnknownNames->setVisible(!names.empty());
}

void NetFromJournalDlg::btnPasteHeightsClick() {
  std::vector<BenchmarkRow> rows = benchmarks_->Rows();
  const Result<std::vector<std::string>> unknown =
      FillBenchmarks(rows, QGuiApplication::clipboard()->text().toStdString());
  if (!ShowOutcome(unknown)) return;
  benchmarks_->SetRows(std::move(rows));
  ShowUnknownNames(*unknown);
}

void NetFromJournalDlg::btnLoadCatalogueClick() {
  const QString path = AskFilePath(this, settings_, QStringLiteral("Каталог отметок"),
                                   QString::fromUtf8(kCatalogueFilters), QFileDialog::AcceptOpen);
  if (path.isEmpty()) return;
  std::vector<BenchmarkRow> rows = benchmarks_->Rows();
  const Result<std::vector<std::string>> unknown = FillBenchmarksFromFile(rows, path.toStdString());
  if (!ShowOutcome(unknown)) return;
  benchmarks_->SetRows(std::move(rows));
  ShowUnknownNames(*unknown);
}

bool NetFromJournalDlg::Replan() {
  const std::optional<std::vector<int32_t>> records = ChosenRecords();
  if (!records) {
    ShowOutcome(RecordRange(state_, seFirstRecord->value(), seLastRecord->value()));
    return false;
  }
  NetFromJournalChoice choice{*records, benchmarks_->Rows(), Preview->KeptRepeats(),
                              (rbNewNet->isChecked() ? edNetName->text() : cbNets->currentText()).toStdString()};
  Result<NetPlan> plan = PlanNet(state_, choice);
  if (!ShowOutcome(plan)) return false;
  plan_ = std::move(*plan);
  Preview->ShowPlan(*plan_);
  return true;
}

void NetFromJournalDlg::btnNextClick() {
  if (!Replan()) return;
  setWindowTitle(QStringLiteral("Новая сеть"));
  Pages->setCurrentIndex(kPreviewPage);
  btnBuild->setDefault(true);
}

void NetFromJournalDlg::btnBackClick() {
  setWindowTitle(QStringLiteral("Построить сеть по журналу"));
  Pages->setCurrentIndex(kChoicePage);
  btnBuild->setDefault(false);
}

bool NetFromJournalDlg::AdjustAfterBuild() const { return cbAdjustAfterBuild->isChecked(); }

int32_t NetFromJournalDlg::Into() const { return rbReplaceNet->isChecked() ? cbNets->currentIndex() : -1; }

void NetFromJournalDlg::btnBuildClick() {
  if (!plan_) return;
  if (!ShowOutcome(PlanRefusal(*plan_))) return;
  if (Into() >= 0 &&
      QMessageBox::question(this, windowTitle(),
                            QStringLiteral("Звенья и точки сети «%1» будут заменены построенными. Продолжить?")
                                .arg(cbNets->currentText())) != QMessageBox::Yes)
    return;
  accept();
}

}  // namespace korvado
