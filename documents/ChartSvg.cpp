#include "ChartSvg.h"

#include <cstdio>

#include "MarkupText.h"

namespace korvado {

namespace {

std::string Number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", value);
  return text;
}

std::string Points(const ChartPolyline& line) {
  std::string text;
  for (const auto& [x, y] : line) text += (text.empty() ? "" : " ") + Number(x) + "," + Number(y);
  return text;
}

std::string Text(const ChartText& text, const char* fill) {
  const char* anchor = text.anchor == ChartText::Anchor::kStart ? "start"
                       : text.anchor == ChartText::Anchor::kMiddle ? "middle"
                                                                   : "end";
  std::string element = "<text x=\"" + Number(text.x) + "\" y=\"" + Number(text.y) + "\" font-size=\"" +
                        Number(text.size) + "\" text-anchor=\"" + anchor + "\" fill=\"" + fill + "\"";
  if (text.vertical) element += " transform=\"rotate(-90 " + Number(text.x) + " " + Number(text.y) + ")\"";
  return element + ">" + EscapeMarkup(text.text) + "</text>\n";
}

}  // namespace

std::string ChartSvg(const Chart& chart, double width, double height) {
  const ChartDrawing d = LayOutChart(chart, width, height);
  std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + Number(width) + "\" height=\"" +
                    Number(height) + "\" viewBox=\"0 0 " + Number(width) + " " + Number(height) +
                    "\" font-family=\"sans-serif\">\n<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n";
  for (const ChartPolyline& line : d.grid)
    svg += "<polyline points=\"" + Points(line) + "\" fill=\"none\" stroke=\"#d0d0d0\" stroke-width=\"0.8\"/>\n";
  for (const auto& [band, colour] : d.bands)
    svg += "<polygon points=\"" + Points(band) + "\" fill=\"" + ChartColour(colour) + "\" fill-opacity=\"0.18\"/>\n";
  for (const auto& [bar, colour] : d.bars)
    svg += "<rect x=\"" + Number(bar.x) + "\" y=\"" + Number(bar.y) + "\" width=\"" + Number(bar.width) +
           "\" height=\"" + Number(bar.height) + "\" fill=\"" + ChartColour(colour) + "\"/>\n";
  for (const auto& [line, colour] : d.lines)
    svg += "<polyline points=\"" + Points(line) + "\" fill=\"none\" stroke=\"" + ChartColour(colour) +
           "\" stroke-width=\"1.6\"/>\n";
  for (const auto& [centre, colour] : d.markers)
    svg += "<circle cx=\"" + Number(centre.first) + "\" cy=\"" + Number(centre.second) + "\" r=\"2.5\" fill=\"" +
           ChartColour(colour) + "\"/>\n";
  svg += "<rect x=\"" + Number(d.plot.x) + "\" y=\"" + Number(d.plot.y) + "\" width=\"" + Number(d.plot.width) +
         "\" height=\"" + Number(d.plot.height) + "\" fill=\"none\" stroke=\"black\" stroke-width=\"0.8\"/>\n";
  for (const auto& [text, colour] : d.legend) {
    svg += "<rect x=\"" + Number(text.x - text.size * 1.2) + "\" y=\"" + Number(text.y - text.size * 0.7) +
           "\" width=\"" + Number(text.size * 0.9) + "\" height=\"" + Number(text.size * 0.7) + "\" fill=\"" +
           ChartColour(colour) + "\"/>\n";
    svg += Text(text, "black");
  }
  for (const ChartText& text : d.texts) svg += Text(text, "black");
  return svg + "</svg>\n";
}

}  // namespace korvado
