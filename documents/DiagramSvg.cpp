#include "DiagramSvg.h"

#include <cmath>
#include <cstdio>

#include "FileReplace.h"
#include "LeastSquaresCommands.h"
#include "MarkupText.h"

namespace korvado {

namespace {

constexpr double kMargin = 40.0;

// Coordinates in the C locale, whatever the decimal separator of the numbers shown.
std::string Number(double x) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", x + kMargin);
  return text;
}

std::string Point(LayoutPosition p) { return Number(p.x) + "," + Number(p.y); }

std::string Arrow(const SectionCurve& curve) {
  const double c = std::cos(curve.angle), s = std::sin(curve.angle);
  auto corner = [&](double along, double across) {
    return Point({curve.middle.x + along * c - across * s, curve.middle.y + along * s + across * c});
  };
  return corner(6, 0) + " " + corner(-5, 4) + " " + corner(-5, -4);
}

// An element closed around its tooltip, which a browser shows on hovering.
std::string WithTitle(const std::string& element, const std::string& tag, const std::string& title) {
  return element + "><title>" + EscapeMarkup(title) + "</title></" + tag + ">";
}

std::string Marker(const DiagramPoint& point) {
  const LayoutPosition p = point.at;
  switch (point.kind) {
    case DiagramPointKind::Benchmark:
      return WithTitle("<polygon class=\"benchmark\" points=\"" + Point({p.x, p.y - 8}) + " " +
                           Point({p.x - 7, p.y + 5}) + " " + Point({p.x + 7, p.y + 5}) + "\"",
                       "polygon", point.tooltip);
    case DiagramPointKind::Nodal:
      return WithTitle("<circle class=\"nodal\" cx=\"" + Number(p.x) + "\" cy=\"" + Number(p.y) + "\" r=\"5\"",
                       "circle", point.tooltip);
    case DiagramPointKind::Pendent:
      break;
  }
  return WithTitle("<circle class=\"pendent\" cx=\"" + Number(p.x) + "\" cy=\"" + Number(p.y) + "\" r=\"3\"", "circle",
                   point.tooltip);
}

}  // namespace

std::string DiagramSvg(const NetDiagram& diagram) {
  std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  const std::string width = Number(diagram.width + kMargin), height = Number(diagram.height + kMargin);
  svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + width + "\" height=\"" + height + "\" viewBox=\"0 0 " +
         width + " " + height + "\">\n";
  svg += "<title>" + EscapeMarkup(diagram.title) + "</title>\n";
  svg +=
      "<style>.section{fill:none;stroke:#303030;stroke-width:1.2}.failing{stroke:#d00000;stroke-width:2}"
      ".arrow{fill:#303030}.arrow.failing{fill:#d00000;stroke:none}.spur{stroke:#606060;stroke-width:0.6}"
      ".benchmark{fill:#1f4fa0}.nodal{fill:#ffffff;stroke:#202020;stroke-width:1.5}"
      ".pendent{fill:none;stroke:#404040;stroke-width:1}text{font-family:sans-serif}"
      ".name{font-size:11px}.label{font-size:8px;fill:#505050}"
      ".suspect{stroke:#d00000;stroke-width:4.5}.arrow.suspect{fill:#d00000;stroke:none}"
      ".sigma{font-size:8px;fill:#1f4fa0}</style>\n";
  for (const DiagramSpur& spur : diagram.spurs)
    svg += "<line class=\"spur\" x1=\"" + Number(spur.from.x) + "\" y1=\"" + Number(spur.from.y) + "\" x2=\"" +
           Number(diagram.points[static_cast<size_t>(spur.pendent)].at.x) + "\" y2=\"" +
           Number(diagram.points[static_cast<size_t>(spur.pendent)].at.y) + "\"/>\n";
  for (const DiagramSection& section : diagram.sections) {
    const SectionCurve curve = CurveOf(diagram, section);
    const std::string marks = std::string(section.failing ? " failing" : "") + (section.suspect ? " suspect" : "");
    const std::string path = "<path class=\"section" + marks + "\" id=\"section" + std::to_string(section.index) +
                             "\" d=\"M" + Point(curve.start) + " C" + Point(curve.control1) + " " +
                             Point(curve.control2) + " " + Point(curve.end) + "\"";
    svg += (section.suspect ? WithTitle(path, "path", kSuspectMark) : path + "/>") + "\n";
    svg += "<polygon class=\"arrow" + marks + "\" points=\"" + Arrow(curve) + "\"/>\n";
    svg += "<text class=\"label\" x=\"" + Number(curve.middle.x + 4) + "\" y=\"" + Number(curve.middle.y - 4) + "\">" +
           EscapeMarkup(section.label) + "</text>\n";
  }
  for (const DiagramPoint& point : diagram.points) {
    svg += Marker(point) + "\n";
    svg += "<text class=\"name\" x=\"" + Number(point.at.x + 8) + "\" y=\"" + Number(point.at.y - 7) + "\">" +
           EscapeMarkup(point.name) + "</text>\n";
    if (!point.sigma.empty())
      svg += "<text class=\"sigma\" x=\"" + Number(point.at.x + 8) + "\" y=\"" + Number(point.at.y + 4) + "\">" +
             EscapeMarkup(point.sigma) + "</text>\n";
  }
  return svg + "</svg>\n";
}

void SaveDiagramSvg(const NetDiagram& diagram, const std::string& path) {
  ReplaceFileContents(path, DiagramSvg(diagram));
}

}  // namespace korvado
