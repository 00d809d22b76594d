// The File menu's document commands over the current net: «Печать отчёта...»,
// «Экспорт отчёта в PDF...» and «Экспорт в Excel (.xlsx)...». Each asks about
// heights that are not adjusted, then for the title block, then for a file.
// Painting the pages leaves the windows' own fonts as they were.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QFontInfo>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QTemporaryDir>
#include <QTimer>

#include "../processing/AdjustmentNets.h"
#include "BackgroundTask.h"
#include "DocumentDlg.h"
#include "FileCommands.h"
#include "LeastSquaresCommands.h"
#include "MainForm.h"
#include "UiTestSupport.h"

namespace korvado {
namespace {

// How to answer the windows a document command opens, and what they showed.
struct DocumentAnswers {
  QMessageBox::StandardButton question = QMessageBox::Yes;
  // Fills the document dialog; false cancels it.
  std::function<bool(DocumentDlg&)> fill = [](DocumentDlg&) { return true; };
  QString path{};  // for the file dialog; empty cancels it

  int questions = 0;
  QString questionText{};
  int dialogs = 0;
  QString fileDialogTitle{};
  QString previewTitle{};
};

// Runs action and answers each modal window it opens by its kind.
void Answer(const std::function<void()>& action, DocumentAnswers& answers) {
  QTimer timer;
  timer.setInterval(10);
  QObject::connect(&timer, &QTimer::timeout, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      ++answers.questions;
      answers.questionText = box->text();
      box->button(answers.question)->click();
    } else if (auto* dialog = qobject_cast<DocumentDlg*>(modal)) {
      ++answers.dialogs;
      answers.fill(*dialog) ? dialog->accept() : dialog->reject();
    } else if (auto* files = qobject_cast<QFileDialog*>(modal)) {
      answers.fileDialogTitle = files->windowTitle();
      if (answers.path.isEmpty()) return files->reject();
      files->selectFile(answers.path);
      if (auto* name = files->findChild<QLineEdit*>("fileNameEdit")) name->setText(answers.path);
      static_cast<QDialog*>(files)->accept();
    } else if (auto* preview = qobject_cast<QPrintPreviewDialog*>(modal)) {
      answers.previewTitle = preview->windowTitle();
      preview->reject();
    }
  });
  timer.start();
  action();
  timer.stop();
}

QString Field(const DocumentDlg& dialog, std::string TitleBlock::*member) {
  for (size_t k = 0; k < kTitleFields.size(); ++k)
    if (kTitleFields[k].member == member) return dialog.TitleEdits[k]->text();
  return "(нет поля)";
}

void SetField(DocumentDlg& dialog, std::string TitleBlock::*member, const QString& text) {
  for (size_t k = 0; k < kTitleFields.size(); ++k)
    if (kTitleFields[k].member == member) dialog.TitleEdits[k]->setText(text);
}

bool StartsWith(const QString& path, const char* magic) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) && file.read(qstrlen(magic)) == magic;
}

TEST(ReportMenu, PreviewOpensAndExportsWriteTheDocumentsOfTheCurrentNet) {
  const WorkingFolder folder;
  auto form = ShowMainForm();
  EXPECT_EQ(AnswerMessageBoxes([&] { form->acExportReportPdf->trigger(); }, QMessageBox::Ok).count, 1)
      << "no net yet: a message, no dialog";

  testnets::BuildTwoBenchmarkNet(form->State().Nets.NetAt(*form->State().Nets.AddNet("Сеть 1")));
  form->RefillNetSelector();
  form->State().CurrentNetIndex = 0;
  ASSERT_TRUE(AdjustCurrentNetByLeastSquares(form->State()));

  DocumentAnswers print;
  Answer([&] { form->acPrintReport->trigger(); }, print);
  EXPECT_EQ(print.previewTitle, "Печать отчёта");
  EXPECT_EQ(print.questions, 0) << "adjusted heights need no question";
  EXPECT_EQ(print.dialogs, 1);

  DocumentAnswers pdf{.path = folder.Path("net.pdf")};
  Answer([&] { form->acExportReportPdf->trigger(); }, pdf);
  ASSERT_TRUE(BackgroundTask::Of(*form).WaitIdle(60000)) << "the PDF is written in the background";
  EXPECT_EQ(pdf.fileDialogTitle, "Экспорт отчёта в PDF");
  EXPECT_TRUE(StartsWith(pdf.path, "%PDF-"));

  DocumentAnswers xlsx{.path = folder.Path("net.xlsx")};
  Answer([&] { form->acExportXlsx->trigger(); }, xlsx);
  EXPECT_EQ(xlsx.fileDialogTitle, "Экспорт в Excel");
  EXPECT_TRUE(StartsWith(xlsx.path, "PK"));
  CloseWithoutQuestion(*form);
}

