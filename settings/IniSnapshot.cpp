#include "IniSnapshot.h"

#include <ini.h>

#include <stdexcept>

#include "FileBytes.h"

namespace korvado {

namespace {

// Settings are a few hundred bytes; a larger file is not ours to read whole.
constexpr uint64_t kLargestSettingsFile = 1 << 20;

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
  // A line the parser cannot take is passed over; the lines after it still count.
  ini_parse_string(
      text.c_str(),
      [](void* user, const char* section, const char* key, const char* value) {
        static_cast<IniSnapshot*>(user)->values_[{section, key}] = value;
        return 1;
      },
      &snapshot);
  return snapshot;
}

std::optional<std::string> IniSnapshot::Text(const std::string& section, const std::string& key) const {
  const auto found = values_.find({section, key});
  if (found == values_.end()) return std::nullopt;
  return found->second;
}

}  // namespace korvado
