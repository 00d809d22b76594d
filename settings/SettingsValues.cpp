#include "SettingsValues.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "NumberText.h"

namespace korvado {

std::string_view TrimmedSetting(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

std::optional<int> ParseSettingInteger(std::string_view text) {
  return TryParseInteger(std::string(TrimmedSetting(text)));
}

std::optional<double> ParsePositiveSetting(std::string_view text) {
  // "." or "," whatever the user's separator: the file is the same on every machine.
  std::string_view written = TrimmedSetting(text);
  if (!written.empty() && written.front() == '+') written.remove_prefix(1);
  std::string point(written);
  std::replace(point.begin(), point.end(), ',', '.');
  double value = 0.0;
  const auto [end, error] = std::from_chars(point.data(), point.data() + point.size(), value);
  if (point.empty() || error != std::errc() || end != point.data() + point.size()) return std::nullopt;
  if (!(value > 0.0) || !std::isfinite(value)) return std::nullopt;
  return value;
}

int ReadSettingInteger(const SettingsReader& settings, const std::string& section, const std::string& key,
                       int defaultValue) {
  const std::optional<std::string> text = settings.Text(section, key);
  return text ? ParseSettingInteger(*text).value_or(defaultValue) : defaultValue;
}

bool ReadSettingBool(const SettingsReader& settings, const std::string& section, const std::string& key,
                     bool defaultValue) {
  return ReadSettingInteger(settings, section, key, defaultValue ? 1 : 0) != 0;
}

double ReadPositiveSetting(const SettingsReader& settings, const std::string& section, const std::string& key,
                           double defaultValue) {
  const std::optional<std::string> text = settings.Text(section, key);
  return text ? ParsePositiveSetting(*text).value_or(defaultValue) : defaultValue;
}

void WriteSettingInteger(SettingsWriter& settings, const std::string& section, const std::string& key, int value) {
  settings.WriteText(section, key, std::to_string(value));
}

void WriteSettingBool(SettingsWriter& settings, const std::string& section, const std::string& key, bool value) {
  WriteSettingInteger(settings, section, key, value ? 1 : 0);
}

void WriteSettingDouble(SettingsWriter& settings, const std::string& section, const std::string& key, double value) {
  // to_chars, not printf: Qt sets the user's C locale, whose point may be a comma.
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 15).ptr;
  settings.WriteText(section, key, std::string(text, end));
}

}  // namespace korvado
