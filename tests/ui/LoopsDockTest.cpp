// The pane «Невязки» as a surveyor uses it: the class and k, failing rows in
// red, a row's sections shown on the tree, the copy, the warning before a
// sweep, and the class kept in Korvado.ini.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QStatusBar>
#include <QTest>

#include "../app/LoopNets.h"
#include "AdjustmentPage.h"
#include "ElevationPage.h"
#include "LoopsDock.h"
#include "MainForm.h"
#include "SeparatorScope.h"
#include "UiTestSupport.h"

namespace korvado {
namespace {

TEST(LoopsDock, ClassRowsSelectionCopyWarningAndSettings) {
  SeparatorScope separators('.', ",");
  WorkingFolder folder;
  {
    std::unique_ptr<TMainForm> form = ShowMainForm();
    testnets::AddTriangleNet(form->State());
    LoopsDock& dock = *form->LoopsPane;
    dock.toggleViewAction()->trigger();
    ASSERT_TRUE(dock.isVisible());
    EXPECT_EQ(dock.ClassBox->currentText(), "Техническое");
    EXPECT_FALSE(dock.CoefficientEdit->isEnabled());

    // «Свой допуск» with k = 0.1: the triangle (0.25 > 0.24) fails, the line passes.
    dock.ClassBox->setFocus();
    QTest::keyClick(dock.ClassBox, Qt::Key_Down);
    QTest::keyClick(dock.ClassBox, Qt::Key_Down);
    ASSERT_EQ(dock.ClassBox->currentText(), "Свой допуск");
    ASSERT_TRUE(dock.CoefficientEdit->isEnabled());
    // A comma is this field's separator too, never dropped (0,1 becoming 1).
    dock.CoefficientEdit->selectAll();
    QTest::keyClicks(dock.CoefficientEdit, "2,5");
    EXPECT_EQ(dock.CoefficientEdit->value(), 2.5);
    dock.CoefficientEdit->setLocale(QLocale(QLocale::Russian, QLocale::Russia));
    dock.CoefficientEdit->selectAll();
    QTest::keyClicks(dock.CoefficientEdit, "1.5");
    EXPECT_EQ(dock.CoefficientEdit->value(), 1.5);
    dock.CoefficientEdit->setLocale(QLocale::c());
    dock.CoefficientEdit->selectAll();
    QTest::keyClicks(dock.CoefficientEdit, "0.1");
    QAbstractItemModel& model = *dock.LoopsGrid->model();
    ASSERT_EQ(model.rowCount(), 2);
    EXPECT_EQ(model.index(0, 2).data().toString(), "K – L – A – K");
    EXPECT_EQ(model.index(0, 7).data().toString(), "превышает допуск");
    EXPECT_EQ(model.index(0, 0).data(Qt::ForegroundRole).value<QBrush>().color(), QColor(200, 0, 0));
    EXPECT_FALSE(model.index(1, 0).data(Qt::ForegroundRole).isValid());
    EXPECT_TRUE(dock.FormulaLabel->text().contains("f_доп = 0.1·√n мм, n — число штативов"));

    // The triangle's sections become the selection on «Отметки точек».
    QTest::mouseClick(dock.LoopsGrid->viewport(), Qt::LeftButton, {},
                      dock.LoopsGrid->visualRect(model.index(0, 1)).center());
    QStringList selected;
    for (const QModelIndex& node : form->elevationPage->AltitudeTree->selectionModel()->selectedIndexes())
      selected << QString::number(form->elevationPage->AltitudeNodes->SectionOf(node));
    selected.sort();
    EXPECT_EQ(selected, QStringList({"0", "1", "2"}));

    dock.btnCopyLoops->click();
    EXPECT_TRUE(QApplication::clipboard()->text().startsWith("Допуск: f_доп = 0.1·√n мм"));
    EXPECT_TRUE(QApplication::clipboard()->text().contains("\t0.25\t0.24\t1.02\tпревышает допуск\n"));

    // The sweep still runs; the failing loop is a warning in the status bar.
    form->adjustmentPage->btnEquate->click();
    EXPECT_TRUE(form->statusBar()->currentMessage().contains("невязки 1 из 2"))
        << form->statusBar()->currentMessage().toStdString();
    EXPECT_EQ(form->adjustmentPage->EquateListView->topLevelItemCount(), 4);
    CloseWithoutQuestion(*form);
  }
  QFile ini(folder.Path("Korvado.ini"));
  ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
  const QString text = QString::fromUtf8(ini.readAll());
  EXPECT_TRUE(text.contains("[Tolerance]\nClass=custom\nCoefficient=0.1")) << text.toStdString();
  std::unique_ptr<TMainForm> again = ShowMainForm();
  EXPECT_EQ(again->LoopsPane->ClassBox->currentText(), "Свой допуск");
  EXPECT_EQ(again->LoopsPane->CoefficientEdit->value(), 0.1);
  CloseWithoutQuestion(*again);
}

}  // namespace
}  // namespace korvado
