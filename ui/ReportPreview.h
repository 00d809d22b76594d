#pragma once
// The print preview of a report document: the pages as the printer will lay
// them out, printed from the preview's own button.

#include <QString>

class QWidget;

namespace korvado {

struct ReportDocument;

void PreviewReport(const ReportDocument& document, const QString& windowTitle, QWidget* parent);

}  // namespace korvado
