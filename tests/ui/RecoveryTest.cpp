// A program killed with unsaved changes: the next start offers its recovery
// copy, and a program still running keeps its copy to itself.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QTest>
#include <QTimer>

#include "Autosave.h"
#include "JournalCommands.h"
#include "MainForm.h"
#include "RecordStep.h"
#include "RecoveryCopy.h"
#include "UiTestSupport.h"

namespace korvado {
namespace {

const QString kChildRole = QStringLiteral("recovery-edits-and-waits");

QString RecoveryFolder() { return Autosave::Folder(); }

bool HasCopy() { return !ListRecoveryCopies(RecoveryFolder().toStdString()).empty(); }

// The recovery question answered with the button named answer; what it said.
struct RecoveryBox {
  int count = 0;
  QString text;
};
RecoveryBox AnswerRecovery(const std::function<void()>& action, const QString& answer) {
  RecoveryBox seen;
  QTimer timer;
  timer.setInterval(10);
  QObject::connect(&timer, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || box->windowTitle() != QStringLiteral("Восстановление данных")) return;
    ++seen.count;
    seen.text = box->text();
    for (QAbstractButton* button : box->buttons())
      if (button->text() == answer) button->click();
  });
  timer.start();
  action();
  return seen;
}

// The program the test below kills: edits the new data and waits. Without its
// edit the test sees no recovery copy and fails.
const bool kChildRegistered = RegisterChildRole(kChildRole, [] {
  EnsureApplication();
  TMainForm form(WorkingFolderSettings());
  form.Start({QStringLiteral("korvado")});
  AppState& state = form.State();
  if (!RecordStep(state, "правка записи 1", [&] { return WriteMainCell(state, 0, kMainNote, "до сбоя"); })) return;
  QTest::qWait(60000);
});

TEST(Recovery, KilledProgramsChangesAreOfferedAtTheNextStart) {
  ASSERT_TRUE(kChildRegistered);
  EnsureApplication();
  WorkingFolder folder;
  QFile ini(folder.Path(QStringLiteral("Korvado.ini")));
  ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
  ini.write("[Autosave]\nIntervalSeconds=1\n");
  ini.close();
  // Both programs keep their copies in this test's own data folder.
  qputenv("XDG_DATA_HOME", folder.Path(QStringLiteral("data")).toUtf8());
  ASSERT_FALSE(HasCopy());

  QProcess child;
  child.setProcessEnvironment(ChildRoleEnvironment(kChildRole));
  child.setWorkingDirectory(QDir::currentPath());
  child.start(QCoreApplication::applicationFilePath(), {});
  ASSERT_TRUE(child.waitForStarted(10000));
  ASSERT_TRUE(QTest::qWaitFor(HasCopy, 30000)) << "the running program wrote no recovery copy";

  // While its program runs, the copy is not offered to another one.
  AppState otherState;
  Autosave other(otherState, 0);
  EXPECT_EQ(AnswerRecovery([&] { other.OfferRecovery(nullptr, [] {}); }, QStringLiteral("Восстановить")).count, 0);

  child.kill();
  ASSERT_TRUE(child.waitForFinished(10000));
  TMainForm form(WorkingFolderSettings());
  const RecoveryBox box =
      AnswerRecovery([&] { form.Start({QStringLiteral("korvado")}); }, QStringLiteral("Восстановить"));
  EXPECT_EQ(box.count, 1);
  EXPECT_TRUE(box.text.contains(QStringLiteral("новые данные"))) << box.text.toStdString();
  EXPECT_EQ(form.State().Journal.Notes[0], "до сбоя");
  EXPECT_TRUE(form.State().Changed);
  // The restored data are this program's now: the old copy is gone, a new one under its own name.
  const std::vector<RecoveryRecord> copies = ListRecoveryCopies(RecoveryFolder().toStdString());
  ASSERT_EQ(copies.size(), 1u);
  EXPECT_EQ(copies[0].ProcessId, QCoreApplication::applicationPid());
  CloseWithoutQuestion(form);
  EXPECT_FALSE(HasCopy());  // a clean exit leaves none
}

}  // namespace
}  // namespace korvado
