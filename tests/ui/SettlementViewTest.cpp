// «Файл → Проект мониторинга...» and the window «Осадки» as a surveyor uses
// them: the project's cycles listed, the reference benchmarks ticked, the
// computed table with its significant settlements highlighted, the modes,
// the plot of the selected marks and the copy.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <QTimer>

#include "DataFile.h"
#include "MainForm.h"
#include "MonitoringCommands.h"
#include "MonitoringNets.h"
#include "MonitoringProjectDlg.h"
#include "SettlementView.h"
#include "TempFolder.h"
#include "UiTestSupport.h"

namespace korvado {
namespace {

using monitoringnets::CycleNet;

void WriteCycle(const std::string& path, const TKorNet& net) {
  TNetList nets;
  nets.NetAt(*nets.AddNet(net.Name)) = net;
  WriteDataFile(path, TKorData(), nets);
}

TEST(SettlementView, ProjectDialogOpensTheComputedTableWithHighlightsModesPlotAndCopy) {
  WorkingFolder working;
  TempFolder files;
  WriteCycle(files.File("c1.kor"), CycleNet(51, 0, 0));
  WriteCycle(files.File("c2.kor"), CycleNet(52, 0, 0));
  WriteCycle(files.File("c3.kor"), CycleNet(53, 3.0, 1.0));
  std::unique_ptr<TMainForm> form = ShowMainForm();
  AppState& state = form->State();
  ASSERT_TRUE(CreateProject(state, files.File("дом"), "Дом").Ok());
  ASSERT_TRUE(AddProjectCycle(state, files.File("c1.kor"), "Цикл", "2026-01-10").Ok());
  ASSERT_TRUE(AddProjectCycle(state, files.File("c2.kor"), "Цикл", "2026-02-10").Ok());
  ASSERT_TRUE(AddProjectCycle(state, files.File("c3.kor"), "Цикл", "2026-03-10").Ok());
  ASSERT_TRUE(SetProjectReference(state, {"Rp1", "Rp2", "Rp3"}).Ok());

  // The dialog lists the cycles and offers the first cycle's points, the chosen ones ticked;
  // ticking Rp4 too joins it to the project file.
  int cyclesListed = 0;
  QStringList ticked;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<MonitoringProjectDlg*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    cyclesListed = dialog->CyclesGrid->rowCount();
    EXPECT_EQ(dialog->CyclesGrid->item(2, 0)->text(), "10.03.2026");
    for (int k = 0; k < dialog->ReferenceList->count(); ++k)
      if (dialog->ReferenceList->item(k)->text() == "Rp4") dialog->ReferenceList->item(k)->setCheckState(Qt::Checked);
    for (int k = 0; k < dialog->ReferenceList->count(); ++k)
      if (dialog->ReferenceList->item(k)->checkState() == Qt::Checked) ticked << dialog->ReferenceList->item(k)->text();
    QTest::mouseClick(dialog->btnShowSettlements, Qt::LeftButton);
  });
  form->acMonitoringProject->trigger();
  EXPECT_EQ(cyclesListed, 3);
  EXPECT_EQ(ticked, (QStringList{"Rp1", "Rp2", "Rp3", "Rp4"}));
  ASSERT_EQ(state.Monitoring.Project->reference.size(), 4u);

  SettlementView* view = form->Settlements();
  ASSERT_NE(view, nullptr);
  ASSERT_TRUE(QTest::qWaitFor([&] { return view->SettlementGrid->model()->rowCount() == 6; }));
  EXPECT_EQ(view->StabilityList->count(), 3);
  EXPECT_TRUE(view->StabilityList->item(2)->text().contains("сместились: Rp3"));

  // Since the first cycle: M6 sank 6 mm by the third, highlighted; by the second, as its σ says.
  QAbstractItemModel& model = *view->SettlementGrid->model();
  EXPECT_EQ(model.headerData(3, Qt::Horizontal).toString(), "10.03.2026");
  EXPECT_EQ(model.index(5, 0).data().toString(), "M6");
  EXPECT_NEAR(model.index(5, 3).data().toString().toDouble(), -6.0, 0.3);
  EXPECT_TRUE(model.index(5, 3).data(Qt::BackgroundRole).isValid());
  EXPECT_EQ(model.index(5, 2).data(Qt::BackgroundRole).isValid(),
            state.Monitoring.Results->analysis.marks[5].totalSignificant[1].value());

  // Heights are never highlighted; the rate mode adds mm per year.
  view->ModeBox->setCurrentIndex(static_cast<int>(SettlementMode::kHeights));
  EXPECT_FALSE(model.index(5, 3).data(Qt::BackgroundRole).isValid());
  EXPECT_NEAR(model.index(5, 1).data().toString().toDouble(), 100310.0, 0.5);
  view->ModeBox->setCurrentIndex(static_cast<int>(SettlementMode::kRate));
  EXPECT_EQ(model.columnCount(), 5);
  EXPECT_EQ(model.headerData(4, Qt::Horizontal).toString(), "мм/год");

  // The plot follows the selected marks; the copy is the table shown.
  view->SettlementGrid->selectRow(1);
  ASSERT_EQ(view->TimePlot->Shown().series.size(), 1u);
  EXPECT_EQ(view->TimePlot->Shown().series[0].name, "M2");
  EXPECT_EQ(view->TotalPlot->Shown().categories.size(), 6u);
  QTest::mouseClick(view->btnCopySettlements, Qt::LeftButton);
  EXPECT_EQ(QApplication::clipboard()->text().toStdString(),
            SettlementCopyText(*state.Monitoring.Results, SettlementMode::kRate));
}

}  // namespace
}  // namespace korvado
