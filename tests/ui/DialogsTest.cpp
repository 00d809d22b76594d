// The net-name dialog, the point-type dialog and the About box.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QHeaderView>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include "AboutBox.h"
#include "AddPendentPointDlg.h"
#include "AdjustmentPage.h"
#include "EquiDlg.h"
#include "MainForm.h"
#include "NetNameDlg.h"
#include "NetsBrowser.h"
#include "OriginAltitudeForm.h"
#include "TypePointDlg.h"
#include "UiTestSupport.h"

namespace korvado {
namespace {

// Shows dialog modally and runs answer on it once it is up; returns the result.
int ExecWith(QDialog& dialog, const std::function<void(QDialog&)>& answer) {
  QTimer::singleShot(0, &dialog, [&] {
    EXPECT_TRUE(WaitUntilActive(&dialog));
    answer(dialog);
  });
  return dialog.exec();
}

class Dialogs : public ::testing::Test {
 protected:
  void SetUp() override { form = ShowMainForm(); }
  void TearDown() override { CloseWithoutQuestion(*form); }

  WorkingFolder folder;
  std::unique_ptr<TMainForm> form;
};

TEST_F(Dialogs, PointTypeDialogCannotBeConfirmedWithoutAChoice) {
  TTypePointDlg& dialog = form->TypePointDlg();
  EXPECT_EQ(&dialog, &form->TypePointDlg()) << "created once and reused";
  EXPECT_EQ(dialog.windowTitle(), "Тип точки");
  EXPECT_EQ(dialog.size(), QSize(390, 186));
  EXPECT_EQ(dialog.ComboBox2->itemText(2), "Промежуточная точка");
  EXPECT_EQ(dialog.btnOk->text(), "OK");
  EXPECT_EQ(dialog.btnCancel->text(), "Отмена");
  dialog.Label1->setText("Задняя точка: A");
  dialog.ComboBox1->setEnabled(true);

  const int refused = ExecWith(dialog, [](QDialog& d) {
    auto& typeDialog = static_cast<TTypePointDlg&>(d);
    EXPECT_FALSE(typeDialog.btnOk->isEnabled());
    QTest::keyClick(&d, Qt::Key_Return);
    EXPECT_TRUE(d.isVisible()) << "Enter does not confirm an empty choice";
    typeDialog.ComboBox1->setCurrentIndex(0);
    EXPECT_FALSE(typeDialog.btnOk->isEnabled());
    QTest::keyClick(&d, Qt::Key_Escape);
  });
  EXPECT_EQ(refused, QDialog::Rejected);

  const int confirmed = ExecWith(dialog, [](QDialog& d) {
    auto& typeDialog = static_cast<TTypePointDlg&>(d);
    EXPECT_EQ(typeDialog.BackType(), 0) << "the last choice is kept";
    typeDialog.ComboBox2->setCurrentIndex(1);
    typeDialog.btnOk->click();
  });
  EXPECT_EQ(confirmed, QDialog::Accepted);
  EXPECT_EQ(dialog.ForeType(), 1);

  // A run appended to a section: the back type is preset and fixed.
  dialog.ComboBox1->setCurrentIndex(2);
  dialog.ComboBox1->setEnabled(false);
  dialog.ComboBox2->setCurrentIndex(-1);
  ExecWith(dialog, [](QDialog& d) {
    auto& typeDialog = static_cast<TTypePointDlg&>(d);
    EXPECT_FALSE(typeDialog.btnOk->isEnabled());
    typeDialog.ComboBox2->setCurrentIndex(0);
    EXPECT_TRUE(typeDialog.btnOk->isEnabled());
    typeDialog.btnOk->click();
  });
  EXPECT_EQ(dialog.BackType(), 2);
  EXPECT_EQ(dialog.ForeType(), 0);
}

TEST_F(Dialogs, NetNameDialogKeepsItsLastTextAndCancelsOnEscape) {
  TNetNameDlg& dialog = form->NetNameDlg();
  EXPECT_EQ(dialog.windowTitle(), "Новая сеть");
  EXPECT_EQ(dialog.size(), QSize(280, 146));
  EXPECT_EQ(dialog.Label1->text(), "Введите название сети:");
  const int accepted = ExecWith(dialog, [](QDialog& d) {
    auto& nameDialog = static_cast<TNetNameDlg&>(d);
    QTest::keyClicks(nameDialog.edNameNet, "Sever");
    QTest::keyClick(&d, Qt::Key_Return);
  });
  EXPECT_EQ(accepted, QDialog::Accepted);
  dialog.setWindowTitle("Переименовать сеть");
  const int cancelled = ExecWith(dialog, [](QDialog& d) {
    EXPECT_EQ(static_cast<TNetNameDlg&>(d).edNameNet->text(), "Sever");
    QTest::keyClick(&d, Qt::Key_Escape);
  });
  EXPECT_EQ(cancelled, QDialog::Rejected);
  EXPECT_EQ(dialog.edNameNet->text(), "Sever");
}

// Every text a window shows: its title, its buttons, actions and column titles.
QStringList ShownTexts(QWidget* window) {
  QStringList texts{window->windowTitle()};
  for (const QAbstractButton* button : window->findChildren<QAbstractButton*>()) texts << button->text();
  for (const QAction* action : window->findChildren<QAction*>()) texts << action->text();
  for (const QHeaderView* header : window->findChildren<QHeaderView*>())
    if (header->model() && header->orientation() == Qt::Horizontal)
      for (int c = 0; c < header->count(); ++c) texts << header->model()->headerData(c, Qt::Horizontal).toString();
  return texts;
}

TEST_F(Dialogs, NoWindowShowsTheNamesTheCodeGivesItsControls) {
  NetsBrowserState browserState;
  QWidget* windows[] = {form.get(),
                        &form->TypePointDlg(),
                        &form->NetNameDlg(),
                        new TEquiDlg(form.get()),
                        &form->adjustmentPage->OriginAltitudeForm(),
                        new TNetsBrowser(form->State(), *form, form.get()),
                        new TAddPendentPointDlg(form->State(), browserState, form.get())};
  // Designer-style names: btnOk, acCopySec, TypePointDlg, ComboBox1, index.
  const QRegularExpression internal(
      QStringLiteral(R"(^(btn|ac)[A-Z]|^T?[A-Za-z]+Dlg$|^(ComboBox|Label|Edit|Panel|ToolBar)\d|^index$)"));
  for (QWidget* window : windows)
    for (const QString& text : ShownTexts(window))
      EXPECT_FALSE(internal.match(text).hasMatch()) << window->metaObject()->className() << ": " << text.toStdString();
}

TEST_F(Dialogs, AboutBoxStatesTheProgramAndItsPurpose) {
  QPointer<TAboutBox> shown;
  const auto openAndClose = [&] {
    QTimer::singleShot(0, form.get(), [&] {
      shown = qobject_cast<TAboutBox*>(QApplication::activeModalWidget());
      if (shown) shown->OKButton->click();
    });
    form->acAbout->trigger();
  };
  openAndClose();
  ASSERT_TRUE(shown);
  TAboutBox* first = shown;
  EXPECT_EQ(first->windowTitle(), "О программе");
  EXPECT_EQ(first->size(), QSize(401, 386));
  EXPECT_EQ(first->ProductName->text(), "\" Korvado \"");
  EXPECT_EQ(first->Version->text(), "Версия программы:  1.02");
  EXPECT_EQ(first->Comments->text(), "Последняя редакция: 09.01.2002");
  EXPECT_EQ(first->StageLabel->text(), "Программа находится на стадии разработки");
  EXPECT_EQ(first->Label1->text(),
            "Предназначена для обработки высокоточных технических нивелирных ходов и уравнивания нивелирных сетей.");
  EXPECT_TRUE(first->ProductName->font().bold() && first->ProductName->font().italic() &&
              first->ProductName->font().underline());
  EXPECT_EQ(first->ProgramIcon->size(), QSize(89, 81));
  openAndClose();
  EXPECT_EQ(shown, first) << "the same box is shown again";
}

}  // namespace
}  // namespace korvado
