#pragma once
// UTF-8 text as the program holds it: lengths count characters, not bytes.

#include <cstddef>
#include <string>

namespace korvado {

// Decodes UTF-8; a malformed byte becomes U+FFFD.
std::u32string DecodeUtf8(const std::string& text);
std::string EncodeUtf8(const std::u32string& text);
void AppendUtf8(std::string& out, char32_t codePoint);

// Whether every byte is 7-bit: such text is the same in UTF-8 and Windows-1251.
bool IsAscii(const std::string& text);
size_t Utf8CharCount(const std::string& text);
// The first maxChars characters of text.
std::string Utf8Left(const std::string& text, size_t maxChars);

// Lower case for Latin and Cyrillic letters; other characters unchanged.
char32_t FoldCase(char32_t c);
std::string FoldCase(const std::string& text);
bool SameTextIgnoringCase(const std::string& a, const std::string& b);

}  // namespace korvado
