#pragma once
// One flat object of a large result (a point, a section) written straight
// into text, byte for byte as nlohmann's dump(2) prints it nested in an
// array: tens of thousands of rows then cost no tree, no allocation per value
// and no second pass to indent them.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace korvado::cli {

// `value` as a JSON string; the text is UTF-8, as all text inside the program.
void AppendJsonString(std::string& text, std::string_view value);
// `value` as nlohmann prints a double: shortest digits that read back the
// same, ".0" on whole numbers, null when not finite.
void AppendJsonNumber(std::string& text, double value);

class JsonRow {
 public:
  // Opens the row, itself `depth` levels deep, at the end of `text`.
  JsonRow(std::string& text, int depth);

  JsonRow& Text(std::string_view key, std::string_view value);
  JsonRow& Number(std::string_view key, double value);
  JsonRow& NumberOrNull(std::string_view key, const std::optional<double>& value);
  JsonRow& Integer(std::string_view key, int64_t value);
  JsonRow& Boolean(std::string_view key, bool value);
  // Closes the row.
  void End();

 private:
  void Key(std::string_view key);

  std::string& text_;
  int depth_;
  bool empty_ = true;
};

}  // namespace korvado::cli
