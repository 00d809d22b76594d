// A document written member by member must be byte for byte what the whole
// tree's dump(2) prints: korvado-cli's output is read by other programs.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <sstream>

#include "JsonStream.h"

namespace korvado::cli {
namespace {

using Json = nlohmann::ordered_json;

// Writes `whole` through the stream, arrays element by element.
std::string Streamed(const Json& whole) {
  std::ostringstream out;
  JsonObjectStream document(out);
  for (const auto& [key, value] : whole.items()) {
    if (value.is_array())
      document.ArrayMember(key, value.size(), [&](size_t k) { return value[k]; });
    else
      document.Member(key, value);
  }
  document.End();
  return out.str();
}

TEST(JsonStream, PrintsExactlyWhatTheWholeTreePrints) {
  const Json nested = {{"name", "Рп «7»\t\"x\""}, {"sigma", nullptr}, {"refs", {1, -2, 3}}, {"empty", Json::object()}};
  const Json sweep = {{"iteration", 1}, {"mu", 0.1}};
  const Json point = {{"name", "A"}, {"elevation", 100.25}};
  const Json deep = {{"a", Json::array({Json{{"b", {1, 2}}}})}};
  std::vector<Json> documents(5, Json::object());
  documents[1]["dof"] = 3.0;
  documents[1]["points"] = Json::array();
  documents[2]["points"] = Json::array({nested, nested});
  documents[2]["chi2"] = {{"value", 1.5}, {"passed", true}};
  documents[3]["sweeps"] = Json::array({sweep, sweep});
  documents[3]["points"] = Json::array({point});
  documents[4]["deep"] = Json::array({deep});
  documents[4]["text"] = "строка";
  documents[4]["values"] = Json::array({1, 2.5, "x", nullptr, true});
  for (const Json& whole : documents) EXPECT_EQ(Streamed(whole), whole.dump(2) + "\n") << whole.dump();
}

TEST(JsonStream, NestedObjectsAndElementsKeepTheirIndentation) {
  std::ostringstream out;
  WriteNested(out, Json{{"a", Json::array({1, Json{{"b", 2}}})}}, 2);
  EXPECT_EQ(out.str(), "    {\n      \"a\": [\n        1,\n        {\n          \"b\": 2\n        }\n      ]\n    }");
  std::ostringstream inner;
  JsonObjectStream object(inner, 1);
  object.Member("k", Json{{"x", 1}});
  object.End();
  EXPECT_EQ(inner.str(), "{\n    \"k\": {\n      \"x\": 1\n    }\n  }");
}

// Rows written straight to text must read exactly as the tree they replace:
// every kind of number nlohmann formats its own way, and every byte a string
// escapes, in rows of every shape at several depths.
TEST(JsonRow, PrintsWhatTheTreePrintsForEveryValue) {
  std::vector<double> numbers = {0.0, -0.0, 1.0, -2.0, 0.1, 100.25, 1e-5, 1e-4, 123456789012345.0, 1e16, 1e21,
                                 -1.5e-300, 5e-324, std::numeric_limits<double>::max(), 2.0 / 3.0,
                                 std::nan(""), std::numeric_limits<double>::infinity()};
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> exponent(-40.0, 40.0);
  for (int k = 0; k < 2000; ++k) numbers.push_back((k % 2 ? -1 : 1) * std::pow(10.0, exponent(random)));
  const std::vector<std::string> texts = {"", "Rp1", "Рп «7»", "a\"b\\c", "\b\f\n\r\t", std::string("x\0y", 3),
                                          "\x01\x1f\x7f", "/ещё/"};
  for (int depth : {0, 2, 3}) {
    for (double number : numbers) {
      std::string text;
      JsonRow(text, depth).Number("v", number).End();
      std::ostringstream tree;
      WriteNested(tree, Json{{"v", number}}, depth);
      ASSERT_EQ(text, tree.str()) << number;
    }
    for (const std::string& value : texts) {
      std::string text;
      JsonRow row(text, depth);
      row.Text("name", value).Integer("type", -3).NumberOrNull("sigma", std::nullopt).NumberOrNull("w", 0.25);
      row.Boolean("suspect", true).Boolean("fixed", false).End();
      std::ostringstream tree;
      WriteNested(tree, Json{{"name", value}, {"type", -3}, {"sigma", nullptr}, {"w", 0.25}, {"suspect", true},
                             {"fixed", false}}, depth);
      ASSERT_EQ(text, tree.str()) << value;
    }
    std::string empty;
    JsonRow(empty, depth).End();
    std::ostringstream tree;
    WriteNested(tree, Json::object(), depth);
    EXPECT_EQ(empty, tree.str());
  }
}

TEST(JsonRow, RowArraysMatchTheTreeAcrossWritePieces) {
  // Enough rows to be written out in several pieces.
  for (size_t count : {size_t{0}, size_t{1}, size_t{5000}}) {
    Json whole = Json::object();
    whole["rows"] = Json::array();
    std::ostringstream out;
    JsonObjectStream document(out);
    document.RowArrayMember("rows", count, [&](JsonRow& row, size_t k) {
      row.Text("name", "Т" + std::to_string(k)).Number("h", 0.5 * static_cast<double>(k));
    });
    document.End();
    for (size_t k = 0; k < count; ++k) whole["rows"].push_back({{"name", "Т" + std::to_string(k)}, {"h", 0.5 * k}});
    EXPECT_EQ(out.str(), whole.dump(2) + "\n") << count;
  }
}

}  // namespace
}  // namespace korvado::cli
