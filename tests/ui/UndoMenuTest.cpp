// The Edit menu as a surveyor uses it: a finished cell edit is one step named
// in the menu, Ctrl+Z and Ctrl+Y take it back and again, and on the
// elevations page Ctrl+Z still copies the table.

#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTest>

#include "ElevationPage.h"
#include "JournalGridView.h"
#include "JournalPage.h"
#include "MainForm.h"
#include "UiTestSupport.h"

namespace korvado {
namespace {

QMenu* EditMenu(TMainForm& form) {
  for (QAction* action : form.menuBar()->actions())
    if (action->text() == QStringLiteral("&Правка")) return action->menu();
  return nullptr;
}

// The texts the Edit menu shows when opened.
QStringList EditMenuTexts(TMainForm& form) {
  QMenu* menu = EditMenu(form);
  emit menu->aboutToShow();
  QStringList texts;
  for (QAction* action : menu->actions()) texts << action->text() + (action->isEnabled() ? "" : " (недоступно)");
  emit menu->aboutToHide();
  return texts;
}

// A key as the window system delivers it, shortcuts first.
void Shortcut(Qt::Key key, Qt::KeyboardModifiers modifiers) {
  QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

TEST(UndoMenu, CellEditIsOneStepUndoneAndRedoneByKeys) {
  WorkingFolder folder;
  std::unique_ptr<TMainForm> form = ShowMainForm();
  ASSERT_NE(EditMenu(*form), nullptr);
  EXPECT_EQ(form->menuBar()->actions().value(1)->text(), QStringLiteral("&Правка"));
  EXPECT_EQ(EditMenuTexts(*form), (QStringList{"Отменить (недоступно)", "Повторить (недоступно)"}));

  JournalGridView* grid = form->journalPage->MainStringGrid;
  grid->setFocus();
  grid->SelectCell(0, kMainNote);
  TypeKeys("bench 12");
  PressKey(Qt::Key_Return);
  const TKorData& journal = form->State().Journal;
  ASSERT_EQ(journal.Notes[0], "bench 12");
  EXPECT_EQ(EditMenuTexts(*form), (QStringList{"Отменить: правка записи 1", "Повторить (недоступно)"}));

  Shortcut(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(journal.Notes[0], "");
  EXPECT_EQ(grid->model()->index(0, kMainNote).data().toString(), "");
  EXPECT_FALSE(form->State().Changed);  // back to the data as they were
  EXPECT_FALSE(form->isWindowModified()) << "the mark follows the history's notice at once";
  EXPECT_EQ(EditMenuTexts(*form), (QStringList{"Отменить (недоступно)", "Повторить: правка записи 1"}));

  Shortcut(Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(journal.Notes[0], "bench 12");
  EXPECT_TRUE(form->isWindowModified());
  Shortcut(Qt::Key_Z, Qt::ControlModifier);
  Shortcut(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(journal.Notes[0], "bench 12");
  EXPECT_TRUE(form->State().Changed);

  // On the elevations page Ctrl+Z copies its table (its own tests see the copy) and undoes nothing.
  form->PageControl1->setCurrentWidget(form->elevationPage);
  form->elevationPage->AltitudeStrGrid->setFocus();
  Shortcut(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(journal.Notes[0], "bench 12");
  CloseWithoutQuestion(*form);
}

}  // namespace
}  // namespace korvado
