#include "JsonRow.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <nlohmann/json.hpp>

namespace korvado::cli {

namespace {

void AppendIndent(std::string& text, int depth) { text.append(static_cast<size_t>(2 * depth), ' '); }

// The escape nlohmann writes for a byte of a string, none for a byte written as it is.
std::string_view EscapeOf(unsigned char byte, std::array<char, 7>& buffer) {
  switch (byte) {
    case '"':
      return "\\\"";
    case '\\':
      return "\\\\";
    case '\b':
      return "\\b";
    case '\f':
      return "\\f";
    case '\n':
      return "\\n";
    case '\r':
      return "\\r";
    case '\t':
      return "\\t";
    default:
      break;
  }
  if (byte >= 0x20) return {};
  static constexpr char kHex[] = "0123456789abcdef";
  buffer = {'\\', 'u', '0', '0', kHex[byte >> 4], kHex[byte & 0xf], '\0'};
  return {buffer.data(), 6};
}

bool NeedsEscape(std::string_view value) {
  return std::any_of(value.begin(), value.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == '"' || byte == '\\';
  });
}

}  // namespace

void AppendJsonString(std::string& text, std::string_view value) {
  text += '"';
  // Names hardly ever hold a byte to escape: copied whole then.
  if (!NeedsEscape(value)) {
    text.append(value) += '"';
    return;
  }
  std::array<char, 7> buffer{};
  size_t plain = 0;  // start of the bytes not yet copied
  for (size_t k = 0; k < value.size(); ++k) {
    const std::string_view escape = EscapeOf(static_cast<unsigned char>(value[k]), buffer);
    if (escape.empty()) continue;
    text.append(value.substr(plain, k - plain)).append(escape);
    plain = k + 1;
  }
  text.append(value.substr(plain)) += '"';
}

void AppendJsonNumber(std::string& text, double value) {
  if (!std::isfinite(value)) {
    text += "null";
    return;
  }
  // The very conversion nlohmann's serializer uses for a double, so that a
  // row reads the same as the tree it replaces.
  std::array<char, 64> digits{};
  const char* end = nlohmann::detail::to_chars(digits.data(), digits.data() + digits.size(), value);
  text.append(digits.data(), static_cast<size_t>(end - digits.data()));
}

JsonRow::JsonRow(std::string& text, int depth) : text_(text), depth_(depth) {
  AppendIndent(text_, depth_);
  text_ += '{';
}

void JsonRow::Key(std::string_view key) {
  // The separator, the indent, the key and ": " in one piece: a row is mostly
  // keys. The keys are the program's own words, with nothing to escape.
  std::array<char, 128> piece;
  const size_t indent = static_cast<size_t>(2 * (depth_ + 1));
  const size_t size = (empty_ ? 1 : 2) + indent + key.size() + 4;
  if (size > piece.size()) {
    text_.append(empty_ ? "\n" : ",\n").append(indent, ' ').append(1, '"').append(key).append("\": ");
  } else {
    char* end = piece.data();
    if (!empty_) *end++ = ',';
    *end++ = '\n';
    end = std::fill_n(end, indent, ' ');
    *end++ = '"';
    end = std::copy(key.begin(), key.end(), end);
    end = std::copy_n("\": ", 3, end);
    text_.append(piece.data(), static_cast<size_t>(end - piece.data()));
  }
  empty_ = false;
}

JsonRow& JsonRow::Text(std::string_view key, std::string_view value) {
  Key(key);
  AppendJsonString(text_, value);
  return *this;
}

JsonRow& JsonRow::Number(std::string_view key, double value) {
  Key(key);
  AppendJsonNumber(text_, value);
  return *this;
}

JsonRow& JsonRow::NumberOrNull(std::string_view key, const std::optional<double>& value) {
  Key(key);
  if (value)
    AppendJsonNumber(text_, *value);
  else
    text_ += "null";
  return *this;
}

JsonRow& JsonRow::Integer(std::string_view key, int64_t value) {
  Key(key);
  text_ += std::to_string(value);
  return *this;
}

JsonRow& JsonRow::Boolean(std::string_view key, bool value) {
  Key(key);
  text_ += value ? "true" : "false";
  return *this;
}

void JsonRow::End() {
  if (!empty_) {
    text_ += '\n';
    AppendIndent(text_, depth_);
  }
  text_ += '}';
}

}  // namespace korvado::cli
