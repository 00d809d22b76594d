#include "AdjustmentPage.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include "CommandGuard.h"
#include "KorIcons.h"
#include "LoopCommands.h"
#include "NumberColumns.h"
#include "OriginAltitudeForm.h"
#include "ShowOutcome.h"

namespace korvado {

namespace {

// The column of the heights' σ, shown after least squares only.
constexpr int kSigmaColumn = 4;

}  // namespace

AdjustmentPage::AdjustmentPage(AppState& state, QWidget* parent) : QWidget(parent), state_(state) {
  EquateListView = new QTreeWidget(this);
  EquateListView->setRootIsDecorated(false);
  EquateListView->header()->setStretchLastSection(false);
  EquateListView->setColumnCount(kSigmaColumn + 1);
  EquateListView->setHeaderLabels({QStringLiteral("Название точки"), QStringLiteral("Отметка"), QString(), QString(),
                                   QStringLiteral("СКО отметки, мм")});
  for (int c = 0; c <= kSigmaColumn; ++c) EquateListView->setColumnWidth(c, 100);
  EquateListView->setColumnHidden(kSigmaColumn, true);
  AlignNumbers(EquateListView->headerItem(), {1});
  FitNumberColumns(EquateListView, {{1, WidestElevation()}});

  Panel3 = new QWidget(this);
  btnUpDateSeries = new QPushButton(QStringLiteral("Создание нулевых отметок"), Panel3);
  btnInputAltitude = new QPushButton(QStringLiteral("Ввод отметок жестких пунктов"), Panel3);
  btnEquate = new QPushButton(QStringLiteral("Одна итерация уравнивания"), Panel3);
  btnLeastSquares = new QPushButton(QStringLiteral("Уравнять по МНК"), Panel3);
  // It may narrow in a narrow window rather than widen the window's minimum.
  btnLeastSquares->setMinimumWidth(1);
  auto* buttons = new QHBoxLayout(Panel3);
  buttons->setContentsMargins(4, 4, 4, 4);
  for (QPushButton* button : {btnUpDateSeries, btnInputAltitude, btnEquate, btnLeastSquares})
    buttons->addWidget(button);
  buttons->addStretch(1);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(EquateListView, 1);
  layout->addWidget(Panel3);

  ConnectCommand(btnUpDateSeries, &QPushButton::clicked, this, &AdjustmentPage::btnUpDateSeriesClick);
  ConnectCommand(btnInputAltitude, &QPushButton::clicked, this, &AdjustmentPage::btnInputAltitudeClick);
  ConnectCommand(btnEquate, &QPushButton::clicked, this, &AdjustmentPage::btnEquateClick);
  ConnectCommand(btnLeastSquares, &QPushButton::clicked, this, &AdjustmentPage::btnLeastSquaresClick);
}

TOriginAltitudeForm& AdjustmentPage::OriginAltitudeForm() {
  if (!originAltitudeForm_) originAltitudeForm_ = new TOriginAltitudeForm(window());
  return *originAltitudeForm_;
}

// The point table starts again at zero; the benchmark elevations are asked for at once.
void AdjustmentPage::btnUpDateSeriesClick() {
  if (!ShowOutcome(RebuildCurrentNetPoints(state_))) return;
  btnInputAltitudeClick();
}

void AdjustmentPage::btnInputAltitudeClick() {
  const Result<OriginAltitudeDialogContent> content = OpenOriginAltitudes(state_);
  if (!ShowOutcome(content)) return;
  TOriginAltitudeForm& dialog = OriginAltitudeForm();
  dialog.FormShow(*content, [this](const std::vector<AltitudeRow>& rows) {
    return ShowOutcome(ApplyOriginAltitudes(state_, rows));
  });
  if (dialog.exec() != QDialog::Accepted) CancelOriginAltitudes(state_);
}

// A loop over its tolerance points at a blunder, but the surveyor may still
// want the adjustment: it is said in the status bar and the adjustment goes on.
void AdjustmentPage::WarnOfFailingLoops() {
  if (const std::string warning = FailingLoopsWarning(state_); !warning.empty())
    emit statusMessage(QString::fromStdString(warning));
}

void AdjustmentPage::btnEquateClick() {
  WarnOfFailingLoops();
  if (const Result<EquateView> view = EquateCurrentNet(state_); ShowOutcome(view)) ShowEquateView(*view);
}

// The captions of the last sweep or least squares go with the list they headed.
void AdjustmentPage::ShowClosedData() {
  EquateListView->clear();
  EquateListView->setColumnHidden(kSigmaColumn, true);
  QTreeWidgetItem* header = EquateListView->headerItem();
  header->setText(2, QString());
  header->setText(3, QString());
}

void AdjustmentPage::btnLeastSquaresClick() {
  WarnOfFailingLoops();
  const Result<LeastSquaresListView> view = AdjustCurrentNetByLeastSquares(state_);
  if (!ShowOutcome(view)) return;
  ShowLeastSquaresView(*view);
  emit leastSquaresShown();
}

void AdjustmentPage::FillEquateRows(const std::vector<EquateRow>& rows) {
  EquateListView->clear();
  for (const EquateRow& row : rows) {
    auto* item = new QTreeWidgetItem(EquateListView);
    item->setIcon(0, KorIcon(row.icon));
    item->setText(0, QString::fromStdString(row.caption));
    item->setText(1, QString::fromStdString(row.elevation));
    item->setToolTip(1, QString::fromStdString(row.fullElevation));
    AlignNumbers(item, {1});
  }
}

void AdjustmentPage::ShowEquateView(const EquateView& view) {
  FillEquateRows(view.rows);
  EquateListView->setColumnHidden(kSigmaColumn, true);
  QTreeWidgetItem* header = EquateListView->headerItem();
  header->setText(2, QString::fromStdString(view.iterationCaption));
  header->setText(3, QString::fromStdString(view.errorCaption));
  ShowCaptionsWhole();
}

// The captions of the sweep or of least squares are read whole, however large the figures.
void AdjustmentPage::ShowCaptionsWhole() {
  for (int c : {2, 3, kSigmaColumn})
    if (!EquateListView->isColumnHidden(c)) EquateListView->resizeColumnToContents(c);
}

void AdjustmentPage::ShowLeastSquaresView(const LeastSquaresListView& view) {
  FillEquateRows(view.rows);
  for (int r = 0; r < EquateListView->topLevelItemCount() && r < static_cast<int>(view.sigmas.size()); ++r) {
    QTreeWidgetItem* item = EquateListView->topLevelItem(r);
    item->setText(kSigmaColumn, QString::fromStdString(view.sigmas[r]));
    AlignNumbers(item, {kSigmaColumn});
  }
  EquateListView->setColumnHidden(kSigmaColumn, false);
  QTreeWidgetItem* header = EquateListView->headerItem();
  header->setText(2, QString::fromStdString(view.methodCaption));
  header->setText(3, QString::fromStdString(view.resultCaption));
  ShowCaptionsWhole();
}

}  // namespace korvado
