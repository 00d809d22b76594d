// The page "Отметки точек" used with the mouse and the keyboard: the tree of
// nets and sections, the elevations along a section with its pendent points,
// the net report, and the table copied for a spreadsheet.

#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <cctype>

#include "../processing/AdjustmentNets.h"
#include "ElevationPage.h"
#include "LocaleSeparatorTest.h"
#include "MainForm.h"
#include "NumberColumns.h"
#include "UiTestSupport.h"

namespace korvado {
namespace {

class elevationPage : public LocaleSeparatorTest {
 protected:
  void SetUp() override {
    form = ShowMainForm();
    page = form->elevationPage;
    form->PageControl1->setCurrentWidget(page);
    BuildNet();
  }
  void TearDown() override { CloseWithoutQuestion(*form); }

  // Section 1: A -> X (2 setups, +1.00) -> B (4 setups, +2.00), A 100.00 and
  // B 103.03 fixed, with the pendent run X -> P (-0.50) and P -> Q (+0.25)
  // hanging off P. Section 2: B -> C (2 setups, +1.00), C 104.03 fixed.
  void BuildNet() {
    TKorNet& net = form->State().Nets.NetAt(*form->State().Nets.AddNet("Сеть 1"));
    testnets::BuildTwoRunSectionNet(net);
    TKorNetDetailTable& first = net.SectionTables.TableAt(0);
    EXPECT_TRUE(first.AddPendentRun(kIntermediatePoint, "X", "P", 1, -0.50, 3));
    EXPECT_TRUE(first.AddPendentRun(kIntermediatePoint, "P", "Q", 1, 0.25, 4));
    EXPECT_TRUE(net.AddSection("B", "C", kFixedPoint, kFixedPoint, 1.00, 2, 5));
    EXPECT_TRUE(net.AddPoint("C", kFixedPoint, 104.03));
    form->RefillNetSelector();
  }

  QModelIndex NetNode() { return page->AltitudeNodes->NetIndex(0); }
  QModelIndex SectionNode(int k) { return page->AltitudeNodes->SectionIndex(0, k); }

  void ClickNode(const QModelIndex& node) {
    const QRect place = page->AltitudeTree->visualRect(node);
    ASSERT_TRUE(place.isValid()) << "the node is on screen";
    QTest::mouseClick(page->AltitudeTree->viewport(), Qt::LeftButton, {}, place.center());
  }
  void ClickCell(int row, int column, Qt::KeyboardModifiers modifiers = {}) {
    QTableView* grid = page->AltitudeStrGrid;
    const QRect place = grid->visualRect(grid->model()->index(row, column));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, modifiers, place.center());
  }

  // The grid's data rows as "name|elevation" lines.
  std::vector<std::string> Grid() {
    std::vector<std::string> lines;
    const QAbstractItemModel& grid = *page->AltitudeStrGrid->model();
    const auto text = [&](int r, int c) { return grid.index(r, c).data().toString().toStdString(); };
    for (int r = 0; r < grid.rowCount(); ++r) lines.push_back(text(r, 0) + "|" + text(r, 1));
    return lines;
  }
  // Dec for the numbers only: the mark " [вис.]" keeps its point.
  std::string Numbers(const std::string& text) const {
    std::string out = text;
    for (size_t k = 1; k < out.size(); ++k)
      if (out[k] == '.' && std::isdigit(static_cast<unsigned char>(out[k - 1]))) out[k] = GetParam().decimal;
    return out;
  }
  std::vector<std::string> Expected(std::initializer_list<const char*> lines) {
    std::vector<std::string> out;
    for (const char* line : lines) out.push_back(Numbers(line));
    return out;
  }
  std::vector<std::string> FirstSection() {
    return Expected({"A|100.00", "X|101.01", "B|103.03", "P [вис.]|100.51", "Q [вис.]|100.76"});
  }

