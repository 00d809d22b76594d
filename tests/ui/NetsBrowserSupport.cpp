#include "NetsBrowserSupport.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QTest>

#include "KorIcons.h"
#include "MainForm.h"
#include "NetsBrowser.h"

namespace korvado {

bool WithBrowser(TMainForm& form, const std::function<void(TNetsBrowser&)>& body) {
  return WhileModal<TNetsBrowser>([&] { form.acNetsBrowser->trigger(); }, body);
}

std::vector<QTreeWidgetItem*> AllItems(const QTreeWidget& tree) {
  std::vector<QTreeWidgetItem*> items;
  for (int i = 0; i < tree.topLevelItemCount(); ++i) {
    QTreeWidgetItem* top = tree.topLevelItem(i);
    items.push_back(top);
    for (int k = 0; k < top->childCount(); ++k) items.push_back(top->child(k));
  }
  return items;
}

namespace {

QPoint ItemCentre(QTreeWidget& view, QTreeWidgetItem* item) {
  view.scrollToItem(item);
  const QRect rect = view.visualItemRect(item);
  EXPECT_TRUE(rect.isValid()) << "the item is not on screen";
  return rect.center();
}

}  // namespace

void ClickItem(QTreeWidget& view, QTreeWidgetItem* item) {
  ASSERT_NE(item, nullptr);
  QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::NoModifier, ItemCentre(view, item));
}

void DoubleClickItem(QTreeWidget& view, QTreeWidgetItem* item) {
  ASSERT_NE(item, nullptr);
  const QPoint centre = ItemCentre(view, item);
  QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::NoModifier, centre);
  QTest::mouseDClick(view.viewport(), Qt::LeftButton, Qt::NoModifier, centre);
}

void ClickTreeNode(QTreeWidget& tree, int absoluteIndex) {
  const std::vector<QTreeWidgetItem*> items = AllItems(tree);
  ASSERT_LT(absoluteIndex, static_cast<int>(items.size()));
  ClickItem(tree, items[absoluteIndex]);
}

void ClickRow(QTreeWidget& list, int row) {
  ASSERT_LT(row, list.topLevelItemCount());
  ClickItem(list, list.topLevelItem(row));
}

QStringList ColumnTexts(const QTreeWidget& list, int column) {
  QStringList texts;
  for (int r = 0; r < list.topLevelItemCount(); ++r) texts << list.topLevelItem(r)->text(column);
  return texts;
}

int IconIndex(const QIcon& icon) {
  if (icon.isNull()) return -1;
  const QImage shown = icon.pixmap(16, 16).toImage();
  for (int index = kFixedPoint; index <= kPendentIcon; ++index)
    if (KorIcon(index).pixmap(16, 16).toImage() == shown) return index;
  return -1;
}

std::vector<int> ColumnIcons(const QTreeWidget& list, int column) {
  std::vector<int> icons;
  for (int r = 0; r < list.topLevelItemCount(); ++r) icons.push_back(IconIndex(list.topLevelItem(r)->icon(column)));
  return icons;
}

QStringList SelectedTexts(const QTreeWidget& view) {
  QStringList texts;
  for (const QTreeWidgetItem* item : view.selectedItems()) texts << item->text(0);
  return texts;
}

}  // namespace korvado
