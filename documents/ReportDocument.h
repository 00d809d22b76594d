#pragma once
// A printed report as plain data: headed parts, each with facts (label and
// value), at most one table and at most one picture (the net diagram). The writers (web page, PDF, print) only lay it
// out, so every output says the same thing.

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace korvado {

struct NetDiagram;

struct ReportColumn {
  std::string title;
  bool numeric = false;  // numbers are right-aligned
  bool wrap = false;     // long text (a loop's points) wraps instead of widening the table
};

struct ReportTable {
  std::vector<ReportColumn> columns;
  std::vector<std::vector<std::string>> rows;
  // Rows set in bold, such as a section suspected of a blunder.
  std::vector<size_t> strongRows;

  bool IsStrong(size_t row) const;
};

struct ReportPart {
  std::string heading;
  std::vector<std::pair<std::string, std::string>> facts;
  std::optional<ReportTable> table;
  std::shared_ptr<const NetDiagram> diagram;
  std::vector<std::string> notes;
};

struct ReportDocument {
  std::string title;
  // A warning every page carries when not empty (heights not adjusted).
  std::string stamp;
  std::vector<ReportPart> parts;

  // The part under that heading, or nullptr.
  const ReportPart* Part(const std::string& heading) const;
};

}  // namespace korvado
