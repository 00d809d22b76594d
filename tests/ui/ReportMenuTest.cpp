// «Файл → Печать отчёта...» and «Файл → Экспорт отчёта в PDF...» over the
// current net: the preview window opens, the PDF file is written, and the
// windows' own fonts come out of the painting as they went in.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QFontInfo>
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

  testnets::BuildTwoRunSectionNet(form->State().Nets.NetAt(form->State().Nets.AddNet("Сеть 1")));
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

// The report's diagram names its points in a font of the same pixel size as
// the menus' font; the page's font must not take the menus' place.
TEST(ReportMenu, PaintingTheReportWithItsDiagramLeavesTheMenusFontAsItWas) {
  auto form = ShowMainForm();
  testnets::BuildTwoRunSectionNet(form->State().Nets.NetAt(form->State().Nets.AddNet("Сеть 1")));
  form->RefillNetSelector();
  form->State().CurrentNetIndex = 0;
  const QFont menuFont = QApplication::font("QMenu");
  // A font asked for afresh, as a menu opened later asks for it, is the size it was asked for.
  const auto expectMenuFontWhole = [&](const char* when) {
    const QFontInfo fresh(QFont(menuFont.family(), menuFont.pointSize()));
    EXPECT_NEAR(fresh.pointSizeF(), menuFont.pointSizeF(), 0.5) << when;
  };
  expectMenuFontWhole("before");
  // The preview paints at the printer's resolution, the export at the PDF's.
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [&] {
    if (auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget())) preview->reject();
  });
  closer.start(50);
  form->acPrintReport->trigger();
  closer.stop();
  const QTemporaryDir folder;
  AnswerFileDialog([&] { form->acExportReportPdf->trigger(); }, QDir(folder.path()).filePath("net.pdf"));
  ASSERT_TRUE(QFile::exists(QDir(folder.path()).filePath("net.pdf")));
  expectMenuFontWhole("after");
  CloseWithoutQuestion(*form);
}

}  // namespace
}  // namespace korvado
