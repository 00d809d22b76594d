#pragma once
// Reads a written .xlsx back for the tests: a zip of XML parts, read part by
// part with zlib, and the cells of each sheet with their value, whether they
// are numbers and their number format. Only what the program's own writer
// produces is understood (sheets in workbook order, shared or inline strings).

#include <map>
#include <string>
#include <vector>

namespace korvado {

struct WorkbookCell {
  std::string value;    // the text, or the number as the file holds it
  bool number = false;  // stored as a number, not as text
  std::string format;   // the number format code ("0.0000"), "General" when none
  bool bold = false;
};

struct WorkbookSheetContents {
  std::string name;
  std::map<std::string, WorkbookCell> cells;  // by reference: "A1", "C12"
  std::string xml;                            // the sheet part, for the pane and column checks
  const WorkbookCell* At(const std::string& reference) const;
};

// Every part of the zip file by name; a damaged file fails the test that reads it.
std::map<std::string, std::string> ReadZipParts(const std::string& path);

std::vector<WorkbookSheetContents> ReadWorkbook(const std::string& path);

}  // namespace korvado
