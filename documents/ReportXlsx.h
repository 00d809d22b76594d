#pragma once
// A report as a spreadsheet workbook (.xlsx): one sheet per table, its header
// row frozen, numbers stored as numbers in the number format the document
// shows them with, columns as wide as their text, notes under the table.

#include <string>
#include <vector>

#include "ReportDocument.h"

namespace korvado {

struct WorkbookSheet {
  std::string name;
  ReportTable table;
  std::vector<std::string> notes;
};

struct ReportWorkbook {
  // A warning that heads every sheet when not empty («Отметки не уравнены»).
  std::string stamp;
  std::vector<WorkbookSheet> sheets;
};

// The bytes of the .xlsx file; FileIOError when the temporary file it is
// built in cannot be written.
std::string ReportXlsx(const ReportWorkbook& workbook);

// Writes the workbook to path whole, or not at all (FileIOError names the file and the reason).
void SaveReportXlsx(const ReportWorkbook& workbook, const std::string& path);

}  // namespace korvado
