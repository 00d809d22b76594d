#pragma once
// The adjustment statement and catalogue of heights of one net, as a report
// document: title block, summary, benchmarks, sections, catalogue.

#include <cstdint>
#include <optional>
#include <string>

#include "AppState.h"
#include "ReportDocument.h"

namespace korvado {

inline constexpr const char* kTitlePart = "Общие сведения";
inline constexpr const char* kSummaryPart = "Сводка";
inline constexpr const char* kBenchmarksPart = "Исходные реперы";
inline constexpr const char* kSectionsPart = "Звенья";
inline constexpr const char* kCataloguePart = "Каталог высот";

struct ReportStamp {
  std::string fileName;   // empty for data never saved
  std::string createdAt;  // as the title block shows it
};

// Now, in local time, for the title block.
ReportStamp StampNow(const AppState& state);

// The statement of net `net` (an index the caller has checked). `sweeps` is
// the number of sweeps run in this session, 0 when unknown.
ReportDocument AdjustmentStatement(const TKorNet& net, const ReportStamp& stamp, uint64_t sweeps);

// «Печать отчёта» and «Экспорт отчёта в PDF»: the statement of the current
// net, stamped now, or nothing after a message when no net is selected.
std::optional<ReportDocument> CurrentNetStatement(const AppState& state);

}  // namespace korvado
