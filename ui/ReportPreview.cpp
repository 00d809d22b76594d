#include "ReportPreview.h"

#include <QPrintPreviewDialog>
#include <QPrinter>

#include "ReportDocument.h"
#include "ReportPages.h"

namespace korvado {

void PreviewReport(const ReportDocument& document, const QString& windowTitle, QWidget* parent) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageLayout(ReportPageLayout());
  printer.setDocName(QString::fromStdString(document.title));
  QPrintPreviewDialog preview(&printer, parent);
  preview.setWindowTitle(windowTitle);
  QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                   [&](QPrinter* target) { PaintReportPages(document, *target); });
  preview.exec();
}

}  // namespace korvado
