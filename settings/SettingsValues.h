#pragma once
// Korvado.ini seen as text under [section] key. The windows read and write it
// through QSettings (qt/SettingsFile), korvado-cli only reads it (IniSnapshot)
// and keeps Qt out of its process; both give the text a meaning here, so that
// a value reads the same in either program.

#include <optional>
#include <string>
#include <string_view>

namespace korvado {

class SettingsReader {
 public:
  virtual ~SettingsReader() = default;
  // The text stored under [section] key; nothing when the file has none.
  virtual std::optional<std::string> Text(const std::string& section, const std::string& key) const = 0;
};

class SettingsWriter {
 public:
  virtual ~SettingsWriter() = default;
  // Raises FileIOError naming the file when it cannot be written.
  virtual void WriteText(const std::string& section, const std::string& key, const std::string& value) = 0;
};

// The text without the blanks, tabs and carriage returns around it.
std::string_view TrimmedSetting(std::string_view text);

// An integer, blanks around it allowed.
std::optional<int> ParseSettingInteger(std::string_view text);
// A positive finite number written with "." or ",".
std::optional<double> ParsePositiveSetting(std::string_view text);

// A missing key, or text that is not a value of the kind, reads as the default.
int ReadSettingInteger(const SettingsReader& settings, const std::string& section, const std::string& key,
                       int defaultValue);
// Stored as 1 and 0; any other integer reads as true.
bool ReadSettingBool(const SettingsReader& settings, const std::string& section, const std::string& key,
                     bool defaultValue);
double ReadPositiveSetting(const SettingsReader& settings, const std::string& section, const std::string& key,
                           double defaultValue);

void WriteSettingInteger(SettingsWriter& settings, const std::string& section, const std::string& key, int value);
void WriteSettingBool(SettingsWriter& settings, const std::string& section, const std::string& key, bool value);
// Fifteen significant digits with "." whatever the locale.
void WriteSettingDouble(SettingsWriter& settings, const std::string& section, const std::string& key, double value);

}  // namespace korvado
