#pragma once
// Text placed in HTML or SVG: the characters markup reserves, escaped;
// control characters, which XML cannot hold, become blanks.

#include <string>

namespace korvado {

std::string EscapeMarkup(const std::string& text);

}  // namespace korvado
