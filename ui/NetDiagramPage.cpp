#include "NetDiagramPage.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QImage>
#include <QPainter>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "BackgroundTask.h"
#include "CommandGuard.h"
#include "DiagramSource.h"
#include "DiagramSvg.h"
#include "FileDialogs.h"
#include "ImageFile.h"
#include "ModelErrors.h"

namespace korvado {

DiagramView::DiagramView(QGraphicsScene* scene, QWidget* parent) : QGraphicsView(scene, parent) {
  setRenderHint(QPainter::Antialiasing);
  setDragMode(QGraphicsView::ScrollHandDrag);
  setTransformationAnchor(QGraphicsView::AnchorUnderMouse);
  setViewportUpdateMode(QGraphicsView::SmartViewportUpdate);
}

void DiagramView::wheelEvent(QWheelEvent* event) {
  const double factor = std::pow(1.0015, event->angleDelta().y());
  scale(factor, factor);
  event->accept();
}

NetDiagramPage::NetDiagramPage(AppState& state, SettingsFile& settings, BackgroundTask& tasks, QWidget* parent)
    : QWidget(parent), state_(state), settings_(settings), tasks_(tasks) {
  Scene = new NetDiagramScene(this);
  DiagramBox = new DiagramView(Scene, this);
  btnDrawNet = new QPushButton(QStringLiteral("Построить схему"), this);
  btnFitDiagram = new QPushButton(QStringLiteral("Вписать"), this);
  btnExportDiagram = new QPushButton(QStringLiteral("Экспорт схемы..."), this);
  btnExportDiagram->setEnabled(false);
  DiagramCaption = new QLabel(this);
  DiagramCaption->setWordWrap(true);  // a long caption wraps instead of widening the window
  auto* buttons = new QHBoxLayout;
  for (QWidget* w : std::initializer_list<QWidget*>{btnDrawNet, btnFitDiagram, btnExportDiagram}) buttons->addWidget(w);
  buttons->addWidget(DiagramCaption, 1);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addLayout(buttons);
  layout->addWidget(DiagramBox, 1);
  ConnectCommand(btnDrawNet, &QPushButton::clicked, this, &NetDiagramPage::btnDrawNetClick);
  ConnectCommand(btnFitDiagram, &QPushButton::clicked, this, &NetDiagramPage::btnFitDiagramClick);
  ConnectCommand(btnExportDiagram, &QPushButton::clicked, this, &NetDiagramPage::btnExportDiagramClick);
  ConnectCommand(Scene, &QGraphicsScene::selectionChanged, this, &NetDiagramPage::SelectionChange);
  ConnectCommand(Scene, &NetDiagramScene::shown, this, &NetDiagramPage::SceneShown);
  connect(&tasks_, &BackgroundTask::busyChanged, this, [this](bool busy) {
    if (!busy) pendingNet_ = -1;
  });
}

void NetDiagramPage::btnDrawNetClick() {
  if (!state_.HasCurrentNet()) throw KorvadoError("Сеть не выбрана. Выберите сеть в списке сетей.");
  DrawCurrentNet(true);
}

void NetDiagramPage::RedrawWithLeastSquares() {
  if (!state_.HasCurrentNet()) return;
  // A drawing still on its way is of the data before the change: start it again.
  const int32_t current = state_.CurrentNetIndex;
  if (pendingNet_ == current)
    DrawCurrentNet(pendingFit_);
  else if (diagram_ && shownNet_ == current)
    DrawCurrentNet(false);
}

void NetDiagramPage::DrawCurrentNet(bool fit) {
  const int32_t index = state_.CurrentNetIndex;
  auto source = std::make_shared<const DiagramSource>(CopyDiagramSource(state_, index));
  std::optional<DiagramLayout> reuse;
  if (diagram_ && shownNet_ == index) reuse = diagram_->layout;
  pendingNet_ = index;
  pendingFit_ = fit;
  tasks_.Run<NetDiagram>(
      QStringLiteral("Построение схемы сети"),
      [source, reuse = std::move(reuse)](const TaskProgress& progress) {
        return BuildNetDiagram(*source, reuse ? &*reuse : nullptr, progress);
      },
      [this, index, stamp = source->stamp, fit](NetDiagram&& diagram) {
        const bool current = index < state_.Nets.NetCount() && DiagramStamp(state_, index) == stamp;
        if (current) Show(std::move(diagram), index, fit);
      });
}

void NetDiagramPage::Show(NetDiagram diagram, int32_t net, bool fit) {
  diagram_ = std::make_shared<const NetDiagram>(std::move(diagram));
  shownNet_ = net;
  fitWhenShown_ = fit;
  btnExportDiagram->setEnabled(false);
  Scene->Show(diagram_);
}

void NetDiagramPage::SceneShown() {
  btnExportDiagram->setEnabled(true);
  QString caption = QStringLiteral("%1: точек %2, звеньев %3. Красным — звенья полигонов и линий сверх допуска.")
                        .arg(QString::fromStdString(diagram_->title))
                        .arg(diagram_->points.size())
                        .arg(diagram_->sections.size());
  if (diagram_->leastSquares)
    caption += QStringLiteral(" По МНК: толстым красным — звено с возможной грубой ошибкой, σ — СКО отметки.");
  DiagramCaption->setText(caption);
  if (fitWhenShown_) btnFitDiagramClick();
}

void NetDiagramPage::btnFitDiagramClick() { DiagramBox->fitInView(Scene->sceneRect(), Qt::KeepAspectRatio); }

void NetDiagramPage::btnExportDiagramClick() {
  if (!diagram_) return;
  const QString path = AskFilePath(this, settings_, QStringLiteral("Экспорт схемы"),
                                   QStringLiteral("Рисунок SVG (*.svg);;Рисунок PNG (*.png)"), QFileDialog::AcceptSave,
                                   QStringLiteral("svg"));
  if (!path.isEmpty()) ExportDiagram(path);
}

void NetDiagramPage::ExportDiagram(const QString& path) const {
  if (!diagram_) return;
  if (!path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive)) {
    SaveDiagramSvg(*diagram_, path.toStdString());
    return;
  }
  const QRectF area = Scene->sceneRect();
  QImage image(area.size().toSize() * 2, QImage::Format_ARGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    Scene->render(&painter, QRectF(image.rect()), area);
  }
  SaveImagePng(image, path.toStdString());
}

void NetDiagramPage::HighlightLoop(int net, const std::vector<int32_t>& sections) {
  if (net == shownNet_) Scene->Highlight(sections);
}

void NetDiagramPage::SelectionChange() {
  const QList<QGraphicsItem*> selected = Scene->selectedItems();
  if (selected.size() != 1) return;
  const int32_t section = NetDiagramScene::SectionOf(selected.front());
  if (section >= 0) emit SectionClicked(shownNet_, section);
}

}  // namespace korvado
