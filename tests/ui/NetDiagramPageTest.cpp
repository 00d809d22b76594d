// «Схема сети» over real widgets: the items on the scene, a click on a
// section, a loop chosen in «Невязки», fitting and the export.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QGraphicsSimpleTextItem>
#include <QImage>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "../app/LoopNets.h"
#include "AccuracyView.h"
#include "AdjustmentPage.h"
#include "BackgroundTask.h"
#include "ElevationPage.h"
#include "LoopsDock.h"
#include "MainForm.h"
#include "ModelErrors.h"
#include "NetDiagramPage.h"
#include "NetSystemPage.h"
#include "SeparatorScope.h"
#include "UiTestSupport.h"

namespace korvado {
namespace {

// The triangle net with a parallel K-L (section 4, closing -0.01 with K-L)
// and a pendent point P from K.
void BuildNet(AppState& state) {
  TKorNet& net = testnets::AddTriangleNet(state);
  EXPECT_TRUE(net.AddSection("K", "L", kNodalPoint, kNodalPoint, 2.01, 3, 5));
  EXPECT_TRUE(net.SectionTables.TableAt(1).AddPendentRun(2, "K", "P", 1, 0.3, 6));
  state.LoopTolerance = {ToleranceClass::Custom, 0.1};
}

TEST(NetDiagramPage, SceneClicksLoopHighlightAndExport) {
  SeparatorScope separators('.', ",");
  WorkingFolder folder;
  std::unique_ptr<TMainForm> form = ShowMainForm();
  BuildNet(form->State());
  NetDiagramPage& page = *form->DiagramPage;
  form->PageControl1->setCurrentWidget(&page);
  EXPECT_FALSE(page.btnExportDiagram->isEnabled());
  page.btnDrawNet->click();
  ASSERT_TRUE(BackgroundTask::Of(*form).WaitIdle(30000));
  ASSERT_TRUE(page.btnExportDiagram->isEnabled());

  int paths = 0, ellipses = 0, triangles = 0, lines = 0;
  QStringList names;
  for (QGraphicsItem* item : page.Scene->items()) {
    if (item->type() == QGraphicsPathItem::Type) ++paths;
    if (item->type() == QGraphicsEllipseItem::Type) ++ellipses;
    if (item->type() == QGraphicsPolygonItem::Type && !item->parentItem()) ++triangles;
    if (item->type() == QGraphicsLineItem::Type) ++lines;
    if (auto* text = qgraphicsitem_cast<QGraphicsSimpleTextItem*>(item); text && !item->parentItem())
      names << text->text();
  }
  names.sort();
  EXPECT_EQ(paths, 5);
  EXPECT_EQ(triangles, 2);  // the benchmarks; the arrows belong to their sections
  EXPECT_EQ(ellipses, 3);   // K, L and the pendent P
  EXPECT_EQ(lines, 1);
  EXPECT_EQ(names, QStringList({"A", "C", "K", "L", "P"}));
  EXPECT_EQ(page.Scene->SectionItem(0)->pen().color(), QColor(208, 0, 0)) << "the failing triangle is red";
  EXPECT_EQ(page.Scene->SectionItem(3)->pen().color(), QColor(48, 48, 48));

  // A click on section 4 (the parallel K-L) selects it on both other pages.
  QGraphicsPathItem* parallel = page.Scene->SectionItem(4);
  const QPointF onCurve = parallel->path().pointAtPercent(0.3);
  QTest::mouseClick(page.DiagramBox->viewport(), Qt::LeftButton, {}, page.DiagramBox->mapFromScene(onCurve));
  const QModelIndex current = form->elevationPage->AltitudeTree->currentIndex();
  EXPECT_EQ(form->elevationPage->AltitudeNodes->NetOf(current), 0);
  EXPECT_EQ(form->elevationPage->AltitudeNodes->SectionOf(current), 4);
  EXPECT_EQ(form->State().ActiveSectionIndex, 4);

  // A loop chosen in «Невязки» is drawn blue and thick.
  LoopsDock& dock = *form->LoopsPane;
  dock.show();
  dock.btnComputeLoopsClick();
  dock.LoopsGrid->setCurrentIndex(dock.LoopsGrid->model()->index(1, 0));
  const std::vector<int32_t> sections = [&] {
    std::vector<int32_t> found;
    for (int32_t s = 0; s < 5; ++s)
      if (page.Scene->SectionItem(s)->pen().color() == QColor(20, 90, 220)) found.push_back(s);
    return found;
  }();
  EXPECT_EQ(sections, (std::vector<int32_t>{1, 4}));

  page.btnFitDiagram->click();
  EXPECT_TRUE(page.DiagramBox->mapToScene(page.DiagramBox->viewport()->rect())
                  .boundingRect()
                  .contains(page.Scene->itemsBoundingRect()));

  page.ExportDiagram(folder.Path("net.svg"));
  QFile svg(folder.Path("net.svg"));
  ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
  EXPECT_EQ(QString::fromUtf8(svg.readAll()).count("<path "), 5);
  page.ExportDiagram(folder.Path("net.png"));
  const QImage png(folder.Path("net.png"));
  ASSERT_FALSE(png.isNull());
  EXPECT_GT(png.width(), 100);
  // The picture replaces a file whole and keeps its mode, as every other save does.
  QFile::setPermissions(folder.Path("net.png"), QFile::ReadOwner | QFile::WriteOwner);
  const std::filesystem::path previous = folder.Path("previous.png").toStdString();
  std::filesystem::create_hard_link(folder.Path("net.png").toStdString(), previous);
  page.ExportDiagram(folder.Path("net.png"));
  EXPECT_FALSE(std::filesystem::equivalent(previous, folder.Path("net.png").toStdString()))
      << "a new file is put in place whole, never written over the old one";
  // The owner and the others, not the "user" bits Qt adds for whoever runs the test.
  EXPECT_EQ(QFile::permissions(folder.Path("net.png")) & 0x7077, QFile::ReadOwner | QFile::WriteOwner);
  EXPECT_FALSE(QImage(folder.Path("net.png")).isNull());
  EXPECT_THROW(page.ExportDiagram(folder.Path("no-such-folder/net.png")), FileIOError);
  EXPECT_TRUE(QDir(folder.Path("")).entryList({".*"}, QDir::Files | QDir::Hidden).isEmpty()) << "no litter left";
  CloseWithoutQuestion(*form);
}

// «Уравнять по МНК» and a new a-priori σ draw the shown net again at the same
// zoom: the suspect section thick red, σ beside the adjusted points K and L.
TEST(NetDiagramPage, LeastSquaresRedrawsTheShownNet) {
  SeparatorScope separators('.', ",");
  WorkingFolder folder;
  std::unique_ptr<TMainForm> form = ShowMainForm();
  BuildNet(form->State());
  NetDiagramPage& page = *form->DiagramPage;
  page.btnDrawNet->click();
  ASSERT_TRUE(BackgroundTask::Of(*form).WaitIdle(30000));
  page.DiagramBox->scale(2, 2);
  const QTransform zoom = page.DiagramBox->transform();
  const auto drawn = [&] {
    std::vector<int32_t> thick;
    int sigmas = 0;
    for (int32_t s = 0; s < 5; ++s)
      if (page.Scene->SectionItem(s)->pen() == QPen(QColor(208, 0, 0), 5.0)) thick.push_back(s);
    for (QGraphicsItem* item : page.Scene->items())
      if (auto* text = qgraphicsitem_cast<QGraphicsSimpleTextItem*>(item)) sigmas += text->text().startsWith("σ = ");
    return std::pair{thick, sigmas};
  };
  form->adjustmentPage->btnLeastSquares->click();
  ASSERT_TRUE(BackgroundTask::Of(*form).WaitIdle(30000));
  EXPECT_EQ(drawn(), (std::pair{std::vector<int32_t>{}, 2})) << "0.5 per setup: no blunder";
  form->accuracyView->SigmaEdit->setText("0.01");
  emit form->accuracyView->SigmaEdit->editingFinished();
  ASSERT_TRUE(BackgroundTask::Of(*form).WaitIdle(30000));
  EXPECT_EQ(drawn(), (std::pair{std::vector<int32_t>{form->State().LastLeastSquares->result.suspectSection}, 2}));
  EXPECT_GE(form->State().LastLeastSquares->result.suspectSection, 0);
  EXPECT_EQ(page.DiagramBox->transform(), zoom);
  CloseWithoutQuestion(*form);
}

// The net is laid out off the window's thread from a copy: a drawing that
// arrives for a net changed meanwhile is dropped, and least squares pressed
// while a drawing is on its way draws the adjusted net instead.
TEST(NetDiagramPage, DrawingsOfDataChangedMeanwhileAreDropped) {
  SeparatorScope separators('.', ",");
  WorkingFolder folder;
  std::unique_ptr<TMainForm> form = ShowMainForm();
  BuildNet(form->State());
  NetDiagramPage& page = *form->DiagramPage;
  page.btnDrawNet->click();
  form->State().Nets.NetAt(0).SectionHeights.SetItem(0, 9.99);  // before the drawing can arrive
  ASSERT_TRUE(BackgroundTask::Of(*form).WaitIdle(30000));
  EXPECT_FALSE(page.btnExportDiagram->isEnabled());
  EXPECT_TRUE(page.Scene->items().isEmpty());

  page.btnDrawNet->click();
  form->adjustmentPage->btnLeastSquares->click();
  ASSERT_TRUE(BackgroundTask::Of(*form).WaitIdle(30000));
  ASSERT_TRUE(page.btnExportDiagram->isEnabled());
  int sigmas = 0;
  for (QGraphicsItem* item : page.Scene->items())
    if (auto* text = qgraphicsitem_cast<QGraphicsSimpleTextItem*>(item)) sigmas += text->text().startsWith("σ = ");
  EXPECT_EQ(sigmas, 2) << "K and L, adjusted";
  CloseWithoutQuestion(*form);
}

// A net of thousands of points is laid out in the background and put on the
// scene in slices: other events are served between the slices.
TEST(NetDiagramPage, ALargeNetFillsTheSceneInSlicesWhileTheWindowResponds) {
  WorkingFolder folder;
  std::unique_ptr<TMainForm> form = ShowMainForm();
  TKorNet& net = form->State().Nets.NetAt(*form->State().Nets.AddNet("Сетка"));
  constexpr int kSide = 60;
  const auto name = [](int k) { return "P" + std::to_string(k); };
  for (int k = 0; k < kSide * kSide; ++k) {
    const uint8_t type = k % 20 ? kNodalPoint : kFixedPoint;
    if ((k + 1) % kSide) {
      EXPECT_TRUE(net.AddSection(name(k), name(k + 1), type, kNodalPoint, 0.5, 2, 0));
    }
    if (k + kSide < kSide * kSide) {
      EXPECT_TRUE(net.AddSection(name(k), name(k + kSide), type, kNodalPoint, -0.5, 3, 0));
    }
    EXPECT_TRUE(net.AddPoint(name(k), type, 100.0));
  }
  form->State().CurrentNetIndex = 0;
  NetDiagramPage& page = *form->DiagramPage;
  page.btnDrawNet->click();
  ASSERT_TRUE(BackgroundTask::Of(*form).WaitIdle(60000));
  ASSERT_TRUE(page.Scene->Filling());
  int served = 0;
  while (page.Scene->Filling()) {
    QTimer::singleShot(0, [&] { served += page.Scene->Filling(); });
    QCoreApplication::processEvents();
  }
  EXPECT_GT(served, 1) << "events were served between the slices";
  int paths = 0;
  for (QGraphicsItem* item : page.Scene->items()) paths += item->type() == QGraphicsPathItem::Type;
  EXPECT_EQ(paths, net.SectionCount());
  EXPECT_TRUE(page.btnExportDiagram->isEnabled());
  EXPECT_TRUE(page.DiagramCaption->text().contains(QStringLiteral("точек 3600")));
  CloseWithoutQuestion(*form);
}

}  // namespace
}  // namespace korvado
