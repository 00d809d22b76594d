#pragma once
// A printed report as plain data: headed parts, each with facts (label and
// value) and at most one table. The writers (web page, PDF, print) only lay it
// out, so every output says the same thing.

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace korvado {

struct ReportColumn {
  std::string title;
  bool numeric = false;  // numbers are right-aligned
};

struct ReportTable {
  std::vector<ReportColumn> columns;
  std::vector<std::vector<std::string>> rows;
};

struct ReportPart {
  std::string heading;
  std::vector<std::pair<std::string, std::string>> facts;
  std::optional<ReportTable> table;
  std::vector<std::string> notes;
};

struct ReportDocument {
  std::string title;
  std::vector<ReportPart> parts;

  // The part under that heading, or nullptr.
  const ReportPart* Part(const std::string& heading) const;
};

}  // namespace korvado
