#pragma once
// Names and notes are single lines of plain text. A control character (NUL,
// TAB, ESC, any of 0x01–0x1F, DEL) in one would break the tab-separated copy,
// make a report's markup ill-formed and reach a terminal as a command; it is
// refused where text enters and never written out.

#include <string>

namespace korvado {

bool IsControlChar(char32_t c);
bool HasControlChar(const std::string& utf8);
// "Текст «A?B» содержит управляющий символ (код 9), ...", naming the first such character.
std::string ControlCharMessage(const std::string& utf8);
// Each control character replaced by a blank: what every writer emits.
std::string WithoutControlChars(std::string utf8);

}  // namespace korvado
