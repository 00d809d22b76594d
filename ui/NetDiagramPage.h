#pragma once
// The page «Схема сети»: the current net drawn as a graph. Wheel zooms,
// dragging pans, «Вписать» fits the whole net; a click on a section selects
// it elsewhere; «Экспорт схемы...» writes SVG or PNG. The net is laid out
// off the window's thread; a drawing for a net changed meanwhile is dropped.

#include <QGraphicsView>
#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <memory>
#include <optional>

#include "AppState.h"
#include "NetDiagram.h"
#include "NetDiagramScene.h"

namespace korvado {

class BackgroundTask;
class SettingsFile;

// Zooms about the mouse with the wheel and pans by dragging.
class DiagramView : public QGraphicsView {
  Q_OBJECT
 public:
  explicit DiagramView(QGraphicsScene* scene, QWidget* parent = nullptr);

 protected:
  void wheelEvent(QWheelEvent* event) override;
};

class NetDiagramPage : public QWidget {
  Q_OBJECT
 public:
  // settings keep the folder the export dialog last used; tasks runs the layout.
  NetDiagramPage(AppState& state, SettingsFile& settings, BackgroundTask& tasks, QWidget* parent = nullptr);
  // The scene, a child destroyed after this page, reports its selection
  // cleared as it empties: that must no longer reach the page.
  ~NetDiagramPage() override { Scene->disconnect(this); }

  QPushButton* btnDrawNet;
  QPushButton* btnFitDiagram;
  QPushButton* btnExportDiagram;
  QLabel* DiagramCaption;
  DiagramView* DiagramBox;
  NetDiagramScene* Scene;

  // The net the diagram shows, -1 before the first drawing.
  int32_t ShownNet() const { return shownNet_; }
  // Writes the diagram as SVG or PNG, by the file's extension.
  void ExportDiagram(const QString& path) const;

 public slots:
  void btnDrawNetClick();
  void btnFitDiagramClick();
  void btnExportDiagramClick();
  // The sections of a loop chosen in «Невязки», when it is of the net shown.
  void HighlightLoop(int net, const std::vector<int32_t>& sections);
  // Draws the shown net again, at the same zoom, when it is the current one:
  // least squares has just adjusted it or its a-priori σ changed, and the
  // suspect section and the points' σ follow.
  void RedrawWithLeastSquares();

 signals:
  void SectionClicked(int net, int section);

 private:
  void SelectionChange();
  // Lays the current net out in the background; fit: show it whole once drawn.
  void DrawCurrentNet(bool fit);
  void Show(NetDiagram diagram, int32_t net, bool fit);
  // The scene holds the whole diagram: the caption, the export, the fit.
  void SceneShown();

  AppState& state_;
  SettingsFile& settings_;
  BackgroundTask& tasks_;
  std::shared_ptr<const NetDiagram> diagram_;
  int32_t shownNet_ = -1;
  // The net whose drawing is on its way, -1 when none, and whether it is to be fitted.
  int32_t pendingNet_ = -1;
  bool pendingFit_ = false;
  bool fitWhenShown_ = false;
};

}  // namespace korvado
