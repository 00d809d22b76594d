// What the nets browser shows: the tree, the list of the selected node, the
// caption and selector, and which commands apply there.

#include <QSignalBlocker>

#include "KorIcons.h"
#include "NetsBrowser.h"
#include "NumberColumns.h"

namespace korvado {

namespace {

constexpr int kListColumnCount = 6;

QTreeWidgetItem* MakeTreeItem(const TreeNodeView& node, int absolute) {
  auto* item = new QTreeWidgetItem({QString::fromStdString(node.Text)});
  item->setIcon(0, KorIcon(node.Icon));
  item->setData(0, Qt::UserRole, absolute);
  return item;
}

QTreeWidgetItem* MakeListItem(const BrowserRow& row) {
  auto* item = new QTreeWidgetItem({QString::fromStdString(row.Number), QString::fromStdString(row.BackPoint),
                                    QString::fromStdString(row.ForePoint), QString::fromStdString(row.SetupsText),
                                    QString::fromStdString(row.HeightText), QString::fromStdString(row.IndexText)});
  item->setIcon(0, KorIcon(row.NumberIcon));
  item->setIcon(1, KorIcon(row.BackIcon));
  item->setIcon(2, KorIcon(row.ForeIcon));
  AlignNumbers(item, {3, 4, 5});
  return item;
}

}  // namespace

void TNetsBrowser::FillTree() {
  updating_ = true;
  ListView1->clear();
  NetsTree->clear();
  treeItems_.clear();
  const std::vector<TreeNodeView> nodes = NetsTreeNodes(state_.Nets);
  QTreeWidgetItem* netItem = nullptr;
  for (const TreeNodeView& node : nodes) {
    QTreeWidgetItem* item = MakeTreeItem(node, static_cast<int>(treeItems_.size()));
    if (node.Node.IsNet()) {
      NetsTree->addTopLevelItem(item);
      netItem = item;
    } else {
      netItem->addChild(item);
    }
    treeItems_.push_back(item);
  }
  NetsTree->expandAll();
  {
    const QSignalBlocker blocker(ComboBox1);
    ComboBox1->clear();
    for (const std::string& name : NetNames(state_.Nets)) ComboBox1->addItem(QString::fromStdString(name));
    ComboBox1->setCurrentIndex(-1);
  }
  updating_ = false;
}

void TNetsBrowser::ClearViews() {
  updating_ = true;
  ListView1->clear();
  NetsTree->clear();
  treeItems_.clear();
  updating_ = false;
}

void TNetsBrowser::ShowSelection() {
  updating_ = true;
  const int32_t absolute = AbsoluteIndex(state_.Nets, browser_.Selected);
  if (absolute >= 0 && absolute < static_cast<int32_t>(treeItems_.size())) {
    NetsTree->setCurrentItem(treeItems_[absolute]);
    const QSignalBlocker blocker(ComboBox1);
    ComboBox1->setCurrentIndex(browser_.Selected.Net);
  } else {
    NetsTree->clearSelection();
  }
  setWindowTitle(QString::fromStdString(browser_.Caption));
  ListView1->headerItem()->setText(0, QString::fromStdString(browser_.FirstColumnCaption));
  FillList();
  updating_ = false;
  UpdateActions();
}

void TNetsBrowser::FillList() {
  ListView1->clear();
  for (const BrowserRow& row : BrowserRows(state_, browser_)) ListView1->addTopLevelItem(MakeListItem(row));
  if (browser_.SelectedRow >= 0 && browser_.SelectedRow < ListView1->topLevelItemCount())
    ListView1->setCurrentItem(ListView1->topLevelItem(browser_.SelectedRow));
  ListView1->repaint();
  static_assert(std::size(kListColumns) + 1 == kListColumnCount);
}

void TNetsBrowser::UpdateActions() {
  const BrowserActions enabled = EnabledActions(state_, browser_);
  acAddNet->setEnabled(enabled.AddNet);
  acRenameNet->setEnabled(enabled.RenameNet);
  acCopyNet->setEnabled(enabled.CopyNet);
  acPasteNet->setEnabled(enabled.PasteNet);
  acDelNet->setEnabled(enabled.DelNet);
  acCopySec->setEnabled(enabled.CopySec);
  acPasteSec->setEnabled(enabled.PasteSec);
  acDelSection->setEnabled(enabled.DelSection);
  acCopyDetSec->setEnabled(enabled.CopyDetSec);
  acPasteDetSec->setEnabled(enabled.PasteDetSec);
  acDelDetSection->setEnabled(enabled.DelDetSection);
  acAddPendentPoint->setEnabled(enabled.AddPendentPoint);
  acDelPendentPoint->setEnabled(enabled.DelPendentPoint);
  acNetsLevel->setEnabled(enabled.NetsLevel);
}

void TNetsBrowser::NetsTreeChange() {
  if (updating_) return;
  const QList<QTreeWidgetItem*> selected = NetsTree->selectedItems();
  const BrowserNode node = selected.isEmpty()
                               ? BrowserNode{}
                               : NodeAtAbsoluteIndex(state_.Nets, selected.first()->data(0, Qt::UserRole).toInt());
  SelectNode(state_, browser_, node);
  ShowSelection();
}

void TNetsBrowser::ListView1SelectItem() {
  if (updating_) return;
  const QList<QTreeWidgetItem*> selected = ListView1->selectedItems();
  SelectRow(state_, browser_, selected.isEmpty() ? -1 : ListView1->indexOfTopLevelItem(selected.first()));
  UpdateActions();
}

// A row that cannot be opened (none selected, or a run) is ignored without a message.
void TNetsBrowser::ListView1DblClick() {
  if (OpenSelectedRow(state_, browser_)) ShowSelection();
}

void TNetsBrowser::ComboBox1Click() {
  if (PickNetInSelector(state_, browser_, ComboBox1->currentIndex())) ShowSelection();
}

void TNetsBrowser::acNetsLevelExecute() {
  if (GoToNetLevel(state_, browser_)) ShowSelection();
}

}  // namespace korvado
