#include "StatementWorkbook.h"

#include "LeastSquaresCommands.h"
#include "LoopCommands.h"
#include "NumberText.h"

namespace korvado {

namespace {

// The facts of the parts that hold no table, as rows of two columns.
WorkbookSheet SummarySheet(const ReportDocument& statement) {
  WorkbookSheet sheet{kSummarySheet, {{{"Показатель", false}, {"Значение", false}}, {}, {}}, {}};
  for (const char* heading : {kTitlePart, kSummaryPart, kSignaturesPart})
    if (const ReportPart* part = statement.Part(heading)) {
      for (const auto& [label, value] : part->facts) sheet.table.rows.push_back({label, value});
      sheet.notes.insert(sheet.notes.end(), part->notes.begin(), part->notes.end());
    }
  return sheet;
}

WorkbookSheet TableSheet(const ReportDocument& statement, const char* heading, const char* name) {
  WorkbookSheet sheet{name, {}, {}};
  if (const ReportPart* part = statement.Part(heading)) {
    if (part->table) sheet.table = *part->table;
    sheet.notes = part->notes;
  }
  return sheet;
}

}  // namespace

ReportWorkbook StatementWorkbook(const ReportDocument& statement, const std::optional<WorkbookSheet>& accuracy) {
  ReportWorkbook workbook;
  workbook.stamp = statement.stamp;
  workbook.sheets.push_back(SummarySheet(statement));
  workbook.sheets.push_back(TableSheet(statement, kSectionsPart, kSectionsSheet));
  WorkbookSheet loops = TableSheet(statement, kLoopsPart, kLoopsSheet);
  if (loops.table.columns.empty()) {
    for (const std::string& title : LoopColumnTitles()) loops.table.columns.push_back({title, false});
    loops.notes.push_back("Полигонов и линий между реперами в сети нет.");
  }
  workbook.sheets.push_back(std::move(loops));
  workbook.sheets.push_back(TableSheet(statement, kCataloguePart, kCatalogueSheet));
  if (accuracy) workbook.sheets.push_back(*accuracy);
  return workbook;
}

WorkbookSheet AccuracySheet(const TKorNet& net, const LeastSquaresResult& result) {
  WorkbookSheet sheet{kAccuracySheet,
                      {{{"№", true},
                        {"Начало", false},
                        {"Конец", false},
                        {"Штативов", true},
                        {"Поправка v, мм", true},
                        {"rᵢ", true},
                        {"wᵢ", true},
                        {"Контроль", false}},
                       {},
                       {}},
                      {}};
  for (int32_t s = 0; s < net.SectionCount() && static_cast<size_t>(s) < result.sections.size(); ++s) {
    const LeastSquaresSection& section = result.sections[static_cast<size_t>(s)];
    sheet.table.rows.push_back({std::to_string(s + 1), net.SectionStarts[s], net.SectionEnds[s],
                                FormatGeneral(section.setups), FormatFixed(2, section.residual),
                                FormatFixed(2, section.redundancy), OptionalFixed(2, section.w), SectionMark(section)});
    if (section.suspect) sheet.table.strongRows.push_back(static_cast<size_t>(s));
  }
  sheet.notes.push_back("σ₀ априори (1 штатив): " + FormatGeneral(result.sigma0Apriori) + " мм; σ₀ апостериори: " +
                        OptionalFixed(2, result.sigma0) + " мм; " + ChiSquareVerdict(result) + ".");
  sheet.notes.push_back("rᵢ — число избыточности звена; wᵢ — нормированная поправка, критическое значение " +
                        FormatFixed(2, kCriticalW) + ".");
  return sheet;
}

ReportWorkbook CurrentNetWorkbook(const AppState& state, const ReportStamp& stamp, const DocumentOptions& options) {
  const LeastSquaresResult* kept = KeptLeastSquares(state, state.CurrentNetIndex);
  std::optional<WorkbookSheet> accuracy;
  if (kept) accuracy = AccuracySheet(state.Nets.NetAt(state.CurrentNetIndex), *kept);
  return StatementWorkbook(CurrentNetStatement(state, stamp, options, StatementDiagram::kLeftOut), accuracy);
}

}  // namespace korvado
