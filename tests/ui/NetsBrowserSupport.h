#pragma once
// Helpers for the GUI tests of the nets browser and the pendent-point dialog:
// driving a modal window from inside its own event loop, clicking the rows of
// trees and lists, and reading back their texts and icons.

#include <gtest/gtest.h>

#include <QApplication>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <functional>
#include <vector>

namespace korvado {

class TMainForm;
class TNetsBrowser;

// Runs `open`, which shows a modal window; once that window's event loop runs,
// `body` gets it, and the window is closed after `body` if still open.
// Returns false when no window of type Window became modal.
template <class Window>
bool WhileModal(const std::function<void()>& open, const std::function<void(Window&)>& body) {
  bool found = false;
  QTimer timer;  // dies with this call, so it never fires for a later window
  timer.setSingleShot(true);
  QObject::connect(&timer, &QTimer::timeout, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    auto* window = qobject_cast<Window*>(modal);
    if (window) {
      found = true;
      // Keys go to the window the user works in. A window with a parent counts
      // as active with its parent, so wait for the application's own word.
      window->activateWindow();
      EXPECT_TRUE(QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }));
      body(*window);
    }
    if (modal && modal->isVisible()) modal->close();
  });
  timer.start(0);
  open();
  return found;
}

// The main window's acNetsBrowser, with `body` run while the browser is shown.
bool WithBrowser(TMainForm& form, const std::function<void(TNetsBrowser&)>& body);

// Every node of a tree in display order (parents before their children).
std::vector<QTreeWidgetItem*> AllItems(const QTreeWidget& tree);
void ClickItem(QTreeWidget& view, QTreeWidgetItem* item);
void DoubleClickItem(QTreeWidget& view, QTreeWidgetItem* item);
void ClickTreeNode(QTreeWidget& tree, int absoluteIndex);
void ClickRow(QTreeWidget& list, int row);

// The texts of one column of a list, row by row.
QStringList ColumnTexts(const QTreeWidget& list, int column);
// The index of the shared small icon that a cell shows, -1 for none of them.
int IconIndex(const QIcon& icon);
std::vector<int> ColumnIcons(const QTreeWidget& list, int column);
// The texts of the selected items.
QStringList SelectedTexts(const QTreeWidget& view);

}  // namespace korvado
