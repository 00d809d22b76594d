#include "LoopsDock.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QVBoxLayout>

#include "CommandGuard.h"
#include "DecimalKeys.h"
#include "NumberColumns.h"
#include "PageHost.h"
#include "SettingsFile.h"

namespace korvado {

namespace {

const QString kToleranceSection = QStringLiteral("Tolerance");
constexpr ToleranceClass kClasses[] = {ToleranceClass::Technical, ToleranceClass::FourthClass, ToleranceClass::Custom};

}  // namespace

LoopsDock::LoopsDock(AppState& state, PageHost& host, QWidget* parent)
    : QDockWidget(QStringLiteral("Невязки"), parent), state_(state), host_(host) {
  setObjectName(QStringLiteral("LoopsDock"));
  auto* body = new QWidget(this);
  ClassBox = new QComboBox(body);
  for (const ToleranceClass c : kClasses) ClassBox->addItem(QString::fromStdString(ToleranceClassName(c)));
  CoefficientEdit = new QDoubleSpinBox(body);
  CoefficientEdit->setRange(0.1, 1000.0);
  CoefficientEdit->setDecimals(1);
  CoefficientEdit->setPrefix(QStringLiteral("k = "));
  DecimalKeys::Install(CoefficientEdit);
  btnComputeLoops = new QPushButton(QStringLiteral("Вычислить невязки"), body);
  btnCopyLoops = new QPushButton(QStringLiteral("Копировать"), body);
  FormulaLabel = new QLabel(body);
  FormulaLabel->setWordWrap(true);
  model_ = new LoopsTableModel(this);
  LoopsGrid = new QTableView(body);
  LoopsGrid->setModel(model_);
  LoopsGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
  LoopsGrid->setSelectionMode(QAbstractItemView::SingleSelection);
  LoopsGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  ShowCellsOnOneLine(LoopsGrid);
  LoopsGrid->verticalHeader()->hide();
  LoopsGrid->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);

  auto* controls = new QHBoxLayout;
  controls->addWidget(new QLabel(QStringLiteral("Класс:"), body));
  controls->addWidget(ClassBox);
  controls->addWidget(CoefficientEdit);
  controls->addWidget(btnComputeLoops);
  controls->addWidget(btnCopyLoops);
  controls->addStretch(1);
  auto* layout = new QVBoxLayout(body);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addLayout(controls);
  layout->addWidget(FormulaLabel);
  layout->addWidget(LoopsGrid, 1);
  setWidget(body);

  ReadSettings();
  ShowTolerance();
  host_.AddExitSettingsWriter([this](SettingsFile&) { WriteSettings(); });
  ConnectCommand(ClassBox, &QComboBox::activated, this, &LoopsDock::ClassBoxChange);
  connect(CoefficientEdit, &QDoubleSpinBox::valueChanged, this, [this](double k) {
    if (state_.LoopTolerance.levelClass != ToleranceClass::Custom) return;
    state_.LoopTolerance.customCoefficient = k;
    RunGuarded([this] { btnComputeLoopsClick(); });
  });
  ConnectCommand(btnComputeLoops, &QPushButton::clicked, this, &LoopsDock::btnComputeLoopsClick);
  ConnectCommand(btnCopyLoops, &QPushButton::clicked, this, &LoopsDock::btnCopyLoopsClick);
  ConnectCommand(LoopsGrid->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &LoopsDock::RowChange);
}

void LoopsDock::ClassBoxChange() {
  state_.LoopTolerance.levelClass = kClasses[std::max(ClassBox->currentIndex(), 0)];
  ShowTolerance();
  btnComputeLoopsClick();
}

// The class box and k follow the state; k is typed only for «Свой допуск».
void LoopsDock::ShowTolerance() {
  const Tolerance& tolerance = state_.LoopTolerance;
  ClassBox->setCurrentIndex(static_cast<int>(tolerance.levelClass));
  const QSignalBlocker quiet(CoefficientEdit);
  CoefficientEdit->setValue(tolerance.Coefficient());
  CoefficientEdit->setEnabled(tolerance.levelClass == ToleranceClass::Custom);
  FormulaLabel->setText(QStringLiteral("Допуск: ") +
                        QString::fromStdString(ToleranceFormulaText(tolerance.Coefficient())));
}

void LoopsDock::btnComputeLoopsClick() {
  shown_ = CurrentNetLoops(state_);
  model_->SetRows(shown_.rows);
  if (!shown_.refusal.empty()) {
    FormulaLabel->setText(QString::fromStdString(shown_.refusal));
    return;
  }
  const size_t loops = static_cast<size_t>(std::count_if(shown_.closures.begin(), shown_.closures.end(),
                                                         [](const Closure& c) { return c.kind == ClosureKind::Loop; }));
  QString text = QStringLiteral("Допуск: %1. Полигонов: %2, линий: %3, превышают допуск: %4.")
                     .arg(QString::fromStdString(shown_.formula))
                     .arg(loops)
                     .arg(shown_.rows.size() - loops)
                     .arg(shown_.failedCount);
  for (const std::string& warning : shown_.warnings) text += QLatin1Char('\n') + QString::fromStdString(warning);
  FormulaLabel->setText(text);
  LoopsGrid->resizeColumnsToContents();
  LoopsGrid->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
}

void LoopsDock::btnCopyLoopsClick() {
  if (shown_.refusal.empty() && !shown_.rows.empty())
    QApplication::clipboard()->setText(QString::fromStdString(LoopsText(shown_)));
}

void LoopsDock::RowChange() {
  const LoopRow* row = model_->RowAt(LoopsGrid->currentIndex().row());
  emit LoopSelected(shown_.net, row ? row->sections : std::vector<int32_t>{});
}

void LoopsDock::ReadSettings() {
  const SettingsFile& ini = host_.Settings();
  const std::optional<ToleranceClass> levelClass =
      ToleranceClassFromKey(ini.ReadString(kToleranceSection, QStringLiteral("Class")).toStdString());
  state_.LoopTolerance = {levelClass.value_or(ToleranceClass::Technical),
                          ini.ReadPositiveDouble(kToleranceSection, QStringLiteral("Coefficient"), 10.0)};
}

void LoopsDock::WriteSettings() {
  SettingsFile& ini = host_.Settings();
  ini.WriteString(kToleranceSection, QStringLiteral("Class"),
                  QString::fromStdString(ToleranceClassKey(state_.LoopTolerance.levelClass)));
  ini.WriteDouble(kToleranceSection, QStringLiteral("Coefficient"), state_.LoopTolerance.customCoefficient);
}

}  // namespace korvado
