// The questions of a save that could lose someone's work: a file changed by
// another program since it was opened, and a backup that cannot be written.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "DataFile.h"
#include "MainForm.h"
#include "SurveySamples.h"
#include "UiTestSupport.h"

namespace korvado {
namespace {

QByteArray Bytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Put(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(bytes);
}

class SaveQuestions : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteDataFile(path.toStdString(), SampleJournal(), SampleNets(1));
    form = ShowMainForm();
    form->OpenFile(path);
    form->State().Journal.Notes.Set(0, "правка");
    form->State().MarkChanged();
  }
  void TearDown() override { CloseWithoutQuestion(*form); }

  BoxesSeen Save(QMessageBox::StandardButton answer, QString* saveAsTitle = nullptr) {
    return AnswerMessageBoxes([&] { AnswerFileDialog([&] { form->acSave->trigger(); }, QString(), saveAsTitle); },
                              answer);
  }

  WorkingFolder folder;
  QString path = folder.Path(QStringLiteral("ход.kor"));
  std::unique_ptr<TMainForm> form;
};

TEST_F(SaveQuestions, FileChangedByAnotherProgramIsOverwrittenOnlyWhenTheUserSays) {
  Put(path, "чужая версия");
  QString saveAsTitle;
  BoxesSeen seen = Save(QMessageBox::No, &saveAsTitle);
  EXPECT_EQ(seen.text, QStringLiteral("Файл изменён другой программой после открытия. Перезаписать?"));
  EXPECT_EQ(saveAsTitle, QStringLiteral("Сохранить как"));  // offered instead
  EXPECT_EQ(Bytes(path), QByteArray("чужая версия"));
  EXPECT_TRUE(form->State().Changed);

  seen = Save(QMessageBox::Yes);
  EXPECT_EQ(seen.count, 1);
  EXPECT_FALSE(form->State().Changed);
  EXPECT_EQ(Bytes(path + ".bak"), QByteArray("чужая версия"));  // even that is kept
  EXPECT_EQ(Save(QMessageBox::Yes).count, 0);                   // the file is this program's own again
}

TEST_F(SaveQuestions, BackupThatCannotBeWrittenStopsTheSaveUnlessTheUserSaysGoOn) {
  const QByteArray before = Bytes(path);
  ASSERT_TRUE(QDir().mkdir(path + ".bak"));
  BoxesSeen seen = Save(QMessageBox::No);
  EXPECT_TRUE(seen.text.startsWith(QStringLiteral("Не удалось сохранить резервную копию"))) << seen.text.toStdString();
  EXPECT_TRUE(seen.text.endsWith(QStringLiteral("Сохранить файл без резервной копии?")));
  EXPECT_EQ(Bytes(path), before);
  EXPECT_TRUE(form->State().Changed);

  Save(QMessageBox::Yes);
  EXPECT_NE(Bytes(path), before);
  EXPECT_FALSE(form->State().Changed);
}

}  // namespace
}  // namespace korvado
