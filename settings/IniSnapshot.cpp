#include "IniSnapshot.h"

#include <stdexcept>
#include <string_view>

#include "FileBytes.h"

namespace korvado {

namespace {

// Settings are a few hundred bytes; a larger file is not ours to read whole.
constexpr uint64_t kLargestSettingsFile = 1 << 20;

// QSettings quotes a value with characters of its syntax in it; the plain
// values the programs read come out of the quotes as they went in.
std::string_view Unquoted(std::string_view value) {
  if (value.size() >= 2 && value.front() == '"' && value.back() == '"') return value.substr(1, value.size() - 2);
  return value;
}

}  // namespace

IniSnapshot IniSnapshot::Read(const std::string& path) {
  try {
    const std::string text = ReadWholeFile(path, "настроек", [](uint64_t size, std::string_view) {
      if (size > kLargestSettingsFile) throw std::length_error("settings file too large");
    });
    return Parse(text);
  } catch (const std::exception&) {
    return {};
  }
}

IniSnapshot IniSnapshot::Parse(const std::string& text) {
  IniSnapshot snapshot;
  std::string_view rest(text);
  if (rest.substr(0, 3) == "\xEF\xBB\xBF") rest.remove_prefix(3);
  std::string section;
  while (!rest.empty()) {
    const size_t end = rest.find('\n');
    const std::string_view line = TrimmedSetting(rest.substr(0, end));
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    if (line.empty() || line.front() == ';' || line.front() == '#') continue;
    if (line.front() == '[') {
      // A damaged section header ("[Name" without its bracket) starts no section.
      section = line.back() == ']' ? std::string(TrimmedSetting(line.substr(1, line.size() - 2))) : std::string();
      continue;
    }
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos || section.empty()) continue;
    snapshot.values_[{section, std::string(TrimmedSetting(line.substr(0, equals)))}] =
        std::string(Unquoted(TrimmedSetting(line.substr(equals + 1))));
  }
  return snapshot;
}

std::optional<std::string> IniSnapshot::Text(const std::string& section, const std::string& key) const {
  const auto found = values_.find({section, key});
  if (found == values_.end()) return std::nullopt;
  return found->second;
}

}  // namespace korvado
