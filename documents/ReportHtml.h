#pragma once
// A report document as one self-contained web page (UTF-8); a browser's print
// repeats each table's <thead> on every page.

#include <string>

#include "ReportDocument.h"

namespace korvado {

std::string ReportHtml(const ReportDocument& document);

}  // namespace korvado
