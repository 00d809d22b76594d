#include "Windows1251.h"

#include <array>

#include "ModelErrors.h"
#include "Utf8Text.h"

namespace korvado {

namespace {

// Bytes 0x80..0xBF; 0xC0..0xFF are А..я in order. 0x98 has no character in
// the code page and is kept as U+0098 so that every byte reads back as it was.
constexpr std::array<char32_t, 64> kUpperHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039, 0x040A,
    0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x0098, 0x2122,
    0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6,
    0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456,
    0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
};

}  // namespace

std::optional<unsigned char> Windows1251Byte(char32_t c) {
  if (c < 0x80) return static_cast<unsigned char>(c);
  if (c >= 0x0410 && c <= 0x044F) return static_cast<unsigned char>(c - 0x0410 + 0xC0);
  for (size_t i = 0; i < kUpperHalf.size(); ++i)
    if (kUpperHalf[i] == c) return static_cast<unsigned char>(0x80 + i);
  return std::nullopt;
}

char32_t Windows1251Char(unsigned char byte) {
  if (byte < 0x80) return byte;
  if (byte >= 0xC0) return 0x0410 + (byte - 0xC0);
  return kUpperHalf[byte - 0x80];
}

std::string FirstCharNotInWindows1251(const std::string& utf8) {
  for (char32_t c : DecodeUtf8(utf8)) {
    if (!Windows1251Byte(c)) {
      std::string out;
      AppendUtf8(out, c);
      return out;
    }
  }
  return {};
}

bool CanEncodeWindows1251(const std::string& utf8) { return FirstCharNotInWindows1251(utf8).empty(); }

std::string NotInWindows1251Message(const std::string& utf8) {
  return "Символ \"" + FirstCharNotInWindows1251(utf8) + "\" нельзя сохранить в файле данных (кодировка Windows-1251).";
}

std::string EncodeWindows1251(const std::string& utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (char32_t c : DecodeUtf8(utf8)) {
    const auto byte = Windows1251Byte(c);
    if (!byte) throw EncodingError(NotInWindows1251Message(utf8));
    out += static_cast<char>(*byte);
  }
  return out;
}

std::string DecodeWindows1251(const std::string& bytes) {
  std::string out;
  out.reserve(bytes.size() * 2);
  for (unsigned char b : bytes) AppendUtf8(out, Windows1251Char(b));
  return out;
}

}  // namespace korvado
