// «Уравнять по МНК» and the view «Оценка точности» as a surveyor uses them:
// the σ column of the list, the a-priori σ kept in Korvado.ini, the tables
// copied to the clipboard, a section row leading to «Отметки точек», and a
// refusal that changes nothing.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QSettings>
#include <QTest>
#include <algorithm>
#include <cmath>

#include "../processing/AdjustmentNets.h"
#include "AccuracyView.h"
#include "AdjustmentPage.h"
#include "AttentionColours.h"
#include "BackgroundTask.h"
#include "ElevationPage.h"
#include "LeastSquaresCommands.h"
#include "LocaleSeparatorTest.h"
#include "MainForm.h"
#include "NetDiagramPage.h"
#include "NumberColumns.h"
#include "NumberText.h"
#include "PointTable.h"
#include "UiTestSupport.h"

namespace korvado {
namespace {

class accuracyView : public LocaleSeparatorTest {
 protected:
  void SetUp() override {
    form = ShowMainForm();
    TKorNet& net = form->State().Nets.NetAt(*form->State().Nets.AddNet("Сеть 1"));
    testnets::AddOneRunSection(net, "A", "K", 4.000, 2, kFixedPoint, kNodalPoint);
    testnets::AddOneRunSection(net, "K", "B", 6.100, 2, kNodalPoint, kFixedPoint);
    EXPECT_TRUE(RebuildPoints(net));
    SetPointElevation(net, "A", 100.0);
    SetPointElevation(net, "B", 110.0);
    form->RefillNetSelector();
    form->SelectNet(0);
  }
  void TearDown() override { CloseWithoutQuestion(*form); }

