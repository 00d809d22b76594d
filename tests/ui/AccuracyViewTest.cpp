// «Уравнять по МНК» and the view «Оценка точности» as a surveyor uses them:
// the σ column of the list, the a-priori σ kept in Korvado.ini, the tables
// copied to the clipboard, a section row leading to «Отметки точек», and a
// refusal that changes nothing.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QSettings>
#include <QTest>

#include "../processing/AdjustmentNets.h"
#include "AccuracyView.h"
#include "AdjustmentPage.h"
#include "ElevationPage.h"
#include "LocaleSeparatorTest.h"
#include "MainForm.h"
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
  QTreeWidgetItem* current = form->elevationPage->AltitudeTree->currentItem();
  ASSERT_TRUE(current && current->parent());
  EXPECT_EQ(current->parent()->indexOfChild(current), 1);
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

KORVADO_WITH_BOTH_SEPARATORS(accuracyView);

}  // namespace
}  // namespace korvado
