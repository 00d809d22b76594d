#pragma once
// The adjustment statement as a workbook for a spreadsheet program: the
// summary, the sections, the loops and lines, the catalogue and, where the
// least-squares figures exist, the accuracy of every section.

#include <optional>

#include "AdjustmentStatement.h"
#include "ReportXlsx.h"

namespace korvado {

inline constexpr const char* kSummarySheet = "Сводка";
inline constexpr const char* kSectionsSheet = "Звенья";
inline constexpr const char* kLoopsSheet = "Невязки";
inline constexpr const char* kCatalogueSheet = "Каталог";
inline constexpr const char* kAccuracySheet = "Точность";

// The sheets of a statement; `accuracy` is the table of the «Точность» sheet.
ReportWorkbook StatementWorkbook(const ReportDocument& statement, const std::optional<WorkbookSheet>& accuracy);

// Per section of the net: n, v, rᵢ, wᵢ and the mark of the least-squares result.
WorkbookSheet AccuracySheet(const TKorNet& net, const LeastSquaresResult& result);

// «Экспорт в Excel (.xlsx)...»: the workbook of the current net (which must
// exist) with every figure the state holds for it.
ReportWorkbook CurrentNetWorkbook(const AppState& state, const ReportStamp& stamp, const DocumentOptions& options);

}  // namespace korvado
