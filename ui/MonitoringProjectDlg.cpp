#include "MonitoringProjectDlg.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>
#include <set>

#include "AddCycleDlg.h"
#include "CommandGuard.h"
#include "FileDialogs.h"
#include "MonitoringCommands.h"
#include "OutcomeBox.h"

namespace korvado {

namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

MonitoringProjectDlg::MonitoringProjectDlg(AppState& state, SettingsFile& ini, QWidget* parent)
    : QDialog(parent), state_(state), ini_(ini) {
  setWindowTitle(QStringLiteral("Проект мониторинга"));
  ProjectPathLabel = new QLabel(this);
  ProjectPathLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
  btnCreateProject = new QPushButton(QStringLiteral("Создать..."), this);
  btnOpenProject = new QPushButton(QStringLiteral("Открыть..."), this);
  ObjectEdit = new QLineEdit(this);
  CyclesGrid = new QTableWidget(0, 3, this);
  CyclesGrid->setHorizontalHeaderLabels({QStringLiteral("Дата"), QStringLiteral("Файл"), QStringLiteral("Сеть")});
  CyclesGrid->horizontalHeader()->setStretchLastSection(true);
  CyclesGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
  CyclesGrid->setSelectionMode(QAbstractItemView::SingleSelection);
  CyclesGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  btnAddCycle = new QPushButton(QStringLiteral("Добавить цикл..."), this);
  btnRemoveCycle = new QPushButton(QStringLiteral("Удалить цикл"), this);
  ReferenceList = new QListWidget(this);
  ReferenceHint = new QLabel(this);
  ReferenceHint->setWordWrap(true);
  btnShowSettlements = new QPushButton(QStringLiteral("Показать осадки"), this);
  auto* close = new QPushButton(QStringLiteral("Закрыть"), this);

  auto* fileRow = new QHBoxLayout;
  fileRow->addWidget(ProjectPathLabel, 1);
  fileRow->addWidget(btnCreateProject);
  fileRow->addWidget(btnOpenProject);
  auto* cycleButtons = new QHBoxLayout;
  cycleButtons->addWidget(btnAddCycle);
  cycleButtons->addWidget(btnRemoveCycle);
  cycleButtons->addStretch();
  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("Объект:"), ObjectEdit);
  auto* bottom = new QHBoxLayout;
  bottom->addStretch();
  bottom->addWidget(btnShowSettlements);
  bottom->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fileRow);
  layout->addLayout(form);
  layout->addWidget(new QLabel(QStringLiteral("Циклы наблюдений:"), this));
  layout->addWidget(CyclesGrid, 2);
  layout->addLayout(cycleButtons);
  layout->addWidget(new QLabel(QStringLiteral("Исходные реперы (точки сети первого цикла):"), this));
  layout->addWidget(ReferenceList, 1);
  layout->addWidget(ReferenceHint);
  layout->addLayout(bottom);
  resize(640, 560);

  ConnectCommand(btnCreateProject, &QPushButton::clicked, this, &MonitoringProjectDlg::btnCreateProjectClick);
  ConnectCommand(btnOpenProject, &QPushButton::clicked, this, &MonitoringProjectDlg::btnOpenProjectClick);
  ConnectCommand(btnAddCycle, &QPushButton::clicked, this, &MonitoringProjectDlg::btnAddCycleClick);
  ConnectCommand(btnRemoveCycle, &QPushButton::clicked, this, &MonitoringProjectDlg::btnRemoveCycleClick);
  ConnectCommand(btnShowSettlements, &QPushButton::clicked, this, &MonitoringProjectDlg::btnShowSettlementsClick);
  ConnectCommand(ObjectEdit, &QLineEdit::editingFinished, this, &MonitoringProjectDlg::ObjectEditDone);
  ConnectCommand(ReferenceList, &QListWidget::itemChanged, this, &MonitoringProjectDlg::ReferenceListChange);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  ShowProject();
}

void MonitoringProjectDlg::ShowProject() {
  const bool open = state_.Monitoring.Project.has_value();
  ProjectPathLabel->setText(open ? QStringLiteral("Файл проекта: %1").arg(Text(state_.Monitoring.Path))
                                 : QStringLiteral("Проект не открыт: создайте или откройте его."));
  for (QWidget* widget : std::initializer_list<QWidget*>{ObjectEdit, CyclesGrid, btnAddCycle, btnRemoveCycle,
                                                          ReferenceList, btnShowSettlements})
    widget->setEnabled(open);
  CyclesGrid->setRowCount(0);
  if (!open) {
    ObjectEdit->clear();
    ReferenceList->clear();
    ReferenceHint->clear();
    return;
  }
  const MonitoringProject& project = *state_.Monitoring.Project;
  ObjectEdit->setText(Text(project.object));
  const std::vector<std::vector<std::string>> rows = ProjectCycleRows(project);
  CyclesGrid->setRowCount(static_cast<int>(rows.size()));
  for (size_t r = 0; r < rows.size(); ++r)
    for (size_t c = 0; c < rows[r].size(); ++c)
      CyclesGrid->setItem(static_cast<int>(r), static_cast<int>(c), new QTableWidgetItem(Text(rows[r][c])));
  CyclesGrid->resizeColumnsToContents();
  FillReferenceList();
}

