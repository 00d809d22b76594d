#include "NetConstructionSupport.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "NetNameDlg.h"
#include "TypePointDlg.h"

namespace korvado::nettest {

void SetJournal(AppState& state, const std::vector<JournalRun>& runs) {
  state.Journal.Clear();
  AddJournalRuns(state.Journal, runs);
}

void ModalScript::Run(const std::function<void()>& action) {
  running_ = true;
  QTimer::singleShot(0, &context_, [this] { Poll(); });
  action();
  QCoreApplication::processEvents();
  running_ = false;
}

void ModalScript::Poll() {
  if (!running_) return;
  QWidget* window = QApplication::activeModalWidget();
  // The window of the step still running (it may open a box of its own) is not a new one.
  const bool fresh = window && window->isVisible() && !(window == last_ && last_->isVisible());
  QTimer::singleShot(10, &context_, [this] { Poll(); });
  if (!fresh) return;
  last_ = window;
  if (answered_ < static_cast<int>(steps_.size())) {
    steps_[answered_++](window);
    return;
  }
  ++unexpected_;
  if (auto* dialog = qobject_cast<QDialog*>(window))
    dialog->reject();
  else
    window->close();
}

void TypeInto(QWidget* widget, const QString& text) {
  // Key events that carry their text, so that Cyrillic letters are typed as well.
  for (QChar c : text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(widget, &release);
  }
}

ModalScript::Step NameNet(const QString& name) {
  return [name](QWidget* window) {
    auto* dialog = qobject_cast<TNetNameDlg*>(window);
    ASSERT_NE(dialog, nullptr) << "expected the net-name dialog";
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Новая сеть"));
    dialog->edNameNet->clear();
    TypeInto(dialog->edNameNet, name);
    dialog->btnOk->click();
  };
}

ModalScript::Step ChooseTypes(int backType, int foreType) {
  return [backType, foreType](QWidget* window) {
    auto* dialog = qobject_cast<TTypePointDlg*>(window);
    ASSERT_NE(dialog, nullptr) << "expected the point-type dialog";
    if (backType >= 0) dialog->ComboBox1->setCurrentIndex(backType);
    if (foreType >= 0) dialog->ComboBox2->setCurrentIndex(foreType);
    EXPECT_TRUE(dialog->btnOk->isEnabled());
    dialog->btnOk->click();
  };
}

ModalScript::Step CancelDialog() {
  return [](QWidget* window) {
    auto* dialog = qobject_cast<QDialog*>(window);
    ASSERT_NE(dialog, nullptr);
    dialog->reject();
  };
}

ModalScript::Step AcceptMessage(QString* text) {
  return [text](QWidget* window) {
    auto* box = qobject_cast<QMessageBox*>(window);
    ASSERT_NE(box, nullptr) << "expected a message box";
    *text = box->text();
    box->accept();
  };
}

QStringList GridRows(const QTableWidget& grid) {
  QStringList rows;
  for (int r = 0; r < grid.rowCount(); ++r) {
    QStringList cells;
    for (int c = 0; c < grid.columnCount(); ++c) {
      const QTableWidgetItem* item = grid.item(r, c);
      cells << (item ? item->text() : QString());
    }
    rows << cells.join(QLatin1Char('|'));
  }
  return rows;
}

QStringList ListRows(const QTreeWidget& list) {
  QStringList rows;
  for (int r = 0; r < list.topLevelItemCount(); ++r) {
    QStringList cells;
    for (int c = 0; c < list.columnCount(); ++c) cells << list.topLevelItem(r)->text(c);
    rows << cells.join(QLatin1Char('|'));
  }
  return rows;
}

void DoubleClickRow(QTableWidget& grid, int row) {
  const QRect cell = grid.visualRect(grid.model()->index(row, 0));
  ASSERT_TRUE(cell.isValid()) << "row " << row << " is not on screen";
  QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
  QTest::mouseDClick(grid.viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
}

}  // namespace korvado::nettest
