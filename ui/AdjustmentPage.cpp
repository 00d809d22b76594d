#include "AdjustmentPage.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include "CommandGuard.h"
#include "KorIcons.h"
#include "MainForm.h"
#include "OriginAltitudeForm.h"
#include "RecordStep.h"

namespace korvado {

TAdjustmentPage::TAdjustmentPage(AppState& state, TMainForm& form, QWidget* parent)
    : QWidget(parent), state_(state), form_(form) {
  EquateListView = new QTreeWidget(this);
  EquateListView->setRootIsDecorated(false);
  EquateListView->header()->setStretchLastSection(false);
  EquateListView->setColumnCount(4);
  EquateListView->setHeaderLabels({QStringLiteral("Название точки"), QStringLiteral("Отметка"), QString(), QString()});
  for (int c = 0; c < 4; ++c) EquateListView->setColumnWidth(c, 100);

  Panel3 = new QWidget(this);
  btnUpDateSeries = new QPushButton(QStringLiteral("Создание нулевых отметок"), Panel3);
  btnInputAltitude = new QPushButton(QStringLiteral("Ввод отметок жестких пунктов"), Panel3);
  btnEquate = new QPushButton(QStringLiteral("Одна итерация уравнивания"), Panel3);
  auto* buttons = new QHBoxLayout(Panel3);
  buttons->setContentsMargins(4, 4, 4, 4);
  for (QPushButton* button : {btnUpDateSeries, btnInputAltitude, btnEquate}) buttons->addWidget(button);
  buttons->addStretch(1);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(EquateListView, 1);
  layout->addWidget(Panel3);

  ConnectCommand(btnUpDateSeries, &QPushButton::clicked, this, &TAdjustmentPage::btnUpDateSeriesClick);
  ConnectCommand(btnInputAltitude, &QPushButton::clicked, this, &TAdjustmentPage::btnInputAltitudeClick);
  ConnectCommand(btnEquate, &QPushButton::clicked, this, &TAdjustmentPage::btnEquateClick);
}

TOriginAltitudeForm& TAdjustmentPage::OriginAltitudeForm() {
  if (!originAltitudeForm_) originAltitudeForm_ = new TOriginAltitudeForm(&form_);
  return *originAltitudeForm_;
}

// The point table starts again at zero; the benchmark elevations are asked for at once.
void TAdjustmentPage::btnUpDateSeriesClick() {
  if (!RecordStep(state_, "перестроение таблицы точек", [this] { return RebuildCurrentNetPoints(state_); })) return;
  btnInputAltitudeClick();
}

void TAdjustmentPage::btnInputAltitudeClick() {
  const StepRecorder step(state_, "ввод отметок исходных пунктов");
  const std::optional<OriginAltitudeDialogContent> content = OpenOriginAltitudes(state_);
  if (!content) return;
  TOriginAltitudeForm& dialog = OriginAltitudeForm();
  dialog.FormShow(*content, [this](const std::vector<AltitudeRow>& rows) { return ApplyOriginAltitudes(state_, rows); });
  if (dialog.exec() != QDialog::Accepted) CancelOriginAltitudes(state_);
}

void TAdjustmentPage::btnEquateClick() {
  const StepRecorder step(state_, "уравнивание сети");
  if (const std::optional<EquateView> view = EquateCurrentNet(state_)) ShowEquateView(*view);
}

void TAdjustmentPage::ShowEquateView(const EquateView& view) {
  EquateListView->clear();
  for (const EquateRow& row : view.rows) {
    auto* item = new QTreeWidgetItem(EquateListView);
    item->setIcon(0, KorIcon(row.icon));
    item->setText(0, QString::fromStdString(row.caption));
    item->setText(1, QString::fromStdString(row.elevation));
  }
  QTreeWidgetItem* header = EquateListView->headerItem();
  header->setText(2, QString::fromStdString(view.iterationCaption));
  header->setText(3, QString::fromStdString(view.errorCaption));
}

}  // namespace korvado