// Heights that are not adjusted: «Нет» stops before anything else. The
// dialog then starts from the last use: the person's fields for any file,
// the job's fields for the same file only, also after the program restarts.
TEST(ReportMenu, AsksAboutUnadjustedHeightsAndRemembersTheTitleBlock) {
  const WorkingFolder folder;
  const QString first = folder.Path("first.kor"), second = folder.Path("second.kor");
  {
    auto form = ShowMainForm();
    testnets::BuildTwoBenchmarkNet(form->State().Nets.NetAt(*form->State().Nets.AddNet("Сеть 1")));
    form->RefillNetSelector();
    form->State().CurrentNetIndex = 0;
    SaveDataFileAs(form->State(), first.toStdString());

    DocumentAnswers refused{.question = QMessageBox::No};
    Answer([&] { form->acExportXlsx->trigger(); }, refused);
    EXPECT_EQ(refused.questions, 1);
    EXPECT_NE(refused.questionText.indexOf("«Отметки не уравнены»"), -1) << refused.questionText.toStdString();
    EXPECT_EQ(refused.dialogs, 0);

    DocumentAnswers filled{.path = folder.Path("first.xlsx")};
    filled.fill = [](DocumentDlg& dialog) {
      EXPECT_EQ(Field(dialog, &TitleBlock::computedOn).size(), 10) << "today, dd.MM.yyyy";
      SetField(dialog, &TitleBlock::object, "Объект А");
      SetField(dialog, &TitleBlock::computedBy, "Петров П. П.");
      dialog.cbHeightUnit->setCurrentIndex(1);
      return true;
    };
    Answer([&] { form->acExportXlsx->trigger(); }, filled);
    EXPECT_EQ(filled.questions, 1);
    EXPECT_TRUE(StartsWith(filled.path, "PK"));
    CloseWithoutQuestion(*form);
  }
  auto form = ShowMainForm();
  testnets::BuildTwoBenchmarkNet(form->State().Nets.NetAt(*form->State().Nets.AddNet("Сеть 1")));
  form->RefillNetSelector();
  form->State().CurrentNetIndex = 0;
  for (const QString& file : {second, first}) {
    form->State().CurrentFileName = file.toStdString();
    DocumentAnswers seen;
    seen.fill = [&](DocumentDlg& dialog) {
      EXPECT_EQ(Field(dialog, &TitleBlock::computedBy), "Петров П. П.");
      EXPECT_EQ(Field(dialog, &TitleBlock::object), file == first ? "Объект А" : "");
      EXPECT_EQ(dialog.cbHeightUnit->currentIndex(), 1);
      return false;
    };
    Answer([&] { form->acExportXlsx->trigger(); }, seen);
    EXPECT_EQ(seen.dialogs, 1);
    EXPECT_TRUE(seen.fileDialogTitle.isEmpty()) << "cancelled in the dialog";
  }
  CloseWithoutQuestion(*form);
}

// The report's diagram names its points in a font of the same pixel size as
// the menus' font; the page's font must not take the menus' place.
TEST(ReportMenu, PaintingTheReportWithItsDiagramLeavesTheMenusFontAsItWas) {
  const WorkingFolder folder;
  auto form = ShowMainForm();
  testnets::BuildTwoBenchmarkNet(form->State().Nets.NetAt(*form->State().Nets.AddNet("Сеть 1")));
  form->RefillNetSelector();
  form->State().CurrentNetIndex = 0;
  ASSERT_TRUE(AdjustCurrentNetByLeastSquares(form->State()));
  const QFont menuFont = QApplication::font("QMenu");
  // A font asked for afresh, as a menu opened later asks for it, is the size it was asked for.
  const auto expectMenuFontWhole = [&](const char* when) {
    const QFontInfo fresh(QFont(menuFont.family(), menuFont.pointSize()));
    EXPECT_NEAR(fresh.pointSizeF(), menuFont.pointSizeF(), 0.5) << when;
  };
  expectMenuFontWhole("before");
  // The preview paints at the printer's resolution, the export at the PDF's.
  DocumentAnswers print;
  Answer([&] { form->acPrintReport->trigger(); }, print);
  DocumentAnswers pdf{.path = folder.Path("net.pdf")};
  Answer([&] { form->acExportReportPdf->trigger(); }, pdf);
  ASSERT_TRUE(BackgroundTask::Of(*form).WaitIdle(60000));
  ASSERT_TRUE(StartsWith(pdf.path, "%PDF-"));
  expectMenuFontWhole("after");
  CloseWithoutQuestion(*form);
}

}  // namespace
}  // namespace korvado
