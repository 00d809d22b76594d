// «Файл → Печать отчёта...» and «Файл → Экспорт отчёта в PDF...» over the
// current net: the preview window opens, the PDF file is written.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QPrintPreviewDialog>
#include <QTemporaryDir>
#include <QTimer>

#include "../processing/AdjustmentNets.h"
#include "MainForm.h"
#include "UiTestSupport.h"

namespace korvado {
namespace {

TEST(ReportMenu, PreviewOpensAndExportWritesThePdfOfTheCurrentNet) {
  auto form = ShowMainForm();
  EXPECT_EQ(AnswerMessageBoxes([&] { form->acExportReportPdf->trigger(); }, QMessageBox::Ok).count, 1)
      << "no net yet: a message, no dialog";

  testnets::BuildTwoRunSectionNet(form->State().Nets.NetAt(*form->State().Nets.AddNet("Сеть 1")));
  form->RefillNetSelector();
  form->State().CurrentNetIndex = 0;

  // The preview is closed as soon as it is up, however long its pages take.
  QString previewTitle;
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [&] {
    if (auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget())) {
      previewTitle = preview->windowTitle();
      preview->reject();
    }
  });
  closer.start(50);
  form->acPrintReport->trigger();
  closer.stop();
  EXPECT_EQ(previewTitle, "Печать отчёта");

  const QTemporaryDir folder;
  const QString path = QDir(folder.path()).filePath("net.pdf");
  QString title;
  AnswerFileDialog([&] { form->acExportReportPdf->trigger(); }, path, &title);
  EXPECT_EQ(title, "Экспорт отчёта в PDF");
  QFile pdf(path);
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  EXPECT_TRUE(pdf.read(5) == "%PDF-");
  CloseWithoutQuestion(*form);
}

}  // namespace
}  // namespace korvado
