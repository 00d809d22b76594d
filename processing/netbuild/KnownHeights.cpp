#include "KnownHeights.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <unordered_map>

#include "Utf8Text.h"
#include "Windows1251.h"

namespace korvado {

namespace {

constexpr const char* kByteOrderMark = "\xEF\xBB\xBF";
constexpr const char* kReplacementCharacter = "\xEF\xBF\xBD";

bool IsUtf8(const std::string& text) {
  return text.find(kReplacementCharacter) != std::string::npos ||
         EncodeUtf8(DecodeUtf8(text)).find(kReplacementCharacter) == std::string::npos;
}

std::string AsUtf8(const std::string& text) {
  if (text.rfind(kByteOrderMark, 0) == 0) return text.substr(3);
  return IsUtf8(text) ? text : DecodeWindows1251(text);
}

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return {};
  const std::string inner = text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
  // A spreadsheet saving CSV may quote its cells.
  if (inner.size() >= 2 && inner.front() == '"' && inner.back() == '"') return inner.substr(1, inner.size() - 2);
  return inner;
}

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  size_t from = 0;
  while (true) {
    const size_t at = text.find(separator, from);
    parts.push_back(text.substr(from, at == std::string::npos ? std::string::npos : at - from));
    if (at == std::string::npos) break;
    from = at + 1;
  }
  return parts;
}

std::vector<std::string> SplitFields(const std::string& line, char separator) {
  std::vector<std::string> fields = Split(line, separator);
  for (std::string& field : fields) field = Trimmed(field);
  return fields;
}

// A tab or a semicolon, when the line has one, separates the fields
// (names may then hold blanks); otherwise blanks do.
std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  if (line.find('\t') != std::string::npos) {
    fields = SplitFields(line, '\t');
  } else if (line.find(';') != std::string::npos) {
    fields = SplitFields(line, ';');
  } else {
    for (std::string field : SplitFields(line, ' '))
      if (!field.empty()) fields.push_back(field);
  }
  while (!fields.empty() && fields.back().empty()) fields.pop_back();
  return fields;
}

std::optional<double> Elevation(std::string text) {
  for (char& c : text)
    if (c == ',') c = '.';
  const char* first = text.data() + (text.rfind('+', 0) == 0 ? 1 : 0);
  const char* last = text.data() + text.size();
  double value = 0.0;
  const auto [stop, error] = std::from_chars(first, last, value, std::chars_format::fixed);
  if (first == last || error != std::errc() || stop != last || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::optional<KnownHeight> HeightOf(const std::string& line) {
  const std::vector<std::string> fields = Fields(line);
  if (fields.size() != 2 || fields[0].empty()) return std::nullopt;
  const std::optional<double> elevation = Elevation(fields[1]);
  if (!elevation) return std::nullopt;
  return KnownHeight{fields[0], *elevation};
}

std::string LineRefusal(size_t number, const std::string& line) {
  return "Строка " + std::to_string(number) + " «" + Trimmed(line) +
         "» не прочитана: в строке должны быть название точки и ее отметка через табуляцию, точку с запятой или "
         "пробелы.";
}

}  // namespace

Result<std::vector<KnownHeight>> ReadKnownHeights(const std::string& text) {
  const std::string utf8 = AsUtf8(text);
  std::vector<KnownHeight> heights;
  std::unordered_map<std::string, size_t> lineOf;
  Outcome refusals;
  bool first = true;
  size_t number = 0;
  for (const std::string& line : Split(utf8, '\n')) {
    ++number;
    if (Fields(line).empty()) continue;
    const std::optional<KnownHeight> height = HeightOf(line);
    const bool header = first;
    first = false;
    if (!height) {
      if (!header) refusals.Refuse(LineRefusal(number, line));
      continue;
    }
    const auto [at, added] = lineOf.try_emplace(height->name, heights.size());
    if (added) {
      heights.push_back(*height);
    } else if (heights[at->second].elevation != height->elevation) {
      refusals.Refuse("Строка " + std::to_string(number) + ": точка «" + height->name +
                      "» уже встречалась с другой отметкой.");
    }
  }
  if (refusals.Refused()) return refusals;
  if (heights.empty()) return Outcome::Refusal("В тексте нет ни одной строки с названием точки и отметкой.");
  return heights;
}

}  // namespace korvado
