#pragma once
// The net diagram as an SVG document: one path per section, every point's
// name as text. Written without a windowing library, so the command line
// draws the same picture as the window.

#include <string>

#include "NetDiagram.h"

namespace korvado {

std::string DiagramSvg(const NetDiagram& diagram);

// Writes the SVG document to path whole, or leaves the file as it was
// (FileIOError names the file and the reason).
void SaveDiagramSvg(const NetDiagram& diagram, const std::string& path);

}  // namespace korvado