void MonitoringProjectDlg::FillReferenceList() {
  filling_ = true;
  ReferenceList->clear();
  const MonitoringProject& project = *state_.Monitoring.Project;
  std::vector<std::string> names;
  if (!project.cycles.empty()) {
    Result<std::vector<std::string>> points = CyclePointNames(state_, 0);
    if (points.HasValue())
      names = *points;
    else
      ReferenceHint->setText(Text(points.RefusalText()));
  }
  const std::set<std::string> chosen(project.reference.begin(), project.reference.end());
  // A chosen benchmark the first cycle lacks stays in the list, so that it can be unticked.
  for (const std::string& name : project.reference)
    if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
  for (const std::string& name : names) {
    auto* item = new QListWidgetItem(Text(name), ReferenceList);
    item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setCheckState(chosen.count(name) ? Qt::Checked : Qt::Unchecked);
  }
  if (project.cycles.empty()) ReferenceHint->setText(QStringLiteral("Добавьте цикл, чтобы выбрать реперы из его сети."));
  else if (project.reference.size() < 2) ReferenceHint->setText(QStringLiteral("Отметьте не менее двух исходных реперов."));
  else ReferenceHint->clear();
  filling_ = false;
}

std::vector<std::string> MonitoringProjectDlg::CheckedReference() const {
  std::vector<std::string> names;
  for (int k = 0; k < ReferenceList->count(); ++k)
    if (ReferenceList->item(k)->checkState() == Qt::Checked) names.push_back(ReferenceList->item(k)->text().toStdString());
  return names;
}

void MonitoringProjectDlg::btnCreateProjectClick() {
  const QString path = AskFilePath(this, ini_, QStringLiteral("Создать проект мониторинга"),
                                   QString::fromUtf8(kProjectFileFilter), QFileDialog::AcceptSave, QStringLiteral("kmon"));
  if (path.isEmpty()) return;
  ShowOutcomeBox(this, CreateProject(state_, path.toStdString(), QFileInfo(path).completeBaseName().toStdString()));
  ShowProject();
}

void MonitoringProjectDlg::btnOpenProjectClick() {
  const QString path = AskFilePath(this, ini_, QStringLiteral("Открыть проект мониторинга"),
                                   QString::fromUtf8(kProjectFileFilter), QFileDialog::AcceptOpen);
  if (path.isEmpty()) return;
  ShowOutcomeBox(this, OpenProject(state_, path.toStdString()));
  ShowProject();
}

void MonitoringProjectDlg::btnAddCycleClick() {
  const QString file = AskFilePath(this, ini_, QStringLiteral("Файл цикла"),
                                   QStringLiteral("Файл данных для Korvado (*.kor)"), QFileDialog::AcceptOpen);
  if (file.isEmpty()) return;
  Result<std::vector<std::string>> nets = NetNamesInFile(file.toStdString());
  if (!ShowOutcomeBox(this, nets)) return;
  AddCycleDlg dialog(*nets, this);
  if (dialog.exec() != QDialog::Accepted) return;
  ShowOutcomeBox(this, AddProjectCycle(state_, file.toStdString(), dialog.Net(), dialog.Date()));
  ShowProject();
}

void MonitoringProjectDlg::btnRemoveCycleClick() {
  const int row = CyclesGrid->currentRow();
  ShowOutcomeBox(this, RemoveProjectCycle(state_, row < 0 ? SIZE_MAX : static_cast<size_t>(row)));
  ShowProject();
}

void MonitoringProjectDlg::ObjectEditDone() {
  if (state_.Monitoring.Project && ObjectEdit->text().toStdString() != state_.Monitoring.Project->object)
    ShowOutcomeBox(this, SetProjectObject(state_, ObjectEdit->text().toStdString()));
}

// Two ticked benchmarks make a datum; fewer are kept on screen until a second is ticked.
void MonitoringProjectDlg::ReferenceListChange() {
  if (filling_ || !state_.Monitoring.Project) return;
  const std::vector<std::string> names = CheckedReference();
  if (names.size() < 2) {
    ReferenceHint->setText(QStringLiteral("Отметьте не менее двух исходных реперов."));
    return;
  }
  ReferenceHint->clear();
  ShowOutcomeBox(this, SetProjectReference(state_, names));
}

void MonitoringProjectDlg::btnShowSettlementsClick() {
  ObjectEditDone();
  if (CheckedReference() != state_.Monitoring.Project->reference &&
      !ShowOutcomeBox(this, SetProjectReference(state_, CheckedReference())))
    return;
  emit showSettlements();
  accept();
}

}  // namespace korvado
