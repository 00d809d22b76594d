// The File menu's report commands: print with a preview, and export to PDF.

#include <QPrintPreviewDialog>
#include <QPrinter>

#include "AdjustmentStatement.h"
#include "FileDialogs.h"
#include "MainForm.h"
#include "ReportPages.h"
#include "ShowOutcome.h"

namespace korvado {

void TMainForm::acPrintReportExecute() {
  const Result<ReportDocument> statement = CurrentNetStatement(state_);
  if (!ShowOutcome(statement)) return;
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
  const Result<ReportDocument> statement = CurrentNetStatement(state_);
  if (!ShowOutcome(statement)) return;
  const QString path =
      AskFilePath(this, Settings(), QStringLiteral("Экспорт отчёта в PDF"), QStringLiteral("Документ PDF (*.pdf)"),
                  QFileDialog::AcceptSave, QStringLiteral("pdf"));
  if (path.isEmpty()) return;
  SaveReportPdf(*statement, path.toStdString());
}

}  // namespace korvado
