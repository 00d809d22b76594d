#include "ReportHtml.h"

#include "DiagramSvg.h"
#include "MarkupText.h"

namespace korvado {

namespace {

const char* Align(const ReportColumn& column) { return column.numeric ? " align=\"right\"" : ""; }

void AppendTable(std::string& html, const ReportTable& table) {
  html += "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n<thead><tr>";
  for (const ReportColumn& column : table.columns)
    html += "<th" + std::string(Align(column)) + ">" + EscapeMarkup(column.title) + "</th>";
  html += "</tr></thead>\n<tbody>\n";
  for (size_t r = 0; r < table.rows.size(); ++r) {
    const std::vector<std::string>& row = table.rows[r];
    html += table.IsStrong(r) ? "<tr class=\"strong\">" : "<tr>";
    for (size_t c = 0; c < row.size() && c < table.columns.size(); ++c)
      html += "<td" + std::string(Align(table.columns[c])) + ">" + EscapeMarkup(row[c]) + "</td>";
    html += "</tr>\n";
  }
  html += "</tbody></table>\n";
}

void AppendPart(std::string& html, const ReportPart& part) {
  html += "<h2>" + EscapeMarkup(part.heading) + "</h2>\n";
  if (!part.facts.empty()) {
    html += "<table cellspacing=\"0\" cellpadding=\"2\">\n";
    for (const auto& [label, value] : part.facts)
      html += "<tr><td>" + EscapeMarkup(label) + ":</td><td><b>" + EscapeMarkup(value) + "</b></td></tr>\n";
    html += "</table>\n";
  }
  if (part.diagram) {
    // The SVG document inline, without its XML declaration.
    const std::string svg = DiagramSvg(*part.diagram);
    const size_t start = svg.find("<svg");
    html += "<div class=\"diagram\">\n" + svg.substr(start == std::string::npos ? 0 : start) + "</div>\n";
  }
  if (part.table) AppendTable(html, *part.table);
  for (const std::string& note : part.notes) html += "<p><i>" + EscapeMarkup(note) + "</i></p>\n";
}

}  // namespace

std::string ReportHtml(const ReportDocument& document) {
  std::string html = "<!DOCTYPE html>\n<html lang=\"ru\">\n<head>\n<meta charset=\"utf-8\">\n<title>" +
                     EscapeMarkup(document.title) +
                     "</title>\n<style>\nbody { font-family: sans-serif; font-size: 10pt; }\n"
                     "table { border-collapse: collapse; }\nth { background: #e8e8e8; }\n"
                     "thead { display: table-header-group; }\ntr { page-break-inside: avoid; }\n"
                     ".diagram svg { max-width: 100%; height: auto; }\ntr.strong { font-weight: bold; }\n"
                     // Fixed, the stamp is printed on every page.
                     ".stamp { color: #c80000; font-weight: bold; font-size: 12pt; }\n"
                     "@media print { .stamp { position: fixed; top: 0; right: 0; } }\n</style>\n</head>\n<body>\n<h1>" +
                     EscapeMarkup(document.title) + "</h1>\n";
  if (!document.stamp.empty()) html += "<p class=\"stamp\">" + EscapeMarkup(document.stamp) + "</p>\n";
  for (const ReportPart& part : document.parts) AppendPart(html, part);
  html += "</body>\n</html>\n";
  return html;
}

}  // namespace korvado
