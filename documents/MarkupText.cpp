#include "MarkupText.h"

#include "ControlChars.h"

namespace korvado {

std::string EscapeMarkup(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        // XML has no place for control characters, not even escaped.
        out += IsControlChar(static_cast<unsigned char>(c)) ? ' ' : c;
    }
  }
  return out;
}

}  // namespace korvado
