#pragma once
// Conversion between the program's UTF-8 text and the single-byte
// Windows-1251 code page of the data file.

#include <optional>
#include <string>

namespace korvado {

// The byte for a character, or nothing when the code page has none.
std::optional<unsigned char> Windows1251Byte(char32_t c);
char32_t Windows1251Char(unsigned char byte);

bool CanEncodeWindows1251(const std::string& utf8);
// The first character of utf8 that the code page cannot hold, as UTF-8; empty when all can.
std::string FirstCharNotInWindows1251(const std::string& utf8);

// Raises EncodingError for a character the code page cannot hold.
std::string EncodeWindows1251(const std::string& utf8);
std::string DecodeWindows1251(const std::string& bytes);

// The message shown when typed or pasted text holds such a character.
std::string NotInWindows1251Message(const std::string& utf8);

}  // namespace korvado
