#pragma once
// «Ведомость осадок»: the object, its cycles with their dates, the reference
// benchmarks and their stability, the marks' settlements and the two plots, as
// a report document that the page painter, the printer and the web page lay out.

#include "AdjustmentStatement.h"
#include "MonitoringComputation.h"
#include "ReportDocument.h"

namespace korvado {

inline constexpr const char* kSettlementTitle = "Ведомость осадок";
inline constexpr const char* kCyclesPart = "Циклы наблюдений";
inline constexpr const char* kStabilityPart = "Устойчивость исходных реперов";
inline constexpr const char* kReferenceShiftsPart = "Смещения исходных реперов";
inline constexpr const char* kMarksPart = "Осадки марок";
inline constexpr const char* kMarkCyclesPart = "Осадки марок по циклам";
inline constexpr const char* kSettlementPlotPart = "График осадок";
inline constexpr const char* kTotalPlotPart = "Общая осадка марок";

// So many marks' lines can still be told apart in one plot of the statement.
inline constexpr size_t kStatementPlotMarks = 8;


// stamp.fileName is the project file.
ReportDocument SettlementStatement(const MonitoringResult& result, const ReportStamp& stamp);

}  // namespace korvado
