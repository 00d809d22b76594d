#include "ControlChars.h"

#include <algorithm>

namespace korvado {

namespace {

// In UTF-8 every control character is a single byte, never part of a longer sequence.
bool IsControlByte(char c) { return IsControlChar(static_cast<unsigned char>(c)); }

}  // namespace

bool IsControlChar(char32_t c) { return c < 0x20 || c == 0x7F; }

bool HasControlChar(const std::string& utf8) { return std::any_of(utf8.begin(), utf8.end(), IsControlByte); }

std::string ControlCharMessage(const std::string& utf8) {
  const auto found = std::find_if(utf8.begin(), utf8.end(), IsControlByte);
  const int code = found == utf8.end() ? 0 : static_cast<unsigned char>(*found);
  return "Текст «" + WithoutControlChars(utf8) + "» содержит управляющий символ (код " + std::to_string(code) +
         "), а в именах и примечаниях допустимы только печатные символы.";
}

std::string WithoutControlChars(std::string utf8) {
  std::replace_if(utf8.begin(), utf8.end(), IsControlByte, ' ');
  return utf8;
}

}  // namespace korvado
