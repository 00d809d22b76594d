#include "SettingsValues.h"

#include <charconv>
#include <cmath>

namespace korvado {

namespace {

std::string_view Trimmed(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The whole text as a number of type T, or nothing.
template <typename T>
std::optional<T> ParseWhole(std::string_view text) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  T value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

}  // namespace

std::optional<int> ParseSettingInteger(std::string_view text) { return ParseWhole<int>(Trimmed(text)); }

std::optional<double> ParsePositiveSetting(std::string_view text) {
  std::string written(Trimmed(text));
  for (char& c : written)
    if (c == ',') c = '.';
  const std::optional<double> value = ParseWhole<double>(written);
  if (!value || !(*value > 0.0) || !std::isfinite(*value)) return std::nullopt;
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
