#pragma once
// A chart as an SVG element, for the web page of a document.

#include <string>

#include "Chart.h"

namespace korvado {

std::string ChartSvg(const Chart& chart, double width = 720.0, double height = 400.0);

}  // namespace korvado
