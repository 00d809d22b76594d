#pragma once
// Text placed in HTML or SVG: the characters markup reserves, escaped.

#include <string>

namespace korvado {

std::string EscapeMarkup(const std::string& text);

}  // namespace korvado
