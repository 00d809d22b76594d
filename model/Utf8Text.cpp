#include "Utf8Text.h"

namespace korvado {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// Length of the sequence that starts with lead byte c, or 0 when c cannot lead.
int SequenceLength(unsigned char c) {
  if (c < 0x80) return 1;
  if (c >= 0xC2 && c <= 0xDF) return 2;
  if (c >= 0xE0 && c <= 0xEF) return 3;
  if (c >= 0xF0 && c <= 0xF4) return 4;
  return 0;
}

}  // namespace

std::u32string DecodeUtf8(const std::string& text) {
  std::u32string out;
  out.reserve(text.size());
  size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const int length = SequenceLength(lead);
    bool valid = length > 0 && i + length <= text.size();
    for (int k = 1; valid && k < length; ++k) valid = IsContinuation(static_cast<unsigned char>(text[i + k]));
    if (!valid) {
      out.push_back(kReplacement);
      ++i;
      continue;
    }
    char32_t c = length == 1 ? lead : lead & (0x7F >> length);
    for (int k = 1; k < length; ++k) c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
    out.push_back(c);
    i += length;
  }
  return out;
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

std::string EncodeUtf8(const std::u32string& text) {
  std::string out;
  out.reserve(text.size());
  for (char32_t c : text) AppendUtf8(out, c);
  return out;
}

bool IsAscii(const std::string& text) {
  for (char c : text)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

size_t Utf8CharCount(const std::string& text) {
  size_t count = 0;
  for (unsigned char c : text)
    if (!IsContinuation(c)) ++count;
  return count;
}

std::string Utf8Left(const std::string& text, size_t maxChars) {
  size_t chars = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (!IsContinuation(static_cast<unsigned char>(text[i]))) {
      if (chars == maxChars) return text.substr(0, i);
      ++chars;
    }
  }
  return text;
}

char32_t FoldCase(char32_t c) {
  if (c >= U'A' && c <= U'Z') return c + 32;
  if (c >= 0x0410 && c <= 0x042F) return c + 32;  // А..Я
  if (c >= 0x0400 && c <= 0x040F) return c + 80;  // Ѐ..Џ (Ё, Ђ, Є, І, Ї, Ў ...)
  if (c == 0x0490) return 0x0491;                 // Ґ
  return c;
}

std::string FoldCase(const std::string& text) {
  std::u32string chars = DecodeUtf8(text);
  for (char32_t& c : chars) c = FoldCase(c);
  return EncodeUtf8(chars);
}

bool SameTextIgnoringCase(const std::string& a, const std::string& b) { return FoldCase(a) == FoldCase(b); }

}  // namespace korvado