  WorkingFolder folder;
  std::unique_ptr<TMainForm> form;
};

TEST_P(accuracyView, LeastSquaresFillsTheListAndTheViewWhoseTablesCopyAndLeadToTheSection) {
  AdjustmentPage* page = form->adjustmentPage;
  AccuracyView* view = form->accuracyView;
  EXPECT_FALSE(view->isVisible());
  QTest::mouseClick(page->btnLeastSquares, Qt::LeftButton);
  EXPECT_TRUE(form->State().Changed);
  EXPECT_EQ(form->State().IterationCounter, 0);
  ASSERT_EQ(page->EquateListView->topLevelItemCount(), 3);
  EXPECT_FALSE(page->EquateListView->isColumnHidden(4));
  EXPECT_EQ(page->EquateListView->headerItem()->text(4), "СКО отметки, мм");
  EXPECT_EQ(page->EquateListView->topLevelItem(1)->text(4).toStdString(), Dec("0.05"));
  EXPECT_EQ(page->EquateListView->headerItem()->text(2), "МНК, r = 1");
  EXPECT_TRUE(page->EquateListView->headerItem()->text(3).contains("принят"));

  ASSERT_TRUE(view->isVisible());
  ASSERT_EQ(view->SectionsTable->model()->rowCount(), 2);
  EXPECT_EQ(view->PointsTable->model()->index(1, 3).data().toString().toStdString(), Dec("0.05"));

  view->SigmaEdit->setFocus();
  view->SigmaEdit->selectAll();
  TypeKeys(QString::fromStdString(Dec("0.01")));
  PressKey(Qt::Key_Return);
  EXPECT_EQ(form->State().SigmaPerSetup, 0.01);
  EXPECT_EQ(QSettings(folder.Path("Korvado.ini"), QSettings::IniFormat).value("Adjustment/SigmaPerSetup").toString(),
            "0.01");
  EXPECT_TRUE(view->SummaryLabel->text().contains("отвергнут")) << view->SummaryLabel->text().toStdString();

  view->SectionsTable->setFocus();
  view->SectionsTable->selectRow(1);
  PressKey(Qt::Key_C, Qt::ControlModifier);
  EXPECT_TRUE(QApplication::clipboard()->text().startsWith("K\tB\t2\t"))
      << QApplication::clipboard()->text().toStdString();
  EXPECT_FALSE(QApplication::clipboard()->text().contains("\n"));
  QTest::mouseClick(view->btnCopySections, Qt::LeftButton);
  EXPECT_EQ(QApplication::clipboard()->text().count("\r\n"), 2) << "the header and two sections";

  const QModelIndex second = view->SectionsTable->model()->index(1, 0);
  QTest::mouseClick(view->SectionsTable->viewport(), Qt::LeftButton, {},
                    view->SectionsTable->visualRect(second).center());
  EXPECT_EQ(form->PageControl1->currentWidget(), form->elevationPage);
  const QModelIndex current = form->elevationPage->AltitudeTree->currentIndex();
  EXPECT_EQ(form->elevationPage->AltitudeNodes->NetOf(current), 0);
  EXPECT_EQ(form->elevationPage->AltitudeNodes->SectionOf(current), 1);
}

TEST_P(accuracyView, RefusalIsShownAndChangesNothing) {
  TKorNet& net = form->State().Nets.NetAt(0);
  net.PointTypes.SetItem(0, kNodalPoint);
  net.PointTypes.SetItem(2, kNodalPoint);
  form->State().History.Reset(form->State());  // as if the file held them
  const BoxesSeen boxes = AnswerMessageBoxes(
      [&] { QTest::mouseClick(form->adjustmentPage->btnLeastSquares, Qt::LeftButton); }, QMessageBox::Ok);
  EXPECT_EQ(boxes.count, 1);
  EXPECT_TRUE(boxes.text.contains("жесткой точки")) << boxes.text.toStdString();
  EXPECT_FALSE(form->State().Changed);
  EXPECT_EQ(net.PointElevations.GetItem(1), 0.0);
}

// K hangs between four benchmarks; the section to D carries a blunder of
// about 5 mm, the others disagree by a millimetre or so in the other sense.
TEST_P(accuracyView, TheSuspectSectionIsColouredSortsFirstByItsSizeOfWAndIsShownOnTheDiagram) {
  AppState& state = form->State();
  TKorNet& net = state.Nets.NetAt(*state.Nets.AddNet("Звезда"));
  testnets::AddOneRunSection(net, "A", "K", 5.00, 2, kFixedPoint, kNodalPoint);
  testnets::AddOneRunSection(net, "K", "B", 5.00, 2, kNodalPoint, kFixedPoint);
  testnets::AddOneRunSection(net, "K", "C", 16.00, 2, kNodalPoint, kFixedPoint);
  testnets::AddOneRunSection(net, "K", "D", 31.00, 2, kNodalPoint, kFixedPoint);
  EXPECT_TRUE(RebuildPoints(net));
  for (const auto& [name, elevation] : {std::pair{"A", 152300.0}, {"B", 152310.0}, {"C", 152320.0}, {"D", 152330.0}})
    SetPointElevation(net, name, elevation);
  form->RefillNetSelector();
  form->SelectNet(1);
  QTest::mouseClick(form->adjustmentPage->btnLeastSquares, Qt::LeftButton);
  AccuracyView* view = form->accuracyView;
  ASSERT_TRUE(view->isVisible());

  // The elevation column holds its widest figure whole, two decimals, the full value in the tooltip.
  const QAbstractItemModel* points = view->PointsTable->model();
  const QModelIndex k = points->index(1, 2);
  EXPECT_EQ(k.data().toString().toStdString(), Dec("152303.25"));
  EXPECT_EQ(k.data(Qt::ToolTipRole).toString().toStdString(), Dec("152303.25"));
  EXPECT_GE(view->PointsTable->columnWidth(2), CellWidthFor(view->PointsTable, WidestElevation()));

  const QAbstractItemModel* sections = view->SectionsTable->model();
  ASSERT_EQ(sections->rowCount(), 4);
  for (int r = 0; r < 4; ++r) {
    const bool suspect = sections->index(r, 7).data().toString() == QString::fromUtf8(kSuspectMark);
    EXPECT_EQ(suspect, r == 3) << "the section K – D, the one with the blunder";
    EXPECT_EQ(sections->index(r, 0).data(Qt::BackgroundRole).value<QBrush>().color() == kAttentionBackground, suspect)
        << r;
  }

  // Sorted by wᵢ, largest first: by its size, whatever its sign.
  view->SectionsTable->horizontalHeader()->setSortIndicator(kAccuracyWColumn, Qt::DescendingOrder);
  std::vector<double> sizes;
  for (int r = 0; r < 4; ++r)
    sizes.push_back(std::fabs(ParseDouble(sections->index(r, 6).data().toString().toStdString())));
  EXPECT_TRUE(std::is_sorted(sizes.rbegin(), sizes.rend())) << sizes[0] << " " << sizes[1] << " " << sizes[3];
  EXPECT_EQ(sections->index(0, 1).data().toString(), "D");
  // A click on a sorted row still leads to that section.
  QTest::mouseClick(view->SectionsTable->viewport(), Qt::LeftButton, {},
                    view->SectionsTable->visualRect(sections->index(0, 0)).center());
  const QModelIndex current = form->elevationPage->AltitudeTree->currentIndex();
  EXPECT_EQ(form->elevationPage->AltitudeNodes->NetOf(current), form->State().CurrentNetIndex);
  EXPECT_EQ(form->elevationPage->AltitudeNodes->SectionOf(current), 3);

  // With no row chosen, «Показать на схеме» goes to the suspect section: centred and large.
  view->SectionsTable->setCurrentIndex(QModelIndex());
  QTest::mouseClick(view->btnShowOnDiagram, Qt::LeftButton);
  NetDiagramPage* diagram = form->DiagramPage;
  ASSERT_EQ(form->PageControl1->currentWidget(), diagram);
  // Drawn in the background first.
  ASSERT_TRUE(BackgroundTask::Of(*form).WaitIdle(30000));
  ASSERT_TRUE(QTest::qWaitFor([&] { return !diagram->Scene->selectedItems().isEmpty(); }));
  const QList<QGraphicsItem*> selected = diagram->Scene->selectedItems();
  ASSERT_EQ(selected.size(), 1);
  EXPECT_EQ(NetDiagramScene::SectionOf(selected.front()), 3);
  const QRect shown =
      diagram->DiagramBox->mapFromScene(diagram->Scene->SectionItem(3)->sceneBoundingRect()).boundingRect();
  const QRect viewport = diagram->DiagramBox->viewport()->rect();
  EXPECT_LE((shown.center() - viewport.center()).manhattanLength(), 4);
  EXPECT_GE(std::max(shown.width(), shown.height()), std::min(viewport.width(), viewport.height()) / 4);
  EXPECT_TRUE(viewport.contains(shown));
}

KORVADO_WITH_BOTH_SEPARATORS(accuracyView);

}  // namespace
}  // namespace korvado
