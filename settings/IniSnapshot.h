#pragma once
// Korvado.ini read once, for reading only: what korvado-cli takes from the
// file the windows keep, without Qt. The lines QSettings writes for plain
// values, "key=value" under "[section]"; a line that is not one is passed
// over, and a file that is missing or unreadable reads as holding nothing,
// so that every value is its default.

#include <map>
#include <string>
#include <utility>

#include "SettingsValues.h"

namespace korvado {

class IniSnapshot : public SettingsReader {
 public:
  // From the file at path (UTF-8).
  static IniSnapshot Read(const std::string& path);
  // From the file's text.
  static IniSnapshot Parse(const std::string& text);

  std::optional<std::string> Text(const std::string& section, const std::string& key) const override;

 private:
  std::map<std::pair<std::string, std::string>, std::string> values_;
};

}  // namespace korvado
