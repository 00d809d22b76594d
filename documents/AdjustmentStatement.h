#pragma once
// The adjustment statement and catalogue of heights of one net, as a report
// document: title block, summary, benchmarks, the net diagram, sections,
// loops and lines, catalogue. The parts of the least-squares adjustment and
// of the loops appear only when their figures exist.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "AppState.h"
#include "DocumentOptions.h"
#include "LoopCommands.h"
#include "NetDiagram.h"
#include "Outcome.h"
#include "ReportDocument.h"

namespace korvado {

inline constexpr const char* kTitlePart = "Общие сведения";
inline constexpr const char* kSummaryPart = "Сводка";
inline constexpr const char* kBenchmarksPart = "Исходные реперы";
inline constexpr const char* kDiagramPart = "Схема сети";
inline constexpr const char* kSectionsPart = "Звенья";
inline constexpr const char* kLoopsPart = "Невязки полигонов и линий";
inline constexpr const char* kCataloguePart = "Каталог высот";
inline constexpr const char* kSignaturesPart = "Подписи";

// What every page of a statement of heights that are not adjusted says.
inline constexpr const char* kUnadjustedStamp = "Отметки не уравнены";

struct ReportStamp {
  std::string fileName;   // empty for data never saved
  std::string createdAt;  // as the title block shows it
};

// Now, in local time, for the title block of the document of a file.
ReportStamp StampNow(const std::string& fileName);
ReportStamp StampNow(const AppState& state);

// A diagram of more points is left out of the report: drawn on one sheet its
// names could not be read, and laying it out would hold the report up.
inline constexpr size_t kReportDiagramPointLimit = 1200;

// What the statement tells besides the net itself; a part whose figures are
// missing is left out.
struct StatementResults {
  uint64_t sweeps = 0;                               // run in this session, 0 when unknown
  const LeastSquaresResult* leastSquares = nullptr;  // only a result that belongs to the net as it is
  const LoopsView* loops = nullptr;
  std::shared_ptr<const NetDiagram> diagram;
  size_t diagramPoints = 0;     // of a diagram too large to include
  bool heightsAdjusted = true;  // otherwise every page carries kUnadjustedStamp
};

ReportDocument AdjustmentStatement(const TKorNet& net, const ReportStamp& stamp, const StatementResults& results,
                                   const DocumentOptions& options = {});

// A spreadsheet has no room for the picture; its layout would only cost time.
enum class StatementDiagram { kIncluded, kLeftOut };

// The statement of the current net (which must exist) with every result the
// state holds for it: the sweeps, the least-squares result while still valid,
// the loops against the state's tolerance, the diagram, and whether its
// heights are adjusted (HeightsAdjusted).
ReportDocument CurrentNetStatement(const AppState& state, const ReportStamp& stamp, const DocumentOptions& options = {},
                                   StatementDiagram diagram = StatementDiagram::kIncluded);

// Why no statement of the current net can be made: none is selected, or the
// net holds a value no computation takes (naming it). Nothing when one can.
Outcome StatementRefusal(const AppState& state);

// The question the window asks before a document of heights that are not
// adjusted; its answer «Да» goes on with the stamped document.
std::string UnadjustedQuestion(const TKorNet& net);
// Why korvado-cli writes no such document without --draft.
std::string UnadjustedRefusal(const TKorNet& net);

}  // namespace korvado