  WorkingFolder folder;
  std::unique_ptr<TMainForm> form;
  ElevationPage* page = nullptr;
};

TEST_P(elevationPage, TreeOfNetsAndSectionsShowsTheElevationsAlongTheChosenSection) {
  // Checks every index, parent and row count the view may ask for, through each refill.
  const QAbstractItemModelTester consistent(page->AltitudeNodes, QAbstractItemModelTester::FailureReportingMode::Fatal);
  QTest::mouseClick(page->btnUpDateTree, Qt::LeftButton);
  ASSERT_EQ(page->AltitudeNodes->NetCount(), 1);
  EXPECT_EQ(NetNode().data().toString(), "Сеть 1");
  ASSERT_EQ(page->AltitudeNodes->SectionCount(0), 2);
  EXPECT_EQ(SectionNode(0).data().toString(), "1  [A --> B]");
  EXPECT_EQ(SectionNode(1).data().toString(), "2  [B --> C]");
  EXPECT_FALSE(SectionNode(0).data(Qt::DecorationRole).value<QIcon>().isNull());
  EXPECT_FALSE(NetNode().data(Qt::DecorationRole).value<QIcon>().isNull());
  EXPECT_FALSE(page->AltitudeNodes->SectionIndex(0, 2).isValid()) << "no third section";

  ClickNode(SectionNode(0));
  EXPECT_EQ(page->AltitudeStrGrid->model()->headerData(0, Qt::Horizontal).toString(), "Название точки");
  EXPECT_EQ(page->AltitudeStrGrid->model()->headerData(1, Qt::Horizontal).toString(), "Отметка");
  EXPECT_EQ(page->AltitudeStrGrid->model()->index(0, 1).data(Qt::TextAlignmentRole).value<Qt::Alignment>(),
            kNumberAlignment) << "elevations right-aligned";
  EXPECT_EQ(Grid(), FirstSection()) << "misclosure -0.03 shared by the weights 10/n; pendent points off X and P";

  ClickNode(SectionNode(1));
  EXPECT_EQ(Grid(), Expected({"B|103.03", "C|104.03"}));

  ClickNode(NetNode());
  EXPECT_EQ(Grid(), std::vector<std::string>{"|"}) << "a net node leaves one empty row";

  // The tree is not rebuilt by itself; its button clears the choice.
  ASSERT_TRUE(form->State().Nets.AddNet("Сеть 2"));
  EXPECT_EQ(page->AltitudeNodes->NetCount(), 1);
  ClickNode(SectionNode(0));
  QTest::mouseClick(page->btnUpDateTree, Qt::LeftButton);
  EXPECT_EQ(page->AltitudeNodes->NetCount(), 2);
  EXPECT_EQ(page->AltitudeNodes->SectionCount(1), 0);
  EXPECT_EQ(Grid(), std::vector<std::string>{"|"});
}

TEST_P(elevationPage, NetReportListsEverySectionInTurnAndEndsOnTheLastSectionNode) {
  QTest::mouseClick(page->btnUpDateTree, Qt::LeftButton);
  ClickNode(SectionNode(0));
  QTest::mouseClick(page->btnNetReport, Qt::LeftButton);
  EXPECT_EQ(Grid(), FirstSection()) << "a section node is not a net: nothing happens";

  ClickNode(NetNode());
  QTest::mouseClick(page->btnNetReport, Qt::LeftButton);
  std::vector<std::string> report = FirstSection();
  for (const std::string& line : Expected({"B|103.03", "C|104.03"})) report.push_back(line);
  EXPECT_EQ(Grid(), report) << "the junction point B is listed twice";
  EXPECT_EQ(page->AltitudeTree->currentIndex(), SectionNode(1));
}

TEST_P(elevationPage, WholeTableOrABlockIsCopiedWithTabsBetweenCellsAndCrLfBetweenRows) {
  QTest::mouseClick(page->btnUpDateTree, Qt::LeftButton);
  ClickNode(SectionNode(0));
  QTableView* grid = page->AltitudeStrGrid;
  QApplication::clipboard()->clear();

  ClickCell(2, 0);
  QTest::keyClick(grid, Qt::Key_A, Qt::ControlModifier);
  for (const Qt::Key copy : {Qt::Key_C, Qt::Key_Z}) {
    QApplication::clipboard()->clear();
    QTest::keyClick(grid, copy, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(),
              Numbers("A\t100.00\r\nX\t101.01\r\nB\t103.03\r\nP [вис.]\t100.51\r\nQ [вис.]\t100.76"));
  }

  ClickCell(1, 1);
  ClickCell(2, 1, Qt::ShiftModifier);
  QTest::mouseClick(page->ToolBar2->widgetForAction(form->acCopyFromAltitudeTable), Qt::LeftButton);
  EXPECT_EQ(QApplication::clipboard()->text().toStdString(), Dec("101.01\r\n103.03"))
      << "no line end after the last cell";

  // The tool bar's select-all button takes the report whole.
  ClickNode(NetNode());
  QTest::mouseClick(page->btnNetReport, Qt::LeftButton);
  QTest::mouseClick(page->ToolBar2->widgetForAction(form->acSelectAltitudeTable), Qt::LeftButton);
  QTest::mouseClick(page->ToolBar2->widgetForAction(form->acCopyFromAltitudeTable), Qt::LeftButton);
  const QString copied = QApplication::clipboard()->text();
  EXPECT_EQ(copied.count(QStringLiteral("\r\n")), 6);
  EXPECT_TRUE(copied.endsWith(QString::fromStdString(Dec("C\t104.03"))));
}

KORVADO_WITH_BOTH_SEPARATORS(elevationPage);

}  // namespace
}  // namespace korvado
