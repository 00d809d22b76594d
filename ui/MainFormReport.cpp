// The File menu's report commands: print with a preview, and export to PDF.

#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStatusBar>
#include <memory>

#include "AdjustmentStatement.h"
#include "BackgroundTask.h"
#include "FileDialogs.h"
#include "MainForm.h"
#include "PassingRemark.h"
#include "ReportPages.h"

namespace korvado {

void TMainForm::acPrintReportExecute() {
  const std::optional<ReportDocument> statement = CurrentNetStatement(state_);
  if (!statement) return;
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageLayout(ReportPageLayout());
  printer.setDocName(QString::fromStdString(statement->title));
  QPrintPreviewDialog preview(&printer, this);
  preview.setWindowTitle(QStringLiteral("Печать отчёта"));
  connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
          [&](QPrinter* target) { PaintReportPages(*statement, *target); });
  preview.exec();
}

void TMainForm::acExportReportPdfExecute() {
  const std::optional<ReportDocument> statement = CurrentNetStatement(state_);
  if (!statement) return;
  const QString path =
      AskFilePath(this, Settings(), QStringLiteral("Экспорт отчёта в PDF"), QStringLiteral("Документ PDF (*.pdf)"),
                  QFileDialog::AcceptSave, QStringLiteral("pdf"));
  if (path.isEmpty()) return;
  // Shaping the text of thousands of rows takes seconds: the document, a
  // value of its own, is laid out on pages off the window's thread.
  auto document = std::make_shared<const ReportDocument>(*statement);
  BackgroundTask::Of(*this).Run<bool>(
      QStringLiteral("Экспорт отчёта в PDF"),
      [document, file = path.toStdString()](const TaskProgress&) {
        SaveReportPdf(*document, file);
        return true;
      },
      [this, path](bool&&) {
        statusBar()->showMessage(QStringLiteral("Отчёт записан в «%1».").arg(path), kPassingRemarkMilliseconds);
      });
}

}  // namespace korvado
