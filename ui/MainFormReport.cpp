// The File menu's document commands: print with a preview, export to PDF and
// to an Excel workbook. Each first asks what the document needs.

#include <QDate>
#include <QMessageBox>
#include <QStatusBar>
#include <memory>

#include "AdjustmentStatement.h"
#include "BackgroundTask.h"
#include "CurrentNet.h"
#include "DocumentDlg.h"
#include "DocumentSettings.h"
#include "FileDialogs.h"
#include "LeastSquaresCommands.h"
#include "MainForm.h"
#include "ModelErrors.h"
#include "PassingRemark.h"
#include "ReportPages.h"
#include "ReportPreview.h"
#include "ShowOutcome.h"
#include "StatementWorkbook.h"

namespace korvado {

std::optional<DocumentOptions> TMainForm::AskDocumentOptions() {
  if (!ShowOutcome(StatementRefusal(state_))) return std::nullopt;
  if (!HeightsAdjusted(state_, state_.CurrentNetIndex)) {
    const QString question = QString::fromStdString(UnadjustedQuestion(state_.Nets.NetAt(state_.CurrentNetIndex)));
    if (QMessageBox::question(this, QString::fromUtf8(kUnadjustedStamp), question, QMessageBox::Yes | QMessageBox::No,
                              QMessageBox::No) != QMessageBox::Yes)
      return std::nullopt;
  }
  DocumentOptions preset = ReadDocumentOptions(Settings(), state_.CurrentFileName);
  if (preset.title.computedOn.empty())
    preset.title.computedOn = QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")).toStdString();
  DocumentDlg dialog(this);
  const std::optional<DocumentOptions> options = dialog.Ask(preset);
  if (!options) return std::nullopt;
  // Not remembering the fields is no reason to withhold the document.
  try {
    WriteDocumentOptions(Settings(), state_.CurrentFileName, *options);
  } catch (const FileIOError& error) {
    QMessageBox::warning(this, QStringLiteral("Сведения для документа"),
                         QString::fromStdString(error.what()) + QStringLiteral(": сведения не запомнены."));
  }
  return options;
}

void TMainForm::acPrintReportExecute() {
  const std::optional<DocumentOptions> options = AskDocumentOptions();
  if (!options) return;
  PreviewReport(CurrentNetStatement(state_, StampNow(state_), *options), QStringLiteral("Печать отчёта"), this);
}

void TMainForm::acExportReportPdfExecute() {
  const std::optional<DocumentOptions> options = AskDocumentOptions();
  if (!options) return;
  const QString path =
      AskFilePath(this, Settings(), QStringLiteral("Экспорт отчёта в PDF"), QStringLiteral("Документ PDF (*.pdf)"),
                  QFileDialog::AcceptSave, QStringLiteral("pdf"));
  if (path.isEmpty()) return;
  // Shaping the text of thousands of rows takes seconds: the document, a
  // value of its own, is laid out on pages off the window's thread.
  auto document = std::make_shared<const ReportDocument>(CurrentNetStatement(state_, StampNow(state_), *options));
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

void TMainForm::acExportXlsxExecute() {
  const std::optional<DocumentOptions> options = AskDocumentOptions();
  if (!options) return;
  const QString path =
      AskFilePath(this, Settings(), QStringLiteral("Экспорт в Excel"), QStringLiteral("Книга Excel (*.xlsx)"),
                  QFileDialog::AcceptSave, QStringLiteral("xlsx"));
  if (path.isEmpty()) return;
  SaveReportXlsx(CurrentNetWorkbook(state_, StampNow(state_), *options), path.toStdString());
}

}  // namespace korvado
